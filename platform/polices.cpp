#include "platform/polices.h"

#include <QApplication>
#include <QFont>
#include <fontconfig/fontconfig.h>
#include <system_error>
#include <thread>

namespace {
// fontconfig reads its configuration files the first time a window measures a text: a few
// milliseconds. Once the application object exists (the environment and the C library's locale
// are then settled for good), the program has fontconfig read them on a thread of its own while
// the main window is being made; the main window waits for that reading before its first text.
std::thread lecture;
// The program's end waits for the reading, should it still be going on.
struct Fin {
    ~Fin() {
        if (lecture.joinable()) lecture.join();
    }
} fin;

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
}

void lancer_lecture_polices() {
    if (lecture.joinable() || !QCoreApplication::instance()) return;
    try {
        lecture = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        // The system refuses a thread (a limit on threads or processes): Qt reads the
        // configuration itself before the first text, as it does in any program.
    }
}

void attendre_polices() {
    if (lecture.joinable()) lecture.join();
}
