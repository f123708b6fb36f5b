// The program starts no helper of its own accord: given no session bus, it starts none (D-Bus's
// dbus-launch would leave a daemon running after it), on X11 as offscreen; and the calculator it
// starts gets the environment the program received. Each start is a process of its own.
#include "frame/demarrage.h"
#include "modules.h"
#include "platform/calculatrice.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <cstring>

namespace {
// The program's start, its main window shown a while, then the calculator.
int seance(int argc, char** argv) {
    preparer_processus();
    QApplication application(argc, argv);
    preparer_application(application, enregistrer_modules);
    demarrer();
    QTest::qWait(300);
    return lancer_calculatrice() ? 0 : 3;
}

void ecrire_programme(const QString& fichier, const QString& texte) {
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(texte.toUtf8());
    f.close();
    QVERIFY(f.setPermissions(f.permissions() | QFile::ExeOwner));
}

// An environment, sorted, less what the shell running `env` sets and the display xvfb-run gives.
QStringList comparable(QStringList variables) {
    variables.removeIf([](const QString& v) {
        for (const char* nom : {"PWD=", "SHLVL=", "_=", "DISPLAY=", "XAUTHORITY="})
            if (v.startsWith(QLatin1String(nom))) return true;
        return false;
    });
    variables.sort();
    return variables;
}
}  // namespace

class TestAucunBus : public QObject {
    Q_OBJECT
private slots:
    void aucun_bus_lance() {
        QFETCH(QString, plateforme);
        QFETCH(bool, fichier_nomme_bus);
        QTemporaryDir dossier;
        const QString appels = dossier.filePath("appels"), rapport = dossier.filePath("environnement");
        ecrire_programme(dossier.filePath("dbus-launch"), QString("#!/bin/sh\necho \"$*\" >> '%1'\nexit 1\n").arg(appels));
        ecrire_programme(dossier.filePath(programmes_calculatrice().first()),
                         QString("#!/bin/sh\nenv > '%1.tmp' && mv '%1.tmp' '%1'\n").arg(rapport));
        QVERIFY(QDir(dossier.path()).mkdir("execution", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        // A plain file where a user's bus would be is no bus: D-Bus would start one all the same.
        if (fichier_nomme_bus) ecrire_programme(dossier.filePath("execution/bus"), QString());

        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.remove("DBUS_SESSION_BUS_ADDRESS");
        environnement.remove("DISPLAY");
        environnement.insert("PATH", dossier.path() + ":" + environnement.value("PATH"));
        environnement.insert("XDG_RUNTIME_DIR", dossier.filePath("execution"));
        environnement.insert("QT_QPA_PLATFORM", plateforme);
        QStringList commande = {QCoreApplication::applicationFilePath(), "--seance"};
        if (plateforme == "xcb") {
            const QString xvfb = QStandardPaths::findExecutable("xvfb-run");
            QVERIFY2(!xvfb.isEmpty(), "xvfb-run (Debian's xvfb) is needed");
            commande = QStringList{xvfb, "-a"} + commande;
        }
        QProcess seance;
        seance.setProcessEnvironment(environnement);
        seance.start(commande.takeFirst(), commande);
        QVERIFY(seance.waitForFinished(60000));
        QVERIFY2(seance.exitStatus() == QProcess::NormalExit && seance.exitCode() == 0,
                 seance.readAllStandardError().constData());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(rapport), 10000);
        QVERIFY2(!QFile::exists(appels), "dbus-launch was run");

        QFile f(rapport);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(comparable(QString::fromLocal8Bit(f.readAll()).split('\n', Qt::SkipEmptyParts)),
                 comparable(environnement.toStringList()));
    }
    void aucun_bus_lance_data() {
        QTest::addColumn<QString>("plateforme");
        QTest::addColumn<bool>("fichier_nomme_bus");
        QTest::newRow("offscreen") << "offscreen" << false;
        QTest::newRow("xcb") << "xcb" << false;
        QTest::newRow("xcb, a file named bus") << "xcb" << true;
    }
};

int main(int argc, char** argv) {
    if (argc >= 2 && std::strcmp(argv[1], "--seance") == 0) return seance(argc, argv);
    QCoreApplication application(argc, argv);
    TestAucunBus test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_aucun_bus.moc"
