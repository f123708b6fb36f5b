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
}

void installer_polices() {
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"), {QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Comic Sans MS"), {QStringLiteral("Comic Neue"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Lucida Sans Unicode"), {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
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
