#include "frame/demarrage.h"

#include "frame/form1.h"
#include "platform/aide.h"
#include "platform/dialogues.h"
#include "platform/langue.h"
#include "platform/polices.h"
#include "platform/style.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#ifdef Q_OS_UNIX
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {
// Whether D-Bus finds the user's own bus in that folder: a socket of the user's named "bus".
bool bus_de_l_utilisateur(const QString& dossier) {
#ifdef Q_OS_UNIX
    if (dossier.isEmpty()) return false;
    struct stat etat {};
    return ::stat(QFile::encodeName(QDir(dossier).filePath(QStringLiteral("bus"))).constData(), &etat) == 0 &&
           S_ISSOCK(etat.st_mode) && etat.st_uid == ::getuid();
#else
    Q_UNUSED(dossier);
    return true;  // no session bus is started there
#endif
}
}  // namespace

void preparer_processus() {
    preparer_langue_systeme();
    // Given no session bus, D-Bus starts one for the program the first time Qt asks for it (the
    // accessibility bridge on X11): a daemon that outlives the program. The program goes without
    // one instead; the address that names none is its own, not given to the programs it starts.
    // A bus of the user's (the address, or the one D-Bus finds under $XDG_RUNTIME_DIR) is used.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") && !bus_de_l_utilisateur(qEnvironmentVariable("XDG_RUNTIME_DIR")))
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
