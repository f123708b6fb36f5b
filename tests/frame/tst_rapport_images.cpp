// The report of pictures shared by the circuit, optics and text reports: the pictures in
// order, the temporary picture in a folder of its own and never left behind, the failures.
#include "circuit/fenetre_dessin.h"
#include "frame/etat.h"
#include "frame/rapport_cadre.h"
#include "frame/rapport_images.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/document.h"
#include "platform/ecriture_sure.h"
#include "platform/messages.h"
#include "quiz/fenetre_qcm.h"
#include "tests/support/fixture.h"
#include "tests/support/petit_disque.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace traitement_texte;

namespace {
const QString echec = QStringLiteral("Sauvegarde du fichier au format Word impossible - Word n'est peut-être pas installé");

// Snapshots of a drawing window's size (683 x 536, wider than the page's text), one colour each.
ListeImages instantanes(const QList<QRgb>& couleurs) {
    ListeImages l;
    for (QRgb c : couleurs) {
        QImage i(683, 536, QImage::Format_RGB32);
        i.fill(c);
        l.ajouter(i);
    }
    return l;
}

ModeleRapportImages schema() {
    return {QStringLiteral("evaluation_schema_"), QStringLiteral("VANTAREL - Evaluation schématisation"), echec, true,
            false};
}

ModeleRapportImages texte() {
    return {QStringLiteral("evaluation_texte_"), QStringLiteral("VANTAREL - Evaluation texte à trous"),
            QStringLiteral("Sauvegarde du fichier au format Word impossible"), false, true};
}

// The colours of the pictures of a document, in reading order.
QList<QRgb> couleurs_des_images(const QList<Paragraphe>& corps) {
    QList<QRgb> l;
    for (const Paragraphe& p : corps)
        for (const Morceau& m : p.morceaux)
            if (m.est_image()) l.append(QImage::fromData(m.png).pixel(10, 10));
    return l;
}
}

class TestRapportImages : public QObject {
    Q_OBJECT

    QTemporaryDir temporaire_;  // the system's temporary folder during each test
    QTemporaryDir rapports_;
    QByteArray tmpdir_;
    QList<Paragraphe> corps_;
    QByteArray rtf_;
    QString enregistre_;

