// Nothing is kept from one run to the next: a run that uses the Save As, font and colour dialogs
// writes nothing under the user's home and configuration folders, and reads nothing that Qt's
// dialogs of another program left there. Each run is a process of its own, with a private home.
#include "frame/demarrage.h"
#include "platform/dialogues.h"
#include "platform/dialogues_communs.h"
#include "tests/support/fixture.h"

#include <QApplication>
#include <QColorDialog>
#include <QDirIterator>
#include <QFileDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <cstring>

namespace {
// A pupil's run: a picture saved where he types, a font and a colour chosen (the colour added to
// the custom colours). Prints the second custom colour (the first is the one added), the folder
// the Save As dialog opened in, then the folders it offered (its history and its side bar).
int seance(int argc, char** argv, const QString& image_eleve) {
    preparer_processus();
    QApplication application(argc, argv);
    preparer_application(application);
    QWidget fenetre;
    QStringList dossiers;
    quand_modale<QFileDialog>([&](QFileDialog* d) {
        dossiers << d->directory().absolutePath() << d->history();
        for (const QUrl& u : d->sidebarUrls()) dossiers << u.toLocalFile();
        auto* nom = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        nom->setText(image_eleve);
        QTest::keyClick(nom, Qt::Key_Return);
    });
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    if (!enregistrer_image_sous(&fenetre, image, QStringLiteral("Enregistrez sous..."))) return 2;
    quand_modale<QDialog>([](QDialog* d) { d->accept(); });
    if (!ShowFont(&fenetre, ChoixPolice())) return 3;
    bool ajoutee = false;
    quand_modale<QColorDialog>([&ajoutee](QColorDialog* d) {
        const QString ajouter = QColorDialog::tr("&Add to Custom Colors");
        for (QPushButton* b : d->findChildren<QPushButton*>())
            if (b->text() == ajouter) {
                b->click();
                ajoutee = true;
            }
        d->accept();
    });
    if (!ShowColor(&fenetre, 0xFF) || !ajoutee) return 4;
    dossiers.prepend(QColorDialog::customColor(1).name());
    std::printf("%s\n", qPrintable(dossiers.join('\n')));
    return 0;
}

// Every file below a folder, with its contents.
QMap<QString, QByteArray> contenu(const QString& dossier) {
    QMap<QString, QByteArray> fichiers;
    QDirIterator i(dossier, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                   QDirIterator::Subdirectories);
    while (i.hasNext()) {
        const QString chemin = i.next();
        QFile f(chemin);
        fichiers.insert(QDir(dossier).relativeFilePath(chemin), f.open(QIODevice::ReadOnly) ? f.readAll() : "(dossier)");
    }
    return fichiers;
}

void ecrire(const QString& fichier, const QByteArray& texte) {
    QDir().mkpath(QFileInfo(fichier).absolutePath());
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(texte);
}
}

class TestAucuneTrace : public QObject {
    Q_OBJECT
private slots:
    void rien_n_est_lu_ni_ecrit_dans_les_dossiers_de_l_utilisateur() {
        QTemporaryDir maison, systeme, eleve;
        // What another Qt program left: its last folder, its history and its custom colours, for
        // the user and for the whole system.
        const QString ailleurs = maison.filePath("Documents");
        QVERIFY(QDir().mkpath(ailleurs));
        const QByteArray url = QUrl::fromLocalFile(ailleurs).toEncoded();
        const QByteArray reglages =
            "[FileDialog]\nlastVisited=" + url + "\nhistory=" + url + "\nshortcuts=" + url + "\nqtVersion=6.4.2\n" +
            "[Qt]\ncustomColors\\0=4294901760\ncustomColors\\1=4279383126\n";  // red, #123456
        ecrire(maison.filePath(".config/QtProject.conf"), reglages);
        ecrire(systeme.filePath("QtProject.conf"), reglages);
        const QMap<QString, QByteArray> maison_avant = contenu(maison.path());
        const QMap<QString, QByteArray> systeme_avant = contenu(systeme.path());

        QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
        environnement.insert("HOME", maison.path());
        environnement.insert("XDG_CONFIG_HOME", maison.filePath(".config"));
        environnement.insert("XDG_DATA_HOME", maison.filePath(".local/share"));
        environnement.insert("XDG_STATE_HOME", maison.filePath(".local/state"));
        environnement.insert("XDG_CACHE_HOME", maison.filePath(".cache"));
        environnement.insert("XDG_CONFIG_DIRS", systeme.path());
        for (const char* image : {"dessin1.bmp", "dessin2.bmp"}) {
            QProcess run;
            run.setProcessEnvironment(environnement);
            run.setWorkingDirectory(eleve.path());
            run.start(QCoreApplication::applicationFilePath(), {"--seance", eleve.filePath(image)});
            QVERIFY(run.waitForFinished(60000));
            QVERIFY2(run.exitStatus() == QProcess::NormalExit && run.exitCode() == 0,
                     run.readAllStandardError().constData());
            // The colour dialog's custom colours start white; the Save As dialog opens where the
            // program was started and never offers the other program's folder.
            QStringList dossiers = QString::fromLocal8Bit(run.readAllStandardOutput()).trimmed().split('\n');
            QCOMPARE(dossiers.takeFirst(), QString("#ffffff"));
            QCOMPARE(dossiers.value(0), eleve.path());
            QVERIFY2(!dossiers.contains(ailleurs), qPrintable(dossiers.join(", ")));
            QCOMPARE(contenu(maison.path()), maison_avant);
            QCOMPARE(contenu(systeme.path()), systeme_avant);
        }
        QCOMPARE(contenu(eleve.path()).keys(), QStringList({"dessin1.bmp", "dessin2.bmp"}));
    }
};

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "--seance") == 0) return seance(argc, argv, QString::fromLocal8Bit(argv[2]));
    QApplication application(argc, argv);
    TestAucuneTrace test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_aucune_trace.moc"
