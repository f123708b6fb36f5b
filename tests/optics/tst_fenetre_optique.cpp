// The optics window as a pupil and a teacher use it: the load, the theme panel, the road of the
// themes with their validations, snapshots and report, the tool bar, the closing (also while a
// handler pauses), the selection frame and the clearing of the sheet.
#include "circuit/etat_circuit.h"
#include "frame/etat.h"
#include "frame/facteur_impression.h"
#include "frame/form1.h"
#include "frame/options_dialogues.h"
#include "frame/result_eval.h"
#include "optics/editing/effacement.h"
#include "optics/editing/selection.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/document.h"
#include "platform/ecriture_sure.h"
#include "platform/ecran.h"
#include "platform/glisser.h"
#include "platform/messages.h"
#include "tests/support/fixture.h"
#include "tests/support/imprimante_factice.h"
#include "tests/support/pilote.h"
#include "tests/support/souris.h"

#include <QAction>
#include <QActionGroup>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using namespace traitement_texte;

namespace {
const QString valider_question = QStringLiteral("Voulez-vous vraiment valider votre réponse?");
const QString quitter_question = QStringLiteral("Voulez-vous vraiment quitter le module schématisation?");
const QString termine = QStringLiteral("Exercice terminé");
const QString echec = QStringLiteral("Sauvegarde du fichier au format Word impossible - Word n'est peut-être pas installé");

fenetre_dessin_optique* ouverte() {
    auto* f = Fenetre::obtenir<fenetre_dessin_optique>();
    f->Show();
    QCoreApplication::processEvents();
    return f;
}

// Opens the panel with its tab and clicks a theme label, as the pupil does.
void choisir_theme(fenetre_dessin_optique* f, int n) {
    cliquer(f->Command3);
    cliquer(f->Label_optique[n]);
}

// Validates (OK), then goes on; n times.
void valider(fenetre_dessin_optique* f, MessagesScriptes& m) {
    m.attendre(valider_question, vb::vbOK, vb::vbOKCancel, QStringLiteral("Attention"));
    cliquer(f->Valid);
}
void repondre(fenetre_dessin_optique* f, MessagesScriptes& m, int n) {
    for (int i = 0; i < n; ++i) {
        valider(f, m);
        cliquer(f->Continue);
    }
}

// The state table's columns: sheet shown, Valid, Continue, cadre_optique enabled.
QString etat(fenetre_dessin_optique* f) {
    QString e;
    for (bool b : {!f->cadre_dessin_optique->isHidden(), f->Valid->isEnabled(), f->Continue->isEnabled(),
                   f->cadre_optique->isEnabled()})
        e += b ? '1' : '0';
    return e;
}

// Element i of a kind, loaded from its template and put on the area as a drop leaves it.
BoitePicture* posee(fenetre_dessin_optique* f, const char* type, int i, double gauche, double haut) {
    BoitePicture* e = f->tableau(type)->Load(i);
    e->setParent(f->cadre_optique);
    e->Left(gauche);
    e->Top(haut);
    e->show();
    return e;
}

// The four frame lines, a hidden one as a null line.
QList<QLineF> cadre(fenetre_dessin_optique* f) {
    QList<QLineF> l;
    for (LigneSansFenetre* s : {f->Line1_optique, f->Line2_optique, f->Line3_optique, f->Line4_optique})
        l << (s->Visible() ? QLineF(s->X1(), s->Y1(), s->X2(), s->Y2()) : QLineF());
    return l;
}
}

class TestFenetreOptique : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> rapports_;
    QTemporaryDir temporaire_;
    QByteArray tmpdir_;
    int images_du_rapport_ = -1;
    QString entete_;
    QString fichier_;

