#include "frame/demarrage.h"

#include "frame/form1.h"
#include "platform/aide.h"
#include "platform/langue.h"
#include "platform/polices.h"
#include "platform/style.h"

#include <QApplication>

void preparer_processus() {
    preparer_langue_systeme();
    lancer_lecture_polices();
}

void preparer_application(QApplication& application) {
    application.setApplicationName(QStringLiteral("Vantarel"));
    application.setQuitOnLastWindowClosed(false);
    // The locale is settled before the fonts' reading starts on its own thread (fontconfig reads
    // the C library's locale).
    installer_langue_francaise(application);
    aide::installer_touche_f1();
    installer_polices();
    installer_style();
}

void demarrer() {
    Form1* fenetre = Fenetre::obtenir<Form1>();
    attendre_polices();
    fenetre->Show();
}
