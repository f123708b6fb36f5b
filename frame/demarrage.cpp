#include "frame/demarrage.h"

#include "frame/form1.h"
#include "platform/aide.h"
#include "platform/dialogues.h"
#include "platform/langue.h"
#include "platform/polices.h"
#include "platform/style.h"

#include <QApplication>

void preparer_processus() { preparer_langue_systeme(); }

void preparer_application(QApplication& application, void (*enregistrer_modules)()) {
    application.setApplicationName(QStringLiteral("Vantarel"));
    application.setQuitOnLastWindowClosed(false);
    // The locale is settled for good before fontconfig starts reading on its own thread (it reads
    // the C library's locale and the environment).
    installer_langue_francaise(application);
    lancer_lecture_polices();
    aide::installer_touche_f1();
    installer_dialogues_sans_memoire();
    installer_polices();
    installer_style();
    if (enregistrer_modules) {
        enregistrer_modules();
        Fenetre::obtenir<Form1>();
    }
    attendre_polices();
}

void demarrer() { Fenetre::obtenir<Form1>()->Show(); }
