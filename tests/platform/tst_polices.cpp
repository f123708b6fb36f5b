// fontconfig's configuration as the program reads it at start: on a thread of its own, started
// only once the application object exists, and without it when the system refuses the thread.
#include "frame/demarrage.h"
#include "frame/form1.h"
#include "modules.h"
#include "platform/polices.h"

#include <QApplication>
#include <QDir>
#include <QFontInfo>
#include <QProcess>
#include <QtTest>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

namespace {
int fils() { return QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(); }
int fils_avant_application = 0, fils_sans_application = 0;

// The program's start in a process that may make no thread: prints the family its main window's
// texts are drawn with.
int depart_sans_fil(int argc, char** argv) {
    preparer_processus();
    QApplication application(argc, argv);
    preparer_application(application, enregistrer_modules);
    demarrer();
    QCoreApplication::processEvents();
    std::printf("%s\n", qPrintable(QFontInfo(Fenetre::obtenir<Form1>()->font()).family()));
    return 0;
}
}  // namespace

class TestPolices : public QObject {
    Q_OBJECT
private slots:
    void lecture_seulement_une_fois_l_application_faite() { QCOMPARE(fils_sans_application, fils_avant_application); }

    // A user at his limit of processes (threads count among them): the program starts all the
    // same, its fonts read by Qt. The limit binds no superuser: the start runs as "nobody".
    // On an X display, whose events and bus need threads, it ends at once, saying why.
    void depart_quand_le_systeme_refuse_le_fil_data() {
        QTest::addColumn<bool>("x");
        QTest::newRow("offscreen") << false;
        QTest::newRow("X") << true;
    }
    void depart_quand_le_systeme_refuse_le_fil() {
        QFETCH(bool, x);
        QTemporaryDir execution;  // its own, so that Qt makes none in /tmp
        const QByteArray dossier = QFile::encodeName(execution.path());
        QProcess depart, serveur;
        const auto fin = qScopeGuard([&serveur] { serveur.terminate(), serveur.waitForFinished(); });
        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        if (x) {
            serveur.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-ac")});
            if (!serveur.waitForReadyRead(20000)) QSKIP("no X server to be had");
            environnement.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + serveur.readLine().trimmed());
            environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        }
        environnement.insert(QStringLiteral("XDG_RUNTIME_DIR"), execution.path());
        // The sanitizer build's leak check needs a thread of its own at exit, which the limit refuses.
        const QString asan = environnement.value(QStringLiteral("ASAN_OPTIONS"));
        environnement.insert(QStringLiteral("ASAN_OPTIONS"),
                             asan.isEmpty() ? QStringLiteral("detect_leaks=0") : asan + QStringLiteral(":detect_leaks=0"));
        depart.setProcessEnvironment(environnement);
        depart.setChildProcessModifier([dossier] {
            if (geteuid() == 0 && (chown(dossier.constData(), 65534, 65534) != 0 || setgid(65534) != 0 ||
                                   setuid(65534) != 0))
                _exit(90);
            const rlimit aucun = {0, 0};
            if (setrlimit(RLIMIT_NPROC, &aucun) != 0) _exit(91);
        });
        depart.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--sans-fil")});
        QVERIFY(depart.waitForFinished(60000));
        if (depart.exitCode() == 90) QSKIP("no switch to an unprivileged user here");
        const QByteArray erreurs = depart.readAllStandardError();
        QVERIFY2(depart.exitStatus() == QProcess::NormalExit && (depart.exitCode() != 0) == x, erreurs.constData());
        QCOMPARE(depart.readAllStandardOutput().trimmed(), x ? QByteArray() : QByteArray("Liberation Sans"));
        QVERIFY2(!x || erreurs.startsWith("Vantarel ne peut pas démarrer : le système refuse de créer les tâches"), erreurs);
    }
};

int main(int argc, char* argv[]) {
    if (argc >= 2 && std::strcmp(argv[1], "--sans-fil") == 0) return depart_sans_fil(argc, argv);
    // As the program's main() does, before anything has used fontconfig.
    preparer_processus();
    fils_avant_application = fils();
    lancer_lecture_polices();
    fils_sans_application = fils();
    QApplication application(argc, argv);
    preparer_application(application);  // over before the test library adds to the environment
    TestPolices essai;
    return QTest::qExec(&essai, argc, argv);
}

#include "tst_polices.moc"
