// The road of a circuit exercise, driven as a pupil would: the circuit button of the main
// window, the theme panel, the themes, the validation by snapshot, "Continuer", the report,
// the left tool bar, and the clearing of the sheet.
#include "circuit/etat_circuit.h"
#include "circuit/fenetre_dessin.h"
#include "frame/etat.h"
#include "frame/facteur_impression.h"
#include "frame/form1.h"
#include "frame/options_dialogues.h"
#include "frame/result_eval.h"
#include "platform/calculatrice.h"
#include "platform/document.h"
#include "platform/ecran.h"
#include "platform/messages.h"
#include "tests/support/fixture.h"
#include "tests/support/imprimante_factice.h"
#include "tests/support/pilote.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace traitement_texte;

namespace {
const QString QUITTER = QStringLiteral("Voulez-vous vraiment quitter le module schématisation?");
const QString VALIDER = QStringLiteral("Voulez-vous vraiment valider votre réponse?");
const QString TERMINE = QStringLiteral("Exercice terminé");
const QString ECHEC = QStringLiteral("Sauvegarde du fichier au format Word impossible - Word n'est peut-être pas installé");
const QString EFFACER = QStringLiteral("Initialisation: Voulez-vous tout effacer?");

fenetre_dessin* ouvrir_circuit() {
    Form1* f = demarrer_programme();
    f->Show();
    cliquer(f->Picture11);
    return Fenetre::si_chargee<fenetre_dessin>();
}

void choisir(fenetre_dessin* d, int numero) {
    d->Command1_Click();
    cliquer(d->Label_elec[numero]);
}

// A click on a button of the window, answering the boxes it brings in order.
void cliquer_avec(QWidget* bouton, const QList<std::pair<QString, int>>& boites_attendues) {
    MessagesScriptes boites;
    for (const auto& [texte, reponse] : boites_attendues) boites.attendre(texte, reponse);
    cliquer(bouton);
    QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
}
void valider(fenetre_dessin* d, int reponse = vb::vbOK) { cliquer_avec(d->Valid, {{VALIDER, reponse}}); }

// Widths a panel goes through.
class Temoin : public QObject {
public:
    QList<int> largeurs;
    std::function<void(int)> a_chaque_largeur;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Resize) largeurs.append(static_cast<QWidget*>(o)->width());
        if (e->type() == QEvent::Resize && a_chaque_largeur) a_chaque_largeur(largeurs.last());
        return false;
    }
};

// Some pixel of the rectangle has a colour near this one.
bool contient(const QImage& i, const QRect& r, QRgb c) {
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QRgb p = i.pixel(x, y);
            if (qAbs(qRed(p) - qRed(c)) + qAbs(qGreen(p) - qGreen(c)) + qAbs(qBlue(p) - qBlue(c)) < 48) return true;
        }
    return false;
}
}

