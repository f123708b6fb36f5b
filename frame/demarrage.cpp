#include "frame/demarrage.h"

#include "frame/form1.h"
#include "platform/aide.h"
#include "platform/dialogues.h"
#include "platform/langue.h"
#include "platform/polices.h"
#include "platform/style.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>

void preparer_processus() {
    preparer_langue_systeme();
    // Given no session bus, D-Bus starts one for the program the first time Qt asks for it (the
    // accessibility bridge on X11): a daemon that outlives the program. The program goes without
    // one instead; the address that names none is its own, not given to the programs it starts.
    // A bus of the user's (the address, or the one D-Bus finds under $XDG_RUNTIME_DIR) is used.
    const QString dossier_execution = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        (dossier_execution.isEmpty() || !QFileInfo::exists(QDir(dossier_execution).filePath(QStringLiteral("bus")))))
        changer_pour_le_programme("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

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