private slots:
    void init() {
        reinitialiser_programme();
        rapports_ = std::make_unique<QTemporaryDir>();
        chemin_schema = rapports_->path();
        nom_eleve = QStringLiteral("Martin");
        prenom_eleve = QStringLiteral("Zoé");
        date_evaluation = QStringLiteral("03/02/2026");
        images_du_rapport_ = -1;
        tmpdir_ = qgetenv("TMPDIR");
        qputenv("TMPDIR", QFile::encodeName(temporaire_.path()));
        installer_crochet_enregistrement([this](const Document& d, const QString& f) {
            images_du_rapport_ = 0;
            for (const Paragraphe& p : d.paragraphes()) images_du_rapport_ += p.nombre_images();
            entete_ = d.entete().value(0).texte();
            fichier_ = f;
        });
    }
    void cleanup() {
        installer_crochet_enregistrement({});
        qputenv("TMPDIR", tmpdir_);
        reinitialiser_programme();
    }

    void le_chargement_et_la_mise_en_page() {
        couleur_lampe[0] = 0xFF;
        index_selection = 7;
        outil_cercle = true;
        fenetre_dessin_optique* f = ouverte();
        QCOMPARE(f->windowTitle() + "|" + f->Label6->text() + "|" + f->Evaluations->text(),
                 QStringLiteral("Vantarel|Schématisation en optique|Evaluations"));
        QCOMPARE(f->Savoir->pos(), QPoint(58, 41));
        QCOMPARE(f->Dessin_enonce->size(), QSize(213, 203));
        QCOMPARE(f->cadre_optique->size(), QSize(422, 400));
        QVERIFY(f->frameGeometry().width() <= 1024 && f->frameGeometry().height() <= 768);
        QCOMPARE(etat(f), QStringLiteral("0001"));
        QCOMPARE(f->Themes_optique->width() + f->tableau_reponse_DESSIN_optique.Count(), 0);
        // The load reset the model and drew the templates in their defaults, uncut.
        QVERIFY(index_selection == 0 && !outil_cercle);
        QCOMPARE(f->tableau("lampe")->element(0)->Picture().pixel(20, 20), qRgb(255, 255, 0));
        QVERIFY(f->tableau("lampe")->element(0)->mask().isEmpty());

        // Identity, title, counter, statement, palette and area lie inside the snapshot.
        const QRect instantane(0, 0, f->Savoir->width() + 60, f->Savoir->height() + 45);
        QList<QWidget*> dedans = {f->Nom, f->Temps, f->Label_titre, f->Label_num_question_dessin, f->Dessin_enonce,
                                  f->cadre_optique};
        for (const TypeElement& t : types_elements()) {
            BoitePicture* modele = f->tableau(t.nom)->element(0);
            QCOMPARE(modele->size(), QSize(40, 40));
            QCOMPARE(modele->isHidden(), !t.palette);
            if (!t.palette) continue;
            QCOMPARE(modele->toolTip(), QString::fromUtf8(t.info_bulle));
            QVERIFY(!modele->Picture().isNull());
            dedans << modele;
        }
        for (QWidget* w : dedans) QVERIFY(instantane.contains(QRect(w->mapTo(f->client(), QPoint()), w->size())));

        QVERIFY(f->ergot->isHidden() && f->ergot1->isHidden() && !f->Line1_optique->Visible());

        // The sheet's tools; buttons 1 to 3 exclusive, and released by code.
        QStringList bulles;
        for (int i = 1; i <= 7; ++i) bulles << f->bouton_optique(i)->toolTip();
        QCOMPARE(bulles, QStringList({"Rayon", "Trait", "Cercle et ellipse", "Insérer du texte", "", "Curseur standard",
                                      "Tout effacer"}));
        f->bouton_optique(1)->trigger();
        f->bouton_optique(3)->trigger();
        QVERIFY(!f->bouton_optique(1)->isChecked());
        f->bouton_optique(3)->setChecked(false);
        QVERIFY(!f->outils_optique->checkedAction());
        capture_pour_examen(f, "optique_chargement");
    }

    void le_panneau_et_ses_couleurs_de_survol() {
        fenetre_dessin_optique* f = ouverte();
        cliquer(f->Command3);
        QCOMPARE(f->Themes_optique->width(), 240);
        QCOMPARE(f->image_onglet(f->Command3), 2);
        capture_pour_examen(f, "optique_panneau_ouvert");
        survoler(f->Label_optique[2]);
        QCOMPARE(couleur_texte_de(f->Label_optique[2]), 0xFFu);
        for (int n : {1, 3, 4}) QCOMPARE(couleur_texte_de(f->Label_optique[n]), 0x40C0u);
        survoler(f->Themes_optique, QPoint(200, 120));
        QCOMPARE(couleur_texte_de(f->Label_optique[2]), 0x40C0u);
        cliquer(f->Command3);
        QCOMPARE(f->Themes_optique->width(), 0);
        QCOMPARE(f->image_onglet(f->Command3), 1);
    }

    void la_route_d_un_theme_et_ses_etats() {
        fenetre_dessin_optique* f = ouverte();
        MessagesScriptes m;
        choisir_theme(f, 1);
        QCOMPARE(etat(f), QStringLiteral("1101"));
        QCOMPARE(theme_courant, QStringLiteral("optique1"));
        QCOMPARE(f->Label_titre->text(), QStringLiteral("Sources de lumière et diffusion"));
        QCOMPARE(f->Label_num_question_dessin->text(), QStringLiteral("Question n°1/5"));
        QCOMPARE(f->Dessin_enonce->Picture(), f->List_sources.image(1));
        capture_pour_examen(f, "optique_theme_1");

        // Cancel changes nothing and takes no snapshot.
        m.attendre(valider_question, vb::vbCancel);
        cliquer(f->Valid);
        QCOMPARE(etat(f), QStringLiteral("1101"));
        QCOMPARE(f->tableau_reponse_DESSIN_optique.Count(), 0);
        // OK freezes the sheet and stores one snapshot of Savoir + 60 by Savoir + 45.
        valider(f, m);
        QCOMPARE(etat(f), QStringLiteral("1010"));
        QCOMPARE(f->tableau_reponse_DESSIN_optique.Count(), 1);
        QCOMPARE(f->tableau_reponse_DESSIN_optique.image(1).size(), QSize(f->Savoir->width() + 60, f->Savoir->height() + 45));
        capture_pour_examen(f, "optique_apres_validation");
        cliquer(f->Continue);
        QCOMPARE(etat(f), QStringLiteral("1101"));
        repondre(f, m, 1);
        QCOMPARE(f->Label_num_question_dessin->text(), QStringLiteral("Question n°3/5"));
        QCOMPARE(f->Dessin_enonce->Picture(), f->List_sources.image(3));
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
    }

    void le_troisieme_theme_finit_a_son_premier_continuer() {
        // Without the Word box: no report, "Exercice terminé", the sheet frozen.
        Fenetre::obtenir<Options_DESSIN>()->Check1->setChecked(false);
        fenetre_dessin_optique* f = ouverte();
        MessagesScriptes m;
        choisir_theme(f, 3);
        QCOMPARE(f->Label_num_question_dessin->text(), QStringLiteral("Question n°1/1"));
        valider(f, m);
        m.attendre(termine, vb::vbOK, vb::vbOKOnly, QStringLiteral("Vantarel"));
        cliquer(f->Continue);
        QCOMPARE(etat(f), QStringLiteral("1000"));
        QCOMPARE(images_du_rapport_, -1);
        QVERIFY(QDir(rapports_->path()).isEmpty());
        // With it, in a folder that cannot be written: the failure, then "Exercice terminé".
        Fenetre::obtenir<Options_DESSIN>()->Check1->setChecked(true);
        chemin_schema = QDir(rapports_->path()).filePath("fichier");
        QFile bloc(chemin_schema);
        QVERIFY(bloc.open(QIODevice::WriteOnly));
        choisir_theme(f, 3);
        valider(f, m);
        m.attendre(echec + "\nCause : un élément du chemin n'est pas un dossier.", vb::vbOK, vb::vbInformation);
        m.attendre(termine, vb::vbOK);
        cliquer(f->Continue);
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
    }

    void les_titres_et_leur_taille_selon_l_ecran_data() {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("theme");
        QTest::addColumn<QString>("titre");
        QTest::addColumn<double>("taille");
        QTest::newRow("15, thème 4") << 15 << 4 << "Système Terre-Soleil-Lune" << 14.0;
        QTest::newRow("15, thème 3") << 15 << 3 << "Ombre propre, ombre portée et cône d'ombre" << 11.0;
        QTest::newRow("12, thème 4") << 12 << 4 << "Système Terre-Soleil-Lune" << 11.2;
        QTest::newRow("12, thème 3") << 12 << 3 << "Ombre propre, ombre portée et cône d'ombre" << 8.8;
    }
    void les_titres_et_leur_taille_selon_l_ecran() {
        QFETCH(int, twips);
        QFETCH(int, theme);
        QFETCH(double, taille);
        ecran::fixer_twips_par_pixel(twips, twips);
        fenetre_dessin_optique* f = ouverte();
        QCOMPARE(f->Label_optique[4]->text(), QStringLiteral("Système Soleil - Terre - Lune"));
        f->Label_optique_Click(theme);
        QTEST(f->Label_titre->text(), "titre");
        QCOMPARE(float(f->Label_titre->font().pointSizeF()), float(taille));
        capture_pour_examen(f, QStringLiteral("optique_titre_%1_%2").arg(twips).arg(theme));
    }

    void deux_themes_un_rapport_de_huit_images() {
        fenetre_dessin_optique* f = ouverte();
        MessagesScriptes m;
        choisir_theme(f, 1);
        repondre(f, m, 4);
        valider(f, m);
        m.attendre(termine, vb::vbOK);
        cliquer(f->Continue);
        QCOMPARE(images_du_rapport_, 5);
        choisir_theme(f, 2);
        QCOMPARE(f->tableau_reponse_DESSIN_optique.Count(), 5);
        repondre(f, m, 2);
        valider(f, m);
        m.attendre(termine, vb::vbOK);
        cliquer(f->Continue);
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
        QCOMPARE(images_du_rapport_, 8);
        QCOMPARE(entete_, QStringLiteral("VANTAREL - Evaluation schématisation"));
        // The first theme's report keeps its file; the second one's takes the next name.
        const QString premier = QDir(rapports_->path()).filePath("evaluation_schema_Martin_Zoé_03_02_2026.doc");
        QCOMPARE(fichier_, ecriture_sure::nom_numerote(premier, 2));
        QVERIFY(QFile::exists(fichier_) && QFile::exists(premier));
        QCOMPARE(QDir(temporaire_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
        QCOMPARE(f->tableau_reponse_DESSIN_optique.Count(), 8);
        if (!libreoffice_present()) QSKIP("LibreOffice is not installed");
        QTemporaryDir sortie;
        const QString html = convertir_avec_libreoffice(fichier_, "html:XHTML Writer File:UTF8", "html", sortie.path());
        QFile lu(html);
        QVERIFY(lu.open(QIODevice::ReadOnly));
        QCOMPARE(lu.readAll().count("<img"), 8);
    }

    void la_barre_enregistre_imprime_identifie() {
        fenetre_dessin_optique* f = ouverte();
        // Before any theme: a snapshot of the window with its sheet hidden, even when cancelled.
        EnregistrerSousScripte dialogue;
        dialogue.repondre(QString());
        f->Toolbar1->actions().at(0)->trigger();
        QCOMPARE(dialogue.appels, 1);
        QCOMPARE(f->tableau_reponse_DESSIN_optique.Count(), 1);
        QVERIFY(QDir(rapports_->path()).isEmpty());
        const QImage instantane = f->tableau_reponse_DESSIN_optique.image(1);
        // Where the lamp's yellow bulb shows once the sheet is shown, the blank Savoir.
        const QPoint ampoule = f->tableau("lampe")->element(0)->mapTo(f->client(), QPoint(20, 20));
        QCOMPARE(instantane.pixel(ampoule), qRgb(255, 255, 255));
        QCOMPARE(instantane.size(), QSize(f->Savoir->width() + 60, f->Savoir->height() + 45));

        // The print at scales 1 and 2.
        ImprimanteFactice imprimantes;
        for (BoutonOption* Facteur_impression::*echelle : {&Facteur_impression::normal, &Facteur_impression::agrandit}) {
            pendant_l_attente([echelle](Facteur_impression* d) {
                (d->*echelle)->click();
                QTest::mouseClick(d->Command2, Qt::LeftButton);
            });
            f->Toolbar1->actions().at(1)->trigger();
        }
        QCOMPARE(imprimantes.travaux.size(), 2);
        QCOMPARE(imprimantes.travaux[0].page.at(0).image.size(), QSize(f->Savoir->width() + 60, f->Savoir->height() + 45));
        QCOMPARE(imprimantes.travaux[1].page.at(0).image.size(),
                 QSize(2 * f->Savoir->width() + 60, 2 * f->Savoir->height() + 45));

        // "Identification" disables the window until its dialog closes.
        f->Toolbar1->actions().at(3)->trigger();
        auto* d = Fenetre::si_chargee<Identification_dessin_optique>();
        QVERIFY(d && d->isVisible());
        QVERIFY(!f->isEnabled());
        QCOMPARE(d->windowTitle(), QStringLiteral("Vantarel - Identification"));
        QCOMPARE(d->Command3->text(), QStringLiteral("Aucun"));
        capture_pour_examen(d, "optique_identification");
        d->Command3_Click();
        QVERIFY(f->isEnabled());
        QCOMPARE(f->Nom->text(), QStringLiteral("Aucun"));
    }

    void le_bouton_du_menu_la_question_de_sortie_et_la_reouverture() {
        Form1* principale = demarrer_programme();
        principale->Show();
        Fenetre::obtenir<Result_eval>();
        cliquer(principale->Picture12);
        fenetre_dessin_optique* f = Fenetre::si_chargee<fenetre_dessin_optique>();
        QVERIFY(f && f->isVisible());
        QVERIFY(principale->isHidden());
        QVERIFY(!Fenetre::si_chargee<Result_eval>());

        MessagesScriptes m;
        EnregistrerSousScripte dialogue;
        f->Toolbar1_ButtonClick("Enregistrer_sous");
        m.attendre(quitter_question, vb::vbNo, vb::vbYesNo, QStringLiteral("Vantarel"));
        f->Toolbar1->actions().at(2)->trigger();
        QVERIFY(f->vivante() && principale->isHidden());
        m.attendre(quitter_question, vb::vbYes);
        f->close();
        QVERIFY(!Fenetre::si_chargee<fenetre_dessin_optique>());
        QVERIFY(principale->isVisible());
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));

        // Reopened: no snapshot, templates in their default colours.
        couleur_ecran[0] = 0xFF;
        f = ouverte();
        QCOMPARE(f->tableau_reponse_DESSIN_optique.Count(), 0);
        QCOMPARE(couleur_ecran.valeur(0), 0xFF00FFu);
    }

    void une_feuille_validee_ne_prend_ni_appui_ni_depot() {
        fenetre_dessin_optique* f = ouverte();
        MessagesScriptes m;
        choisir_theme(f, 2);
        BoitePicture* lampe = posee(f, "lampe", 1, 100, 100);
        BoitePicture* cube = f->tableau("cube")->element(0);
        int appuis = 0;
        QStringList depots;
        for (BoitePicture* b : {lampe, cube}) connect(b, &BoitePicture::MouseDown, [&] { ++appuis; });
        for (const char* nom : {"lampe", "cadre"}) {
            QWidget* w = *nom == 'l' ? static_cast<QWidget*>(lampe) : f->cadre_optique;
            glisser::DragDrop(w, [&depots, nom](QObject*, float, float) { depots << nom; });
        }
        // The palette item dragged onto the element, then onto the bare area.
        auto glisser_le_cube = [&] {
            for (QPoint p : {QPoint(120, 120), QPoint(20, 300)}) {
                souris::appuyer(cube, QPoint(20, 20));
                glisser::Drag(cube);
                souris::deplacer(f->cadre_optique, p);
                souris::relacher(f->cadre_optique, p);
            }
        };
        valider(f, m);
        souris::appuyer(lampe, QPoint(5, 5));
        souris::relacher(lampe, QPoint(5, 5));
        glisser_le_cube();
        QCOMPARE(appuis, 2);  // the palette item's only
        QCOMPARE(depots, QStringList());
        cliquer(f->Continue);  // the next statement clears the sheet: the element is put back
        lampe->Left(100);
        lampe->Top(100);
        glisser_le_cube();
        QCOMPARE(depots, QStringList({"lampe", "cadre"}));
    }

    void fermer_pendant_chaque_pause_data() {
        QTest::addColumn<QString>("pause");
        QTest::newRow("glissement d'un thème") << "theme";
        QTest::newRow("pause de la validation") << "validation";
        QTest::newRow("pause du rapport") << "rapport";
        QTest::newRow("attente de l'impression") << "impression";
    }
    void fermer_pendant_chaque_pause() {
        QFETCH(QString, pause);
        fenetre_dessin_optique* f = ouverte();
        MessagesScriptes m;
        if (pause != "theme") choisir_theme(f, 3);
        if (pause == "rapport") valider(f, m);
        if (pause == "validation") m.attendre(valider_question, vb::vbOK);
        if (pause == "impression") {
            // Closed while the print settings wait, which are then validated.
            ImprimanteFactice imprimantes;
            m.attendre(quitter_question, vb::vbYes);
            pendant_l_attente([f](Facteur_impression* d) {
                f->Unload();
                QTest::mouseClick(d->Command2, Qt::LeftButton);
            });
            imprimer_fenetre_dessin_optique();
            QVERIFY(imprimantes.travaux.isEmpty());
        } else {
            // Closed (Yes to the question) at the next turn of the event loop, inside the pause.
            m.attendre(quitter_question, vb::vbYes);
            QTimer::singleShot(0, f, [f] { f->Unload(); });
        }
        // The report closed with its window is not written, and nothing more is said.
        if (pause == "theme") f->Label_optique_Click(1);
        if (pause == "validation") f->Valid_Click();
        if (pause == "rapport") f->Continue_Click();
        QVERIFY(!Fenetre::si_chargee<fenetre_dessin_optique>());
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
    }

    void un_element_charge_copie_son_modele() {
        fenetre_dessin_optique* f = ouverte();
        BoitePicture* modele = f->tableau("lampe")->element(0);
        modele->MouseIcon(QImage(32, 32, QImage::Format_RGB32));
        modele->MousePointer(99);
        BoitePicture* e = f->tableau("lampe")->Load(1);
        QVERIFY(e->isHidden());
        QCOMPARE(e->size(), QSize(40, 40));
        QCOMPARE(e->Picture(), modele->Picture());
        QCOMPARE(QList<int>({e->ScaleMode(), e->FillStyle(), e->MousePointer()}), QList<int>({3, 0, 99}));
        QCOMPARE(e->FillColor(), 0xFFFFu);
        QVERIFY(!f->tableau("lampe")->Load(1));  // an index is given once
    }

    void le_cadre_et_la_poignee() {
        fenetre_dessin_optique* f = ouverte();
        BoitePicture* a = posee(f, "cube", 1, 40, 60);
        a->resize(45, 45);
        f->ergot1->show();
        selectionner_objet(a);
        QCOMPARE(cadre(f), QList<QLineF>({{40, 60, 85, 60}, {40, 60, 40, 105}, {40, 105, 85, 105}, {85, 105, 85, 60}}));
        QCOMPARE(QPointF(f->ergot->Left(), f->ergot->Top()), QPointF(82.5, 57.5));
        QVERIFY(!f->ergot->isHidden());
        // A second selection, of an element shrunk to nothing: all collapse on its corner.
        BoitePicture* b = posee(f, "cube", 2, 200, 10);
        b->resize(0, 0);
        selectionner_objet(b);
        QCOMPARE(cadre(f), QList<QLineF>(4, QLineF(200, 10, 200, 10)));
        QCOMPARE(QPointF(f->ergot->Left(), f->ergot->Top()), QPointF(197.5, 7.5));
        deselectionner();
        deselectionner();
        QCOMPARE(cadre(f), QList<QLineF>(4, QLineF()));
        QVERIFY(f->ergot->isHidden() && !f->ergot1->isHidden());
    }

    void l_effacement_sort_tout_de_la_feuille() {
        fenetre_dessin_optique* f = ouverte();
        BoitePicture* lampe = posee(f, "lampe", 1, 30, 40);
        const QList<BoitePicture*> elements = {lampe, posee(f, "lampe", 2, -3000, 80), posee(f, "rayon", 4, 10, 10)};
        EtiquetteSansFenetre* note = f->Texte_ajout_Optique.Load(1);
        note->Move(100, 130, 60, 14);
        const QPoint palette = f->tableau("lampe")->element(0)->pos();
        const QPoint modele_rayon = f->tableau("rayon")->element(0)->pos();
        selectionner_objet(lampe);
        f->ergot2->show();
        f->bouton_optique(2)->trigger();
        outil_trait = true;
        f->cadre_optique->MousePointer(99);
        nb_lampe = 2;
        angle_lampe[1] = 90;
        type_selection = QStringLiteral("lampe");
        index_selection = 1;
        couleur_rayon_courante = 0xFF00;

        MessagesScriptes m;
        const QString question = QStringLiteral("Initialisation: Voulez-vous tout effacer?");
        m.attendre(question, vb::vbNo, 260, QStringLiteral("Vantarel"));
        tout_effacer();
        QVERIFY(f->Line1_optique->Visible() && !f->ergot->isHidden() && f->bouton_optique(2)->isChecked() && outil_trait);
        QCOMPARE(lampe->pos(), QPoint(30, 40));

        m.attendre(question, vb::vbYes, 260);
        tout_effacer();
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
        QCOMPARE(cadre(f), QList<QLineF>(4, QLineF()));
        QVERIFY(f->ergot->isHidden() && f->ergot1->isHidden() && f->ergot2->isHidden());
        QVERIFY(!f->outils_optique->checkedAction() && !outil_rayon && !outil_trait && !outil_cercle);
        QCOMPARE(f->cadre_optique->MousePointer(), 0);
        for (BoitePicture* e : elements) QCOMPARE(QPointF(e->Left(), e->Top()), QPointF(-5000, -5000));
        for (EtiquetteSansFenetre* n : {note, f->Texte_ajout_Optique(0)}) QCOMPARE(n->zone().topLeft(), QPointF(-5000, -5000));
        // The templates stay, nothing is unloaded and the model is untouched.
        QCOMPARE(f->tableau("lampe")->element(0)->pos(), palette);
        QCOMPARE(f->tableau("rayon")->element(0)->pos(), modele_rayon);
        QCOMPARE(f->tableau("lampe")->Count(), 3);
        QVERIFY(!lampe->isHidden());
        QVERIFY(nb_lampe == 2 && angle_lampe.valeur(1) == 90 && index_selection == 1 && couleur_rayon_courante == 0xFF00);
        QCOMPARE(type_selection, QStringLiteral("lampe"));
    }
};

QTEST_MAIN(TestFenetreOptique)
#include "tst_fenetre_optique.moc"