class TestFenetreDessin : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }
    void cleanup() {
        installer_crochet_calculatrice({});
        installer_crochet_enregistrement({});
    }

    void ouverture_depuis_la_fenetre_principale_et_fermeture() {
        nom_eleve = QStringLiteral("Martin");
        date_evaluation = QStringLiteral("03/02/2026");
        Fenetre::obtenir<Result_eval>();
        fenetre_dessin* d = ouvrir_circuit();
        Form1* f = Fenetre::si_chargee<Form1>();
        QVERIFY(d && d->isVisible() && f->isHidden() && !Fenetre::si_chargee<Result_eval>());
        QCOMPARE(d->client()->size(), QSize(688, 540));
        capture_pour_examen(d, "circuit_chargement");
        QCOMPARE(QStringList({d->Nom->text(), d->Temps->text()}), QStringList({"Martin", "03/02/2026"}));
        QVERIFY(d->cadre_dessin->isHidden() && d->Label_titre->isHidden() && d->Frame_pile->isHidden());
        QCOMPARE(d->themes_electricite->width(), 0);
        QVERIFY(!d->Valid->isEnabled() && !d->Continue->isEnabled());
        for (int i = 19; i <= 32; ++i) QVERIFY(!d->Value(i));  // no drawing tool pressed

        nb_composants = 7;
        nb_fils = 3;
        MessagesScriptes boites;
        boites.attendre(QUITTER, vb::vbNo, vb::vbYesNo, titre_application);
        d->Toolbar1_ButtonClick("Quitter");
        QCOMPARE(Fenetre::si_chargee<fenetre_dessin>(), d);
        boites.attendre(QUITTER, vb::vbYes, vb::vbYesNo, titre_application);
        d->close();
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QVERIFY(!Fenetre::si_chargee<fenetre_dessin>() && f->isVisible());
        cliquer(f->Picture11);  // reopened: the counters go on
        QVERIFY(nb_composants.toInt() == 7 && nb_fils == 3);
    }

    void le_panneau_glisse_et_ses_etiquettes() {
        fenetre_dessin* d = ouvrir_circuit();
        Temoin t;
        d->themes_electricite->installEventFilter(&t);
        cliquer(d->Command1);
        QList<int> ouverture, fermeture;
        for (int w = 16; w <= 184; w += 8) ouverture << w;
        for (int w = 184; w >= 0; w -= 8) fermeture << w;
        QCOMPARE(t.largeurs, ouverture);  // 22 steps
        QCOMPARE(d->image_onglet(d->Command1), 2);
        capture_pour_examen(d, "circuit_panneau_ouvert");
        t.largeurs.clear();
        d->Command1_Click();
        QCOMPARE(t.largeurs, fermeture.mid(1));  // 24 steps, the first leaving it at 184
        QCOMPARE(d->image_onglet(d->Command1), 1);
        // A click during an opening, at 32: a whole shutting inside it, then the opening goes on.
        t.largeurs.clear();
        bool clique = false;
        t.a_chaque_largeur = [&](int w) {
            if (w == 32 && !clique) QTimer::singleShot(0, d, [d] { cliquer(d->Command1); });
            clique = clique || w == 32;
        };
        d->Command1_Click();
        t.a_chaque_largeur = {};
        QCOMPARE(t.largeurs.mid(3, 24), fermeture);
        QCOMPARE(d->themes_electricite->width(), 184);
        // Hover: the label under the mouse red, the others green; the panel makes all green.
        survoler(d->Label_elec[6]);
        QVERIFY(couleur_texte_de(d->Label_elec[6]) == 0xFF && couleur_texte_de(d->Label_elec[5]) == 0x8000);
        survoler(d->themes_electricite, QPoint(100, 155));
        QCOMPARE(couleur_texte_de(d->Label_elec[6]), 0x8000u);
        for (int i : {1, 2, 3, 5, 8}) QVERIFY(!d->Label_elec[i]->isEnabled());
    }

    void les_quatre_themes() {
        fenetre_dessin* d = ouvrir_circuit();
        const struct {
            int label;
            const char* titre;
            const char* legende;
            ListeImages fenetre_dessin::* liste;
        } cas[] = {{4, "Schématiser un circuit électrique", "Question n°1/10", &fenetre_dessin::List_schema},
                   {6, "Montages en série et en dérivation", "Question n°1/8", &fenetre_dessin::List_serie_deriv},
                   {7, "Association de piles en série", "Question n°1/3", &fenetre_dessin::List_assoc_pile},
                   {9, "Sécurité électrique et court-circuit", "Question n°1/2", &fenetre_dessin::List_court_circuit}};
        for (const auto& c : cas) {
            choisir(d, c.label);
            QCOMPARE(d->Label_titre->text(), QString::fromUtf8(c.titre));
            QCOMPARE(d->Label_num_question_dessin->text(), QString::fromUtf8(c.legende));
            QCOMPARE(d->Dessin_enonce->Picture(), (d->*c.liste).image(1));
            QCOMPARE(theme_courant, QStringLiteral("elec%1").arg(c.label));
            QVERIFY(!d->cadre_dessin->isHidden() && !d->Label_titre->isHidden());
            QCOMPARE(d->themes_electricite->width(), 0);
            QVERIFY(d->Valid->isEnabled() && !d->Continue->isEnabled() && d->Cadre->isEnabled());
        }
        QCOMPARE(d->Label_elec[6]->text(), QStringLiteral("Montage en série et en dérivation"));
        QCOMPARE(d->Label_titre->font().pointSizeF(), 14.0);
        capture_pour_examen(d, "circuit_premier_enonce");

        // "elec6" again: its first "Continuer", then a restart empties the snapshots.
        choisir(d, 6);
        valider(d);
        cliquer(d->Continue);
        QCOMPARE(d->Label_num_question_dessin->text(), QStringLiteral("Question n°2/8"));
        QCOMPARE(d->Dessin_enonce->Picture(), d->List_serie_deriv.image(2));
        QCOMPARE(d->tableau_reponse_DESSIN.Count(), 1);
        choisir(d, 6);
        QVERIFY(d->tableau_reponse_DESSIN.Count() == 0 && num_question_dessin == 1);

        // At 12 twips per pixel the title is 11.2 points.
        reinitialiser_programme();
        ecran::fixer_twips_par_pixel(12, 12);
        d = Fenetre::obtenir<fenetre_dessin>();
        d->Show();
        choisir(d, 6);
        QVERIFY(qAbs(d->Label_titre->font().pointSizeF() - 11.2) < 1e-4);
    }

    void validation_et_instantane() {
        fenetre_dessin* d = ouvrir_circuit();
        choisir(d, 4);
        d->Frame_pile->show();
        valider(d, vb::vbCancel);
        QVERIFY(d->Valid->isEnabled() && !d->Continue->isEnabled() && d->Cadre->isEnabled());
        QCOMPARE(d->tableau_reponse_DESSIN.Count(), 0);
        valider(d);
        QVERIFY(!d->Valid->isEnabled() && d->Continue->isEnabled() && !d->Cadre->isEnabled());
        QVERIFY(d->Frame_pile->isHidden());
        QVERIFY(d->tableau_reponse_DESSIN.Count() == 1 && reponse_message == 1);
        capture_pour_examen(d, "circuit_apres_validation");
        // The window's area up to the sheet's right and bottom edges: banner, both tool bars,
        // the tab, the sheet with its statement.
        const QImage i = d->tableau_reponse_DESSIN.image(1);
        QCOMPARE(i.size(), QSize(683, 536));
        QVERIFY(qBlue(i.pixel(100, 20)) > 2 * qRed(i.pixel(100, 20)));             // banner
        QVERIFY(contient(i, QRect(0, 42, 28, 27), qRgb(0x2a, 0x4f, 0xa0)));       // floppy of Toolbar1
        QCOMPARE(i.pixel(70, 50), d->Toolbar2->palette().window().color().rgb());  // Toolbar2
        QVERIFY(contient(i, QRect(0, 130, 60, 150), qRgb(0x17, 0x50, 0x17)));     // the tab
        QCOMPARE(i.pixel(680, 533), qRgb(255, 255, 255));                          // Savoir's corner
        QCOMPARE(i.pixel(163, 243), d->List_schema.image(1).pixel(100, 100));      // the statement
    }

    void une_serie_jusqu_au_bout_sans_rapport() {
        fenetre_dessin* d = ouvrir_circuit();
        Fenetre::obtenir<Options_DESSIN>()->Check1->setChecked(false);
        QTemporaryDir dossier;
        chemin_schema = dossier.path();
        choisir(d, 9);
        valider(d);
        cliquer(d->Continue);
        QCOMPARE(d->Label_num_question_dessin->text(), QStringLiteral("Question n°2/2"));
        QCOMPARE(d->Dessin_enonce->Picture(), d->List_court_circuit.image(2));
        QVERIFY(d->Valid->isEnabled() && !d->Continue->isEnabled() && d->Cadre->isEnabled());
        // Two BMP saves, one cancelled: each adds its snapshot.
        EnregistrerSousScripte enregistrer;
        enregistrer.repondre(QString());
        enregistrer.repondre(dossier.filePath("feuille.bmp"));
        d->Toolbar1_ButtonClick("Enregistrer_sous");
        d->Toolbar1_ButtonClick("Enregistrer_sous");
        QCOMPARE(enregistrer.dernier_titre, QStringLiteral("Enregistrez sous..."));
        QCOMPARE(QImage(dossier.filePath("feuille.bmp")).size(), QSize(683, 536));
        QCOMPARE(reponse_message, std::int16_t(3));
        valider(d);
        cliquer_avec(d->Continue, {{TERMINE, vb::vbOK}});
        QCOMPARE(d->tableau_reponse_DESSIN.Count(), 4);
        QVERIFY(!d->Valid->isEnabled() && !d->Continue->isEnabled() && !d->Cadre->isEnabled());
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList({"feuille.bmp"}));  // no report
    }

    void la_barre_de_gauche() {
        ImprimanteFactice imprimantes;
        fenetre_dessin* d = ouvrir_circuit();
        // The calculator missing: the box, its answer kept; started: no box.
        installer_crochet_calculatrice([](const QString&) { return false; });
        MessagesScriptes boites;
        boites.attendre(QStringLiteral("Impossible de trouver la calculatrice Windows (Chemin: C:\\Windows\\System32\\Calc.exe)"),
                        vb::vbOK, vb::vbCritical, titre_application);
        d->Toolbar1_ButtonClick("Calculatrice");
        installer_crochet_calculatrice([](const QString&) { return true; });
        d->Toolbar1_ButtonClick("Calculatrice");
        QVERIFY2(boites.en_ordre() && boites.montrees().size() == 1, qPrintable(boites.bilan()));
        QCOMPARE(reponse_message, std::int16_t(vb::vbOK));

        // The print canvas: the area at its size, then doubled.
        for (const bool agrandi : {false, true}) {
            pendant_l_attente([&](Facteur_impression* f) {
                if (agrandi) f->agrandit->click();
                QTest::mouseClick(f->Command2, Qt::LeftButton);
            });
            d->Toolbar1_ButtonClick("Imprimer");
        }
        QCOMPARE(imprimantes.travaux.size(), 2);
        QCOMPARE(imprimantes.travaux.at(0).page.at(0).image.size(), QSize(683, 536));
        QCOMPARE(imprimantes.travaux.at(1).page.at(0).image.size(), QSize(1306, 1002));

        // The identification: the window disabled while it is open, enabled by each way out.
        auto ouvrir = [d] {
            d->Toolbar1_ButtonClick("identification");
            return Fenetre::si_chargee<Identification_dessin>();
        };
        Identification_dessin* i = ouvrir();
        QVERIFY(i && i->isVisible() && !d->isEnabled());
        taper(i->Nom, "Durand");
        taper(i->Prenom, "Leo");
        taper(i->Classe, "5e A");
        i->Command1_Click();
        QVERIFY(d->isEnabled() && d->Prenom->text() == "Leo");
        ouvrir()->Command3_Click();
        QVERIFY(d->isEnabled() && d->Classe->text() == "Aucun" && i->Command3->text() == "Aucun");
        ouvrir()->close();
        QVERIFY(d->isEnabled());
    }

    void effacement() {
        fenetre_dessin* d = ouvrir_circuit();
        TableauControles<BoitePicture>& pile = d->symbole("Pile1");
        TableauControles<BoitePicture>& diode = d->symbole("diode3");
        for (auto [tableau, i] : {std::pair{&pile, 1}, {&diode, 2}, {&pile, 3}}) {
            BoitePicture* s = tableau->Load(i);
            s->setParent(d->Cadre);
            s->Left(8.0 * i);
            s->setVisible(i != 3);  // 3 hidden from its menu
            d->traitav.Load(i);
            d->traitap.Load(i);
        }
        LigneSansFenetre* fil1 = d->fil.Load(1);
        fil1->X1(8);
        d->fil_virtuel.Load(1)->X2(64);
        d->fil_selection[2].Load(1)->X1(3);
        d->Texte_ajout.Load(2)->Caption("R");
        nb_textes_ajoutes = 2;  // index 1 is a label of the optics sheet
        nb_composants = 3;
        outil_fil = true;
        d->boutons_Toolbar2[19]->trigger();
        d->Cadre->MousePointer(99);

        // No: nothing moves, but the buttons and the pointer are reset.
        MessagesScriptes boites;
        boites.attendre(EFFACER, vb::vbNo, 260, titre_application);
        d->Toolbar2_ButtonClick("effacer");
        QVERIFY(!d->Value(19) && d->Cadre->MousePointer() == 0);
        QVERIFY(pile(1)->Left() == 8.0 && d->Texte_ajout(2)->Caption() == "R");

        boites.attendre(EFFACER, vb::vbYes, 260, titre_application);
        d->boutons_Toolbar2[25]->trigger();
        d->Toolbar2_ButtonClick("effacer");
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QVERIFY(!d->Value(25));
        const QPointF loin(-5000, -5000);
        for (BoitePicture* s : {pile(1), diode(2), pile(3)}) QCOMPARE(QPointF(s->Left(), s->Top()), loin);
        QVERIFY(pile(3)->isHidden() && !pile(1)->isHidden());
        QCOMPARE(QPointF(pile(0)->Left(), pile(0)->Top()), QPointF(24, 16));  // palette places, exact
        QCOMPARE(QPointF(diode(0)->Left(), diode(0)->Top()), QPointF(96, 16));
        for (int i : {1, 2, 3}) QVERIFY(d->traitav(i)->zone().topLeft() == loin && d->traitap(i)->zone().topLeft() == loin);
        QCOMPARE(d->traitap(0)->zone().topLeft(), QPointF(8, 8));
        QCOMPARE(QLineF(fil1->X1(), fil1->Y1(), fil1->X2(), fil1->Y2()), QLineF(loin, loin));
        QCOMPARE(QLineF(d->fil(0)->X1(), d->fil(0)->Y1(), d->fil(0)->X2(), d->fil(0)->Y2()), QLineF(56, 16, 104, 16));
        QVERIFY(d->Texte_ajout(2)->Caption().isEmpty() && d->Texte_ajout(2)->zone().topLeft() == QPointF(11, 49));
        // Untouched: rubber bands, selection lines, counters, tool modes.
        QVERIFY(d->fil_virtuel(1)->X2() == 64 && d->fil_selection[2](1)->X1() == 3);
        QVERIFY(nb_composants.toInt() == 3 && nb_textes_ajoutes == 2 && outil_fil.toBool());
    }

    void fermee_pendant_chaque_pause() {
        // The window closed (Yes to its question) during each of its waits: the handler stops.
        const auto fermer_pendant = [](fenetre_dessin* d, const std::function<void()>& gestionnaire,
                                       const QString& avant = QString(), const QString& apres = QString()) {
            MessagesScriptes boites;
            if (!avant.isEmpty()) boites.attendre(avant, vb::vbOK);
            boites.attendre(QUITTER, vb::vbYes, vb::vbYesNo, titre_application);
            if (!apres.isEmpty()) boites.attendre(apres, vb::vbOK);
            QTimer::singleShot(0, d, [d] { d->Toolbar1_ButtonClick("Quitter"); });
            gestionnaire();
            QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
            QVERIFY(!Fenetre::si_chargee<fenetre_dessin>());
        };
        fenetre_dessin* d = ouvrir_circuit();
        fermer_pendant(d, [d] { d->Command1_Click(); });
        d = ouvrir_circuit();
        d->Command1_Click();
        fermer_pendant(d, [d] { d->Label_theme_Click(fenetre_dessin::themes()[0]); });
        QCOMPARE(theme_courant, QString());
        // The validation's pause: no snapshot taken.
        d = ouvrir_circuit();
        choisir(d, 9);
        reponse_message = 42;
        fermer_pendant(d, [d] { d->Valid_Click(); }, VALIDER);
        QCOMPARE(reponse_message, std::int16_t(42));
        // The report's pause at the end: no report, no message, no "Exercice terminé".
        QTemporaryDir dossier;
        d = ouvrir_circuit();
        chemin_schema = dossier.path();
        choisir(d, 9);
        num_question_dessin = 2;
        fermer_pendant(d, [d] { d->Continue_Click(); });
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files), QStringList());
        // The print's wait: its settings dialog closes with the window, no page.
        ImprimanteFactice imprimantes;
        d = ouvrir_circuit();
        pendant_l_attente([](Facteur_impression*) {});
        bool dialogue_ferme_avec = false;
        fermer_pendant(d, [&] {
            QTimer::singleShot(0, [&] { dialogue_ferme_avec = !Fenetre::si_chargee<Facteur_impression>(); });
            d->Toolbar1_ButtonClick("Imprimer");
        });
        QVERIFY(dialogue_ferme_avec && imprimantes.travaux.isEmpty());
    }

    void le_rapport_d_une_serie() {
        QTemporaryDir temporaire, rapports;
        const QByteArray tmpdir = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temporaire.path()));
        QList<Paragraphe> corps;
        QByteArray rtf;
        installer_crochet_enregistrement([&](const Document& doc, const QString&) {
            corps = doc.paragraphes();
            rtf = doc.rtf();
        });
        fenetre_dessin* d = ouvrir_circuit();
        std::tie(nom_eleve, prenom_eleve, classe_eleve, date_evaluation) =
            std::tuple(QStringLiteral("Durand"), QStringLiteral("Leo"), QStringLiteral("5e A"), QStringLiteral("12/05/2026"));
        // A folder that cannot be written: the message, then the end of the exercise.
        QFile bloc(rapports.filePath("bloc"));
        QVERIFY(bloc.open(QIODevice::WriteOnly));
        chemin_schema = bloc.fileName() + "/dossier";
        choisir(d, 9);
        num_question_dessin = 2;
        valider(d);
        cliquer_avec(d->Continue,
                     {{ECHEC + "\nCause : un élément du chemin n'est pas un dossier.", vb::vbOK}, {TERMINE, vb::vbOK}});
        QCOMPARE(d->MousePointer(), 0);

        chemin_schema = rapports.path();
        choisir(d, 9);
        valider(d);
        cliquer(d->Continue);
        valider(d);
        cliquer_avec(d->Continue, {{TERMINE, vb::vbOK}});
        tmpdir.isEmpty() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmpdir);
        const QString fichier = rapports.filePath("evaluation_schema_Durand_Leo_12_05_2026.doc");
        QVERIFY(QFile::exists(fichier));
        QCOMPARE(QDir(temporaire.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
        QVERIFY(rtf.contains("VANTAREL - Evaluation sch"));
        // Snapshot 1 (right-aligned), snapshot 2, then the identity lines.
        QVERIFY(corps.size() >= 5 && corps[0].alignement == wdAlignParagraphRight);
        QCOMPARE(QImage::fromData(corps[0].morceaux.value(0).png), d->tableau_reponse_DESSIN.image(1));
        QCOMPARE(QImage::fromData(corps[1].morceaux.value(0).png), d->tableau_reponse_DESSIN.image(2));
        QStringList textes;
        for (const Paragraphe& p : corps.mid(2)) textes << p.texte();
        QVERIFY2(textes.indexOf("Durand  Leo") >= 0 && textes.indexOf("5e A") > textes.indexOf("Durand  Leo"),
                 qPrintable(textes.join('|')));

        // LibreOffice reads it: the identity, and both pictures shown within the text width.
        if (!libreoffice_present()) QSKIP("LibreOffice is not installed");
        QTemporaryDir sortie;
        const QString pdf = convertir_avec_libreoffice(fichier, "pdf", "pdf", sortie.path());
        QVERIFY2(!pdf.isEmpty(), "LibreOffice did not open the report");
        QProcess texte, images;
        texte.start("pdftotext", {pdf, "-"});
        images.start("pdfimages", {"-list", pdf});
        QVERIFY(texte.waitForFinished(30000) && images.waitForFinished(30000));
        QVERIFY(QString::fromUtf8(texte.readAllStandardOutput()).contains("DURAND LEO"));  // in capitals
        // After the two heading lines, one line per picture: its width is column 4, x-ppi column 13.
        const QStringList lignes = QString::fromUtf8(images.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts).mid(2);
        QCOMPARE(lignes.size(), 2);
        for (const QString& l : lignes) {
            const QStringList c = l.simplified().split(' ');
            // 683 pixels shown at most 6.7 inches wide: the A4 page's text width.
            QVERIFY2(c[3].toInt() == 683 && 683.0 / c[12].toDouble() <= 6.7, qPrintable(l));
        }
    }
};

QTEST_MAIN(TestFenetreDessin)
#include "tst_fenetre_dessin.moc"
