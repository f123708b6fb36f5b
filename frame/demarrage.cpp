#include "frame/demarrage.h"

#include "frame/form1.h"
#include "platform/aide.h"
#include "platform/dialogues.h"
#include "platform/langue.h"
#include "platform/polices.h"
#include "platform/style.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <atomic>
#include <cstdio>
#include <cstdlib>
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

// A thread the system refuses to Qt (a limit on the user's processes, threads among them) is told
// only by this message, and Qt goes on without it: the display's events are never read, and the
// bus waits for good for the thread that was to answer. Until the main window shows, the program
// ends there, saying why; later, the part that asked for the thread copes as it can.
std::atomic_bool depart_fini{false};
QtMessageHandler gestionnaire_precedent = nullptr;

void surveiller_les_fils(QtMsgType type, const QMessageLogContext& contexte, const QString& message) {
    if (!depart_fini && message.startsWith(QLatin1String("QThread::start: Thread creation error"))) {
        std::fputs("Vantarel ne peut pas démarrer : le système refuse de créer les tâches dont l'affichage a besoin.\n",
                   stderr);
        std::fflush(stderr);
        std::_Exit(EXIT_FAILURE);  // nothing to save yet; no waiting thread is left to end
    }
    gestionnaire_precedent(type, contexte, message);
}
}  // namespace

void preparer_processus() {
    if (!gestionnaire_precedent) gestionnaire_precedent = qInstallMessageHandler(surveiller_les_fils);
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
    // The accessibility bridge starts the bus's thread the first time a window changes: started
    // first, so that a user allowed few threads gives them to the display, not to fontconfig.
    QAccessible::isActive();
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

void demarrer() {
    Fenetre::obtenir<Form1>()->Show();
    depart_fini = true;
}
