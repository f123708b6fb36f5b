#include "platform/polices.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <thread>

namespace {
// Reading the list of installed fonts takes a few milliseconds, most of them in fontconfig's
// configuration files. It is done on a thread of its own while the first window is being made:
// the first text that window measures waits for the list under Qt's font lock if it is not
// ready yet.
std::thread liste;

void attendre_liste() {
    if (liste.joinable()) liste.join();
}

// The families the windows name, each with the installed fonts that stand for it.
struct Famille {
    const char* nom;
    const char* remplacants[2];
};
const Famille familles[] = {
    {"MS Sans Serif", {"Liberation Sans", "DejaVu Sans"}},
    {"Arial", {"Liberation Sans", "DejaVu Sans"}},
    {"Comic Sans MS", {"Comic Neue", "DejaVu Sans"}},
    {"Times New Roman", {"Liberation Serif", "DejaVu Serif"}},
    {"Lucida Sans Unicode", {"DejaVu Sans", "Liberation Sans"}},
};
}

void installer_polices() {
    for (const Famille& f : familles)
        QFont::insertSubstitutions(QString::fromLatin1(f.nom),
                                   {QString::fromLatin1(f.remplacants[0]), QString::fromLatin1(f.remplacants[1])});
    QFont defaut(QStringLiteral("MS Sans Serif"));
    defaut.setPointSizeF(8.25);
    QApplication::setFont(defaut);

    static bool lancee = false;
    if (lancee) return;
    lancee = true;
    liste = std::thread([] { QFontDatabase::families(); });
    // The application object waits for the list before it goes.
    qAddPostRoutine(attendre_liste);
}