    void vider_rapports() {
        for (const QString& f : QDir(rapports_.path()).entryList({"*.doc"})) QFile::remove(rapports_.filePath(f));
    }

private slots:
    void init() {
        reinitialiser_programme();
        tmpdir_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temporaire_.path()));
        // The program's folder cannot hold a file: a report writing there would fail.
        QFile bloc(rapports_.filePath("programme"));
        QVERIFY(bloc.open(QIODevice::WriteOnly));
        chemin_appli = bloc.fileName() + "/dossier";
        chemin_schema = rapports_.path();
        nom_eleve = QStringLiteral("Durand");
        prenom_eleve = QStringLiteral("Léo");
        classe_eleve = QStringLiteral("5e A");
        date_evaluation = QStringLiteral("12/05/2025");
        corps_.clear();
        rtf_.clear();
        enregistre_.clear();
        installer_crochet_enregistrement([this](const Document& d, const QString& f) {
            corps_ = d.paragraphes();
            rtf_ = d.rtf();
            enregistre_ = f;
        });
    }
    void cleanup() {
        installer_crochet_enregistrement({});
        qputenv("TMPDIR", tmpdir_);
        reinitialiser_programme();
    }

    void les_images_dans_l_ordre_sans_fichier_laisse() {
        fenetre_QCM* f = Fenetre::obtenir<fenetre_QCM>();
        definir_largeur(f->themes_electricite, 100);
        f->copie_savoir->resize(683, 536);  // sized by the snapshots, as a drawing window's buffer
        MessagesScriptes aucune_boite;
        const ListeImages liste = instantanes({qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 255)});
        int largeur_au_moment_des_images = -1;
        int synchronisations = 0;  // of the report's file alone, not of the temporary pictures
        ecriture_sure::installer_crochet([&](ecriture_sure::Etape e, qint64) {
            synchronisations += e == ecriture_sure::Etape::synchronisation;
            return true;
        });
        const QString fichier = sauvegarder_images_word(
            f, {f->themes_electricite},
            [&] {
                largeur_au_moment_des_images = f->themes_electricite->width();
                return liste;
            },
            f->copie_savoir, chemin_schema, schema());
        ecriture_sure::installer_crochet({});
        QCOMPARE(synchronisations, 1);
        QVERIFY2(aucune_boite.en_ordre(), qPrintable(aucune_boite.bilan()));
        QCOMPARE(fichier, rapports_.path() + "/evaluation_schema_Durand_Léo_12_05_2025.doc");
        QCOMPARE(enregistre_, fichier);
        QCOMPARE(largeur_au_moment_des_images, 0);  // the panel shut before the pictures are read
        QCOMPARE(f->MousePointer(), 0);
        // Inserted last first, each before the one inserted before it: they read 1, 2, 3.
        QCOMPARE(couleurs_des_images(corps_), QList<QRgb>({qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 255)}));
        // The buffer keeps the last picture drawn into it, the first stored.
        QCOMPARE(f->copie_savoir->Image().pixel(5, 5), qRgb(255, 0, 0));
        QStringList textes;
        for (const Paragraphe& p : corps_) textes << p.texte();
        QVERIFY(textes.contains("Durand  Léo") && textes.contains("5e A") && textes.contains("12/05/2025"));
        QCOMPARE(corps_.first().texte().contains("Durand"), false);  // the first paragraph is not the name line
        // Wider than the text between the margins (9638 twips): shown at that width, in proportion.
        QVERIFY(rtf_.contains("\\picw683\\pich536\\picwgoal9638\\pichgoal7564"));
        QCOMPARE(QDir(temporaire_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void un_dossier_de_rapports_inaccessible() {
        fenetre_QCM* f = Fenetre::obtenir<fenetre_QCM>();
        chemin_schema = chemin_appli;  // under a file: nothing can be written there
        MessagesScriptes boites;
        boites.attendre(echec + "\nCause : un élément du chemin n'est pas un dossier.", vb::vbOK, vb::vbInformation);
        const QString fichier = sauvegarder_images_word(
            f, {}, [] { return instantanes({qRgb(1, 2, 3), qRgb(4, 5, 6)}); }, f->copie_savoir, chemin_schema, schema());
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QVERIFY(fichier.isEmpty());
        QVERIFY(enregistre_.isEmpty());
        QCOMPARE(f->MousePointer(), 0);
        QCOMPARE(QDir(temporaire_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
    }

    void le_rapport_des_textes_annonce_son_fichier() {
        fenetre_QCM* f = Fenetre::obtenir<fenetre_QCM>();
        chemin_textes = rapports_.path();
        const QString attendu = rapports_.path() + "/evaluation_texte_Durand_Léo_12_05_2025.doc";
        MessagesScriptes boites;
        boites.attendre("Feuille sauvegardée dans le fichier: " + attendu, vb::vbOK, vb::vbInformation);
        // One narrow picture: shown at its own size.
        ListeImages une;
        f->copie_savoir->resize(300, 200);
        QImage i(300, 200, QImage::Format_RGB32);
        i.fill(Qt::yellow);
        une.ajouter(i);
        QCOMPARE(sauvegarder_images_word(f, {}, [&] { return une; }, f->copie_savoir, chemin_textes, texte()), attendu);
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QCOMPARE(reponse_message, std::int16_t(vb::vbOK));
        QVERIFY(rtf_.contains("\\picwgoal4500\\pichgoal3000"));
        // The report's own document is left open, as the text report leaves it.
        QCOMPARE(Word().nombre_documents(), 1);
    }

    // The circuit and the optics report of one pupil on one day share a name: the later one
    // takes the next name free and the earlier file stays as it was.
    void schemas_du_circuit_et_de_l_optique_le_meme_jour() {
        vider_rapports();
        QMap<QString, QList<QRgb>> images_par_fichier;
        installer_crochet_enregistrement([&](const Document& d, const QString& f) {
            images_par_fichier[QFileInfo(f).fileName()] = couleurs_des_images(d.paragraphes());
        });
        fenetre_dessin* circuit = Fenetre::obtenir<fenetre_dessin>();
        circuit->copie_cadre_dessin->resize(683, 536);
        circuit->tableau_reponse_DESSIN = instantanes({qRgb(255, 0, 0)});
        fenetre_dessin_optique* optique = Fenetre::obtenir<fenetre_dessin_optique>();
        optique->copie_cadre_dessin_optique->resize(683, 536);
        optique->tableau_reponse_DESSIN_optique = instantanes({qRgb(0, 0, 255), qRgb(0, 255, 0)});
        MessagesScriptes aucune_boite;
        sauvegarder_schema_word(circuit, circuit->themes_electricite, circuit->tableau_reponse_DESSIN,
                                circuit->copie_cadre_dessin, chemin_schema);
        const QString premier = rapports_.filePath("evaluation_schema_Durand_Léo_12_05_2025.doc");
        QFile lu(premier);
        QVERIFY(lu.open(QIODevice::ReadOnly));
        const QByteArray circuit_rtf = lu.readAll();
        lu.close();
        sauvegarder_schema_optique_word();
        QVERIFY2(aucune_boite.en_ordre(), qPrintable(aucune_boite.bilan()));
        QCOMPARE(images_par_fichier.value("evaluation_schema_Durand_Léo_12_05_2025.doc"), QList<QRgb>{qRgb(255, 0, 0)});
        QCOMPARE(images_par_fichier.value("evaluation_schema_Durand_Léo_12_05_2025 (2).doc"),
                 QList<QRgb>({qRgb(0, 0, 255), qRgb(0, 255, 0)}));
        QVERIFY(lu.open(QIODevice::ReadOnly));
        QCOMPARE(lu.readAll(), circuit_rtf);
        QCOMPARE(QDir(rapports_.path()).entryList({"*.doc"}).size(), 2);
    }

    // Two pupils whose names make the same file name: the second report goes to the next name
    // free, and the message names the file really written.
    void noms_qui_donnent_le_meme_fichier() {
        vider_rapports();
        fenetre_QCM* f = Fenetre::obtenir<fenetre_QCM>();
        chemin_textes = rapports_.path();
        f->copie_savoir->resize(300, 200);
        MessagesScriptes boites;
        for (const QString& nom : {QStringLiteral("Martin/Léa"), QStringLiteral("Martin_Léa")}) {
            nom_eleve = nom;
            const QString numero = nom.contains('/') ? "" : " (2)";
            const QString attendu = rapports_.filePath("evaluation_texte_Martin_Léa_Léo_12_05_2025" + numero + ".doc");
            boites.attendre("Feuille sauvegardée dans le fichier: " + attendu, vb::vbOK,
                            vb::vbInformation);
            QCOMPARE(sauvegarder_images_word(f, {}, [] { return instantanes({qRgb(9, 9, 9)}); }, f->copie_savoir,
                                             chemin_textes, texte()),
                     attendu);
            QVERIFY(std::any_of(corps_.begin(), corps_.end(), [&](const Paragraphe& p) { return p.texte() == nom + "  Léo"; }));
        }
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
    }

    // A failed report says why on a second line, and closes the documents it opened.
    void un_echec_dit_pourquoi_et_ne_laisse_rien_data() {
        QTest::addColumn<bool>("disque_plein");
        QTest::newRow("dossier absent") << false;
        QTest::newRow("disque plein") << true;
    }
    void un_echec_dit_pourquoi_et_ne_laisse_rien() {
        QFETCH(bool, disque_plein);
        fenetre_QCM* f = Fenetre::obtenir<fenetre_QCM>();
        f->copie_savoir->resize(683, 536);
        const PetitDisque disque(64);
        QString cause = QStringLiteral("le dossier n'existe pas");
        chemin_schema = rapports_.filePath("absent");
        if (disque_plein) {
            cause = QStringLiteral("le disque est plein");
            chemin_schema = disque.chemin();
            if (disque.monte())
                disque.remplir("plein");
            else  // no tmpfs here: the writer refuses the report's writes as a full disk would
                ecriture_sure::installer_crochet([](ecriture_sure::Etape e, qint64) { return e != ecriture_sure::Etape::ecriture; });
        }
        const QStringList avant = QDir(chemin_schema).entryList(QDir::Files);
        const QStringList temporaires = QDir(temporaire_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
        MessagesScriptes boites;
        for (int essai = 0; essai < 2; ++essai) {
            boites.attendre(echec + "\nCause : " + cause + ".", vb::vbOK, vb::vbInformation);
            QVERIFY(sauvegarder_images_word(f, {}, [] { return instantanes({qRgb(1, 2, 3)}); }, f->copie_savoir,
                                            chemin_schema, schema())
                        .isEmpty());
            QCOMPARE(Word().nombre_documents(), 0);
        }
        ecriture_sure::installer_crochet({});
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QCOMPARE(QDir(chemin_schema).entryList(QDir::Files), avant);
        QCOMPARE(QDir(temporaire_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), temporaires);
    }
};

QTEST_MAIN(TestRapportImages)
#include "tst_rapport_images.moc"
