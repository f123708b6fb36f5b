// The report of pictures shared by the circuit, optics and text reports: the pictures in
// order, the temporary picture in a folder of its own and never left behind, the failures.
#include "frame/etat.h"
#include "frame/rapport_images.h"
#include "platform/document.h"
#include "platform/messages.h"
#include "quiz/fenetre_qcm.h"
#include "tests/support/fixture.h"

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
        const QString fichier = sauvegarder_images_word(
            f, {f->themes_electricite},
            [&] {
                largeur_au_moment_des_images = f->themes_electricite->width();
                return liste;
            },
            f->copie_savoir, chemin_schema, schema());
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
        boites.attendre(echec, vb::vbOK, vb::vbInformation);
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
        const ModeleRapportImages texte{QStringLiteral("evaluation_texte_"),
                                        QStringLiteral("VANTAREL - Evaluation texte à trous"),
                                        QStringLiteral("Sauvegarde du fichier au format Word impossible"), false, true};
        QCOMPARE(sauvegarder_images_word(f, {}, [&] { return une; }, f->copie_savoir, chemin_textes, texte), attendu);
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QCOMPARE(reponse_message, std::int16_t(vb::vbOK));
        QVERIFY(rtf_.contains("\\picwgoal4500\\pichgoal3000"));
        // The report's own document is left open, as the text report leaves it.
        QCOMPARE(Word().nombre_documents(), 1);
    }
};

QTEST_MAIN(TestRapportImages)
#include "tst_rapport_images.moc"
