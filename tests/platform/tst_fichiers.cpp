// Files a teacher keeps: the checked writer (failures, links, a really full disk) and the BMP
// save with its Save As dialog and its failure box.
#include "platform/dialogues.h"
#include "platform/ecriture_sure.h"
#include "platform/langue.h"
#include "platform/messages.h"
#include "tests/support/fixture.h"
#include "tests/support/petit_disque.h"

#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QFileDialog>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include <cerrno>
#include <fcntl.h>
#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

using ecriture_sure::Etape;

namespace {
// As the program starts on a system whose numbers are C's (a decimal point), whatever the machine's.
[[maybe_unused]] const bool systeme_c = (preparer_langue_systeme(), qputenv("LC_NUMERIC", "C"));
const QString echec_image = QStringLiteral("Enregistrement de l'image impossible");

QByteArray lire(const QString& fichier) {
    QFile f(fichier);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void ecrire_brut(const QString& fichier, const QByteArray& contenu) {
    QFile f(fichier);
    QVERIFY(f.open(QIODevice::WriteOnly));
    QCOMPARE(f.write(contenu), contenu.size());
}

QStringList fichiers_de(const QString& dossier) {
    return QDir(dossier).entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QImage image_unie(QColor couleur) {
    QImage i(QSize(40, 30), QImage::Format_RGB32);
    i.fill(couleur);
    return i;
}

// Types a name into Qt's Save As dialog and presses Enter, as a pupil would.
void taper_nom(QFileDialog* d, const QString& nom) {
    auto* zone = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    QVERIFY(zone);
    zone->setText(nom);
    QTest::keyClick(zone, Qt::Key_Return);
}
}

class TestFichiers : public QObject {
    Q_OBJECT

    QTemporaryDir dossier_;
    QString d(const QString& nom) const { return dossier_.filePath(nom); }

private slots:
    void init() {
        QDir(dossier_.path()).removeRecursively();
        QDir().mkpath(dossier_.path());
    }
    void cleanup() { ecriture_sure::installer_crochet({}); }

    // A write refused for lack of space (or a quota, or a share that fills), at any step: the
    // earlier file stays whole and no temporary file is left.
    void echec_a_chaque_etape_garde_l_ancien_data() {
        QTest::addColumn<Etape>("etape");
        QTest::addColumn<qint64>("apres");
        QTest::newRow("aucun échec") << Etape::ouverture << qint64(-1);
        QTest::newRow("ouverture") << Etape::ouverture << qint64(0);
        QTest::newRow("deuxième bloc") << Etape::ecriture << qint64(1);
        QTest::newRow("vidage") << Etape::vidage << qint64(0);
        QTest::newRow("synchronisation") << Etape::synchronisation << qint64(0);
        QTest::newRow("remplacement") << Etape::remplacement << qint64(0);
    }
    void echec_a_chaque_etape_garde_l_ancien() {
        QFETCH(Etape, etape);
        QFETCH(qint64, apres);
        ecrire_brut(d("rapport.doc"), "ancien");
        const auto droits = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        QVERIFY(QFile::setPermissions(d("rapport.doc"), droits));
        ecriture_sure::installer_crochet(
            [&](Etape e, qint64 ecrits) { return !(apres >= 0 && e == etape && ecrits >= apres); });
        const QByteArray contenu(200 * 1024, 'y');  // several blocks
        QString raison;
        QCOMPARE(ecriture_sure::ecrire(d("rapport.doc"), contenu, &raison), apres < 0);
        QCOMPARE(lire(d("rapport.doc")), apres < 0 ? contenu : QByteArray("ancien"));
        QCOMPARE(raison.isEmpty(), apres < 0);
        // A replaced file keeps its permissions (owner, group, others); no temporary file is left.
        QCOMPARE(QFileInfo(d("rapport.doc")).permissions() & 0x7077, droits);
        QCOMPARE(fichiers_de(dossier_.path()), QStringList{"rapport.doc"});
    }

    // A link bearing the name is replaced itself; the file it points to, outside the folder, is
    // never written.
    void lien_au_nom_final_remplace_pas_suivi() {
        QTemporaryDir ailleurs;
        const QString cible = ailleurs.filePath("fichier_du_professeur");
        ecrire_brut(cible, "precieux");
        QVERIFY(QFile::link(cible, d("rapport.doc")));
        QVERIFY(ecriture_sure::ecrire(d("rapport.doc"), "rapport"));
        QCOMPARE(lire(cible), QByteArray("precieux"));
        QVERIFY(!QFileInfo(d("rapport.doc")).isSymLink());
        QCOMPARE(lire(d("rapport.doc")), QByteArray("rapport"));
    }

    // A real small file system filled up, then made read-only (needs root and tmpfs).
    void disque_plein_reel() {
        const PetitDisque disque(128);
        if (!disque.monte())
            QSKIP("cannot mount a small tmpfs here (needs root): the full-disk case runs through the test hook only");
        const QString ancien = disque.chemin("rapport.doc");
        ecrire_brut(ancien, QByteArray(20 * 1024, 'a'));
        // 20 KiB in use, 108 KiB left: 150 KiB cannot be written, 90 KiB can.
        QString raison;
        QVERIFY(!ecriture_sure::ecrire(ancien, QByteArray(150 * 1024, 'n'), &raison));
        QCOMPARE(raison, QStringLiteral("le disque est plein"));
        QCOMPARE(lire(ancien), QByteArray(20 * 1024, 'a'));
        QCOMPARE(ecriture_sure::ecrire_nouveau(ancien, QByteArray(150 * 1024, 'n')), QString());
        QCOMPARE(fichiers_de(disque.chemin()), QStringList{"rapport.doc"});
        QVERIFY(ecriture_sure::ecrire(ancien, QByteArray(90 * 1024, 'n')));
        QCOMPARE(lire(ancien).size(), 90 * 1024);
        // A folder nobody may write to (read-only even for root): refused, the file as it was.
        QCOMPARE(QProcess::execute("mount", {"-o", "remount,ro", disque.chemin()}), 0);
        QVERIFY(!ecriture_sure::ecrire(ancien, "court", &raison));
        QCOMPARE(raison, QStringLiteral("le disque est protégé en écriture"));
        QCOMPARE(lire(ancien).size(), 90 * 1024);
        // The picture's box says so too.
        EnregistrerSousScripte dialogue;
        MessagesScriptes messages;
        dialogue.repondre(disque.chemin("photo.bmp"));
        messages.attendre(echec_image + "\nCause : le disque est protégé en écriture.", vb::vbOK, vb::vbExclamation);
        QVERIFY(!enregistrer_image_sous(nullptr, image_unie(Qt::red), "Enregistrez sous..."));
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
    }

    // A new file never replaces one: it takes the name, else the first numbered name free, in
    // the same step as it gets it, even when another writer takes the name meanwhile.
    void nouveau_fichier_sans_remplacer() {
        ecrire_brut(d("rapport.doc"), "premier");
        QVERIFY(QDir().mkpath(d("rapport (2).doc")));
        QCOMPARE(ecriture_sure::ecrire_nouveau(d("rapport.doc"), "second"), d("rapport (3).doc"));
        QCOMPARE(lire(d("rapport.doc")), QByteArray("premier"));
        QCOMPARE(lire(d("rapport (3).doc")), QByteArray("second"));
        // Another writer takes the free name between the check a careless writer would make and
        // the naming: its file stays whole, this one goes to the next name.
        ecriture_sure::installer_crochet([&](Etape e, qint64) {
            if (e == Etape::remplacement && !QFileInfo::exists(d("seul.doc"))) ecrire_brut(d("seul.doc"), "autre");
            return true;
        });
        QCOMPARE(ecriture_sure::ecrire_nouveau(d("seul.doc"), "le mien"), d("seul (2).doc"));
        QCOMPARE(lire(d("seul.doc")), QByteArray("autre"));
        QCOMPARE(lire(d("seul (2).doc")), QByteArray("le mien"));
        QCOMPARE(fichiers_de(dossier_.path()),
                 QStringList({"rapport (3).doc", "rapport.doc", "seul (2).doc", "seul.doc"}));
        // The number goes before the extension of the file name, never into a folder's name.
        QCOMPARE(ecriture_sure::nom_numerote("/a.b/rapport", 2), QStringLiteral("/a.b/rapport (2)"));
        QCOMPARE(ecriture_sure::nom_numerote("/a/.profil", 3), QStringLiteral("/a/.profil (3)"));
        QCOMPARE(ecriture_sure::nom_numerote("/a/x.tar.doc", 4), QStringLiteral("/a/x.tar (4).doc"));
    }

    // The folder is synced once the file bears its name; the file is saved then, even when
    // that sync fails.
    void dossier_synchronise_apres_le_nom() {
        QList<Etape> etapes;
        ecriture_sure::installer_crochet([&](Etape e, qint64) {
            etapes.append(e);
            return e != Etape::synchronisation_dossier;
        });
        QVERIFY(ecriture_sure::ecrire(d("a.doc"), "a"));
        QCOMPARE(etapes.mid(etapes.size() - 2), QList<Etape>({Etape::remplacement, Etape::synchronisation_dossier}));
        etapes.clear();
        QCOMPARE(ecriture_sure::ecrire_nouveau(d("b.doc"), "b"), d("b.doc"));
        QCOMPARE(etapes.last(), Etape::synchronisation_dossier);
        QCOMPARE(fichiers_de(dossier_.path()), QStringList({"a.doc", "b.doc"}));
    }

    // Where a name cannot be taken in one call, the file gets a second name, then loses its
    // temporary one. When that removal really fails (a child on a file system that refuses
    // both), the file bearing its name is saved and kept; only its hidden name stays.
    void second_nom_garde_le_fichier_nomme() {
        if (const QString dossier = qEnvironmentVariable("VANTAREL_REFUS_RETRAIT"); !dossier.isEmpty()) {
            QCOMPARE(ecriture_sure::ecrire_nouveau(dossier + "/rapport.doc", "second"), dossier + "/rapport (2).doc");
            return;
        }
        ecriture_sure::installer_crochet([&](Etape e, qint64) { return e != Etape::nom_exclusif; });
        QCOMPARE(ecriture_sure::ecrire_nouveau(d("rapport.doc"), "premier"), d("rapport.doc"));
        QCOMPARE(fichiers_de(dossier_.path()), QStringList{"rapport.doc"});
        QProcess enfant;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("LD_PRELOAD", BIBLIOTHEQUE_REFUS_RETRAIT);
        env.insert("ASAN_OPTIONS", env.value("ASAN_OPTIONS") + ":verify_asan_link_order=0");
        env.insert("VANTAREL_REFUS_RETRAIT", dossier_.path());
        enfant.setProcessEnvironment(env);
        enfant.start(QCoreApplication::applicationFilePath(), {QTest::currentTestFunction()});
        QVERIFY(enfant.waitForFinished(60000));
        QVERIFY2(enfant.exitCode() == 0, enfant.readAll().constData());
        QCOMPARE(lire(d("rapport (2).doc")), QByteArray("second"));
        QCOMPARE(fichiers_de(dossier_.path()).filter(QRegularExpression("^\\.vantarel-")).size(), 1);
    }

    // A new file never takes the permissions of the file whose name it avoids: its owner may
    // read and write it. A plain write that cannot open another user's file leaves it there.
    // Checked in a child process that gives up root (who may open any file).
    void nouveau_fichier_a_ses_propres_droits() {
        QTemporaryDir dossier;
        const QByteArray chemin = QFile::encodeName(dossier.path());
        ecrire_brut(dossier.filePath("autre.bmp"), "a");
        QVERIFY(QFile::setPermissions(dossier.filePath("autre.bmp"), QFile::ReadOwner | QFile::ReadOther));
        const pid_t enfant = ::fork();
        QVERIFY(enfant >= 0);
        if (enfant == 0) {
            if ((::geteuid() == 0 && (::chown(chemin.constData(), 65534, 65534) || ::setgroups(0, nullptr) ||
                                      ::setgid(65534) || ::setuid(65534))) ||
                ::access(chemin.constData(), W_OK | X_OK))
                ::_exit(77);
            bool bon = true;
            for (const auto& [nom, mode] : {std::pair{"rapport.doc", 0}, std::pair{"lecture.doc", 0444}}) {
                ::close(::open(QFile::encodeName(dossier.filePath(nom)).constData(), O_WRONLY | O_CREAT, mode));
                QFile nouveau(ecriture_sure::ecrire_nouveau(dossier.filePath(nom), "x"));
                bon = bon && nouveau.open(QIODevice::ReadWrite) && nouveau.readAll() == "x";
            }
            bon = bon && !ecriture_sure::ecrire_simplement(dossier.filePath("autre.bmp"), "x") &&
                  lire(dossier.filePath("autre.bmp")) == "a";
            ::_exit(bon ? 0 : 1);
        }
        int etat = 0;
        QCOMPARE(::waitpid(enfant, &etat, 0), enfant);
        QVERIFY(WIFEXITED(etat));
        if (WEXITSTATUS(etat) == 77) QSKIP("cannot act as an unprivileged user here");
        QCOMPARE(WEXITSTATUS(etat), 0);
    }

    // The causes a teacher reads, in French.
    void causes_en_francais() {
        QString raison;
        QVERIFY(!ecriture_sure::ecrire(d("absent/rapport.doc"), "x", &raison));
        QCOMPARE(raison, QStringLiteral("le dossier n'existe pas"));
        QVERIFY(ecriture_sure::ecrire_nouveau(d(QString(300, 'n') + ".doc"), "x", &raison).isEmpty());
        QCOMPARE(raison, QStringLiteral("le nom du fichier est trop long"));
        QCOMPARE(ecriture_sure::cause(ENOSPC), QStringLiteral("le disque est plein"));
        QCOMPARE(ecriture_sure::cause(EACCES), QStringLiteral("accès refusé"));
    }

    void image_enregistree_ou_echec_annonce() {
        QWidget fenetre;
        EnregistrerSousScripte dialogue;
        MessagesScriptes messages;
        // A name without extension gets ".bmp"; the picture is a BMP.
        dialogue.repondre(d("photo"));
        QVERIFY(enregistrer_image_sous(&fenetre, image_unie(Qt::red), "Enregistrez sous..."));
        QCOMPARE(dialogue.dernier_filtre, QStringLiteral("Images (*.bmp)|*.bmp"));
        QCOMPARE(QImage(d("photo.bmp"), "BMP").pixelColor(5, 5), QColor(Qt::red));
        // Missing folder, a folder's name: the box with its cause, nothing written.
        QVERIFY(QDir().mkpath(d("dossier.bmp")));
        for (const auto& [nom, cause] : {std::pair{"absent/photo.bmp", "le dossier n'existe pas"},
                                         std::pair{"dossier.bmp", "un dossier porte ce nom"}}) {
            dialogue.repondre(d(nom));
            messages.attendre(echec_image + "\nCause : " + cause + ".", vb::vbOK, vb::vbExclamation, titre_application);
            QVERIFY(!enregistrer_image_sous(&fenetre, image_unie(Qt::blue), "Enregistrez sous..."));
        }
        // A full disk while replacing: the old picture stays whole.
        ecriture_sure::installer_crochet([](Etape e, qint64) { return e != Etape::synchronisation; });
        dialogue.repondre(d("photo.bmp"));
        messages.attendre(echec_image + "\nCause : le disque est plein.", vb::vbOK, vb::vbExclamation, titre_application);
        QVERIFY(!enregistrer_image_sous(&fenetre, image_unie(Qt::blue), "Enregistrez sous..."));
        QCOMPARE(QImage(d("photo.bmp"), "BMP").pixelColor(5, 5), QColor(Qt::red));
        // Cancel: nothing, quietly.
        QVERIFY(!enregistrer_image_sous(&fenetre, image_unie(Qt::blue), "Enregistrez sous..."));
        QVERIFY2(messages.en_ordre(), qPrintable(messages.bilan()));
        QCOMPARE(fichiers_de(dossier_.path()), QStringList{"photo.bmp"});
    }

    // Qt's own dialog, driven as a pupil would: the extension is added before the dialog asks
    // whether to replace a file, so the question names the file that will be written.
    void dialogue_demande_avant_de_remplacer() {
        ecrire_brut(d("dessin.png"), "un png");
        QWidget fenetre;
        // Typed name, file written: without extension, another extension, the extension in capitals.
        for (const auto& [tape, ecrit] : {std::pair{"photo", "photo.bmp"}, std::pair{"dessin.png", "dessin.png.bmp"},
                                          std::pair{"PHOTO.BMP", "PHOTO.BMP"}}) {
            ecrire_brut(d(ecrit), "ancienne image");
            QString question, type_dossier;
            QFileDialog::ViewMode vue = QFileDialog::Detail;
            quand_modale<QFileDialog>([&](QFileDialog* dlg) {
                vue = dlg->viewMode();
                type_dossier = dlg->iconProvider()->type(QFileInfo(dossier_.path()));
                quand_modale<QMessageBox>([&](QMessageBox* m) {
                    question = m->text();
                    m->button(QMessageBox::Yes)->click();
                });
                taper_nom(dlg, d(tape));
            });
            QVERIFY(enregistrer_image_sous(&fenetre, image_unie(Qt::green), "Enregistrez sous..."));
            QCOMPARE(question, QStringLiteral("Le fichier %1 existe déjà.\nVoulez-vous l'écraser ?").arg(ecrit));
            QVERIFY(vue == QFileDialog::List && type_dossier == QStringLiteral("Dossier"));
            QCOMPARE(QImage(d(ecrit), "BMP").pixelColor(5, 5), QColor(Qt::green));
        }
        QCOMPARE(lire(d("dessin.png")), QByteArray("un png"));
    }

    // The detail view fits its columns to a long name, then leaves them to the user; its sizes are
    // French whatever the system's numbers.
    void vue_detaillee_reglable_et_en_francais() {
        installer_langue_francaise(*qApp);
        ecrire_brut(d(QString(60, u'n') + ".bmp"), QByteArray(1153434, 'x'));
        bool ajustee = false, reglable = false;
        QString taille;
        quand_modale<QFileDialog>([&](QFileDialog* dlg) {
            dlg->setDirectory(dossier_.path());
            dlg->setViewMode(QFileDialog::Detail);
            QAbstractItemView* vue = dlg->findChild<QTreeView*>("treeView");
            QHeaderView* entete = static_cast<QTreeView*>(vue)->header();
            ajustee = QTest::qWaitFor([&] { return vue->model()->rowCount(vue->rootIndex()) && entete->sectionSize(0) >= vue->sizeHintForColumn(0); });
            reglable = entete->sectionResizeMode(0) == QHeaderView::Interactive;
            taille = vue->model()->index(0, 1, vue->rootIndex()).data().toString();
            dlg->reject();
        });
        QVERIFY(!enregistrer_image_sous(nullptr, image_unie(Qt::green), "Enregistrez sous..."));
        QVERIFY(ajustee && reglable);
        QCOMPARE(taille, QStringLiteral("1,10 Mio"));
    }
};

QTEST_MAIN(TestFichiers)
#include "tst_fichiers.moc"
