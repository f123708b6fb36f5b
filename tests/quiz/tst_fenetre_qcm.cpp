// The road of a quiz, driven as a pupil would: the quiz buttons of the main window, the panels,
// the topics, the choices, "Valider la réponse", "Continuer", the results window.
#include "frame/etat.h"
#include "frame/form1.h"
#include "frame/result_eval.h"
#include "platform/dialogues.h"
#include "platform/ecran.h"
#include "platform/messages.h"
#include "quiz/banques.h"
#include "quiz/etat_qcm.h"
#include "quiz/fenetre_qcm.h"
#include "tests/support/fixture.h"
#include "tests/support/pilote.h"

#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
const QString VALIDER = QStringLiteral("Voulez-vous vraiment valider votre réponse?");
const QString TERMINE = QStringLiteral("Exercice terminé");


fenetre_QCM* ouvrir_quiz(BoitePicture* Form1::*bouton = &Form1::Picture8) {
    Form1* f = demarrer_programme();
    f->Show();
    cliquer(f->*bouton);
    return Fenetre::si_chargee<fenetre_QCM>();
}

// Starts a topic by a click on its label.
void demarrer(fenetre_QCM* q, const char* etiquette) { cliquer(q->etiquettes_themes.value(etiquette)); }

// Ticks a choice and validates it with OK.
void repondre(fenetre_QCM* q, int choix) {
    MessagesScriptes boites;
    boites.attendre(VALIDER, vb::vbOK, vb::vbOKCancel, "Attention");
    cliquer(q->Option_rep[choix]);
    cliquer(q->Valid_reponse);
    QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
}

int bonne(int question) { return tableau_QCM[question][9].toInt(); }
int fausse(int question) { return bonne(question) == 1 ? 2 : 1; }
}

class TestFenetreQCM : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }

    void les_boutons_du_qcm_dans_la_fenetre_principale() {
        struct Cas {
            BoitePicture* Form1::*bouton;
            bool elec, chimie, optique;
        };
        for (const Cas& c : {Cas{&Form1::Picture8, true, false, false}, Cas{&Form1::Picture9, false, false, true},
                             Cas{&Form1::Picture10, false, true, false}}) {
            reinitialiser_programme();
            Form1* f = demarrer_programme();
            f->Show();
            Fenetre::obtenir<Result_eval>()->Show();
            survoler(f->Picture9);
            cliquer(f->*c.bouton);
            fenetre_QCM* q = Fenetre::si_chargee<fenetre_QCM>();
            QVERIFY(q && q->isVisible());
            QVERIFY(f->isHidden() && f->Label_patientez->isHidden());
            QVERIFY(Fenetre::si_chargee<Result_eval>() == nullptr);
            QCOMPARE(f->image_bouton(f->Picture9), 3);
            QCOMPARE(!q->Command1->isHidden(), c.elec);
            QCOMPARE(!q->Command2->isHidden(), c.chimie);
            QCOMPARE(!q->Command3->isHidden(), c.optique);
            if (c.optique) {
                QCOMPARE(q->Command3->y(), 94);
                QCOMPARE(q->Themes_optique->y(), 94);
            }
            if (c.chimie) QCOMPARE(q->Themes_chimie->y(), 94);
            if (c.elec) QCOMPARE(q->Command1->y(), 94);
        }
    }

    void chargement_de_la_fenetre() {
        nom_eleve = "Martin";
        classe_eleve = "5e B";
        fenetre_QCM* q = ouvrir_quiz();
        QCOMPARE(q->client()->size(), QSize(684, 525));
        QCOMPARE(q->Nom->text(), QString("Martin"));
        QCOMPARE(q->Prenom->text(), QString());  // empty, not the design text
        QCOMPARE(q->Classe->text(), QString("5e B"));
        QCOMPARE(q->themes_electricite->width(), 0);
        QCOMPARE(q->Themes_optique->width(), 0);
        QVERIFY(q->Frame_QCM->isHidden() && q->Label_titre->isHidden());
        QVERIFY(!q->Valid_reponse->isEnabled() && !q->Continuer->isEnabled());
        QCOMPARE(feuille_chimie14.size() - 1, 4);  // the banks are filled
        QCOMPARE(q->listes_images.value("Elec4").Count(), 15);
        QStringList cles;
        for (QAction* a : q->Toolbar1->actions()) cles << a->objectName();
        QCOMPARE(cles, QStringList({"Enregistrer_sous", "Imprimer", "Quitter", "Identification"}));
    }

    void les_panneaux_glissent() {
        fenetre_QCM* q = ouvrir_quiz();
        cliquer(q->Command1);
        QCOMPARE(q->themes_electricite->width(), 184);
        QCOMPARE(q->image_onglet(q->Command1), 2);
        capture_pour_examen(q, "qcm_panneau_ouvert");
        cliquer(q->Command1);
        QCOMPARE(q->themes_electricite->width(), 0);
        QCOMPARE(q->image_onglet(q->Command1), 1);
        // At 21 pixels a panel shuts; at 20 it opens from its start value.
        definir_largeur(q->Themes_chimie, 21);
        q->Command2_Click();
        QCOMPARE(q->Themes_chimie->width(), 0);
        definir_largeur(q->Themes_chimie, 20);
        q->Command2_Click();
        QCOMPARE(q->Themes_chimie->width(), 280);
        q->Command3_Click();
        QCOMPARE(q->Themes_optique->width(), 216);
    }

    void un_double_clic_ne_compte_qu_une_fois() {
        fenetre_QCM* q = ouvrir_quiz();
        QWindow* fenetre = q->windowHandle();
        QVERIFY(fenetre);
        const QPoint dans_l_onglet = q->Command1->mapTo(q, QPoint(10, 10));
        // A real double click: press, release, double-click, release.
        QTest::mouseDClick(fenetre, Qt::LeftButton, Qt::NoModifier, dans_l_onglet);
        QTRY_COMPARE(q->themes_electricite->width(), 184);
        QCOMPARE(q->image_onglet(q->Command1), 2);
        // The window was centred on the screen at its first showing.
        const QRect ecran = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY(qAbs(q->frameGeometry().center().x() - ecran.center().x()) <= 2);
    }

    void quitter_pendant_la_pause_du_bouton() {
        Form1* f = demarrer_programme();
        f->Show();
        MessagesScriptes boites;
        boites.attendre("Etes-vous sûr de vouloir quitter VANTAREL?", vb::vbOK);
        QTimer::singleShot(0, f, [f] { f->close(); });
        cliquer(f->Picture8);
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QVERIFY(application_terminee());
        fenetre_QCM* q = Fenetre::si_chargee<fenetre_QCM>();
        QVERIFY(!q || q->isHidden());
    }

    void survol_des_themes() {
        fenetre_QCM* q = ouvrir_quiz();
        Etiquette* c5 = q->etiquettes_themes["Label_chimie5"];
        Etiquette* c7 = q->etiquettes_themes["Label_chimie7"];
        Etiquette* e1 = q->etiquettes_themes["Label_elec1"];
        survoler(e1);
        survoler(c5);
        QCOMPARE(couleur_texte_de(c5), 0xFFu);
        QCOMPARE(couleur_texte_de(e1), 0xFFu);  // other panels are not touched
        survoler(c7);
        QCOMPARE(couleur_texte_de(c7), 0xFFu);
        QCOMPARE(couleur_texte_de(c5), 0x800000u);
        survoler(q->Savoir);
        QCOMPARE(couleur_texte_de(c7), 0xFFu);  // leaving for the work area keeps it lit
        survoler(q->Themes_chimie);
        QCOMPARE(couleur_texte_de(c7), 0x800000u);
        survoler(q->themes_electricite);
        QCOMPARE(couleur_texte_de(e1), 0x8000u);
    }

    void chaque_theme_commence_par_sa_premiere_question() {
        fenetre_QCM* q = ouvrir_quiz();
        for (const ThemeQCM& t : fenetre_QCM::themes()) {
            vider_releve_QCM();
            nb_reponses_QCM = 2;
            nb_justes = 3;
            demarrer(q, t.etiquette);
            const DefinitionFeuille& d = *t.feuille;
            QCOMPARE(theme_courant, QString(d.code_theme));
            QCOMPARE(titre_theme, QString::fromUtf8(d.titre));
            QCOMPARE(q->Label_titre->text(), titre_theme);
            QCOMPARE(q->Label_titre->font().pointSizeF(), double(t.taille_titre));
            QCOMPARE(nb_questions_QCM, std::int16_t(d.nb_lignes));
            QCOMPARE(question_courante_QCM, std::int16_t(1));
            QCOMPARE(nb_reponses_QCM, std::int16_t(0));
            QCOMPARE(nb_justes, 0.0f);
            QCOMPARE(q->label_question->text(), (*d.feuille)[1][enonce]);
            QCOMPARE(q->Numeroquestion->text(), QString("Question n°1"));
            QCOMPARE(q->Exercice->title(),
                     QString("Exercice n°1/") + (*d.feuille)[d.nb_lignes][numero_exercice]);
            QVERIFY(!q->Frame_QCM->isHidden() && !q->Label_titre->isHidden());
            QVERIFY(!q->Valid_reponse->isEnabled() && !q->Continuer->isEnabled());
        }
        // The labels whose caption differs from the title.
        demarrer(q, "Label_optique1");
        QCOMPARE(q->etiquettes_themes["Label_optique1"]->text(), QString("Sources de lumière et diffusion"));
        QCOMPARE(titre_theme, QString("Source de lumière et diffusion"));
        demarrer(q, "Label_elec6");
        QCOMPARE(titre_theme, QString("Montages en série et en dérivation"));
        demarrer(q, "Label_optique4");
        QCOMPARE(titre_theme, QString("Système Soleil-Terre-Lune"));
    }

    void la_taille_du_titre_suit_l_ecran() {
        fenetre_QCM* q = ouvrir_quiz();
        ecran::fixer_twips_par_pixel(12, 12);
        demarrer(q, "Label_chimie7");
        QCOMPARE(float(q->Label_titre->font().pointSizeF()), 8.8f);
        demarrer(q, "Label_elec2");
        QCOMPARE(float(q->Label_titre->font().pointSizeF()), 11.2f);
    }

    void ce_que_montrent_les_chargeurs() {
        fenetre_QCM* q = ouvrir_quiz();
        demarrer(q, "Label_elec1");
        QCOMPARE(q->Exercice->title(), QString("Exercice n°1/7"));
        QVERIFY(!q->Picture_QCM->isHidden());
        QCOMPARE(q->Picture_QCM->Picture(), q->listes_images["Elec1"].image(1));
        QCOMPARE(q->Reponse[2]->text(), QString("La pile n°2"));
        QVERIFY(q->Option_rep[5]->isHidden());
        capture_pour_examen(q, "qcm_question_image");
        // Rows 1 to 5, then row 6: two choices and no picture.
        for (int i = 1; i <= 5; ++i) {
            repondre(q, bonne(i));
            cliquer(q->Continuer);
        }
        QCOMPARE(q->Numeroquestion->text(), QString("Question n°1"));
        QCOMPARE(q->Exercice->title(), QString("Exercice n°3/7"));
        QVERIFY(q->Picture_QCM->isHidden());
        QVERIFY(!q->Option_rep[2]->isHidden() && q->Option_rep[3]->isHidden() && q->Option_rep[5]->isHidden());
        QVERIFY(!q->Reponse[3]->isHidden() && q->Reponse[3]->text().isEmpty());
        QCOMPARE(q->Reponse[2]->text(), QString("générateur"));
        // Electricity keeps the working table at "Continuer"; chemistry copies it again, alike.
        demarrer(q, "Label_chimie5");
        const QVector<LigneQCM> avant = tableau_QCM;
        repondre(q, 1);
        cliquer(q->Continuer);
        QCOMPARE(tableau_QCM, avant);
        QCOMPARE(q->label_question->text(), feuille_chimie5[2][enonce]);
        // The last row of the largest picture list.
        demarrer(q, "Label_elec4");
        for (int i = 1; i < 15; ++i) {
            repondre(q, 1);
            cliquer(q->Continuer);
        }
        QCOMPARE(q->Picture_QCM->Picture(), q->listes_images["Elec4"].image(15));
    }

    void une_feuille_juste_avec_les_reponses_affichees() {
        nom_eleve = "Durand";
        fenetre_QCM* q = ouvrir_quiz(&Form1::Picture10);
        option_afficher_reponses = true;  // after the start-up, which sets the defaults
        demarrer(q, "Label_chimie13");
        for (int i = 1; i <= 11; ++i) {
            QCOMPARE(q->Numeroquestion->text(), QString("Question n°%1").arg(i));
            QCOMPARE(q->Exercice->title(), QString("Exercice n°1/1"));
            QVERIFY(!q->Valid_reponse->isEnabled());
            repondre(q, bonne(i));
            QVERIFY(!q->Reponse_juste->isHidden());
            QCOMPARE(q->Reponse_juste_faux->text(), QString("JUSTE !"));
            QCOMPARE(couleur_texte_de(q->Reponse_juste_faux), 0x8000u);
            QCOMPARE(couleur_fond_de(q->texte_reponse), 0xC0FFC0u);
            QCOMPARE(q->texte_reponse->text(), tableau_QCM[i][10]);
            QCOMPARE(q->Picture_Juste_Faux->Picture(), q->QCM_oui_non.image(1));
            QVERIFY(q->Option_rep[1]->isEnabled() == false && q->Option_rep[bonne(i)]->isChecked());
            QVERIFY(q->Continuer->isEnabled() && !q->Valid_reponse->isEnabled());
            if (i == 1) {
                // Choice texts that are numbers: the log holds the text of the choice.
                QCOMPARE(reponses_eleve[1], QString("12"));
                capture_pour_examen(q, "qcm_retour_affiche");
            }
            if (i < 11) cliquer(q->Continuer);
        }
        MessagesScriptes boites;
        boites.attendre(TERMINE, vb::vbOK, vb::vbExclamation, "Vantarel");
        cliquer(q->Continuer);
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QCOMPARE(reponse_message, std::int16_t(vb::vbOK));
        QCOMPARE(nb_justes, 11.0f);
        QCOMPARE(nb_reponses_QCM, std::int16_t(11));
        QCOMPARE(question_courante_QCM, std::int16_t(12));
        QVERIFY(q->Frame_QCM->isHidden());
        QVERIFY(q->label_question->text().isEmpty() && q->Label_titre->text().isEmpty());
        QVERIFY(!q->Valid_reponse->isEnabled() && !q->Continuer->isEnabled());
        Result_eval* r = Fenetre::si_chargee<Result_eval>();
        QVERIFY(r && r->isVisible());
        QCOMPARE(r->Label8->text(), QString("20,0 / 20"));
        QCOMPARE(r->Label5->text(), QString("11"));
        QCOMPARE(r->Label6->text(), QString("11"));
        QCOMPARE(r->Label7->text(), QString("0"));
        QCOMPARE(r->Label_titre2->text(), QString("Le matériel de chimie"));
        QCOMPARE(r->Nom_eval->text(), QString("Durand"));
        capture_pour_examen(r, "resultats");
        // After the end, a topic start shows the question area again with an empty log.
        demarrer(q, "Label_chimie14");
        QVERIFY(!q->Frame_QCM->isHidden());
        QCOMPARE(q->Label_titre->text(), QString("Le dioxyde de carbone"));
        QCOMPARE(nb_reponses_QCM, std::int16_t(0));
    }

    void une_feuille_fausse_sans_les_reponses_ni_la_note() {
        fenetre_QCM* q = ouvrir_quiz(&Form1::Picture9);
        option_note_fin = false;
        demarrer(q, "Label_optique3");
        for (int i = 1; i <= 6; ++i) {
            repondre(q, fausse(i));
            QVERIFY(q->Reponse_juste->isHidden());
            QCOMPARE(reponses_eleve[i], tableau_QCM[i][fausse(i) + 3]);
            QCOMPARE(questions_posees[i], tableau_QCM[i][3]);
            QCOMPARE(corrections[i], tableau_QCM[i][10]);
            if (i < 6) cliquer(q->Continuer);
        }
        MessagesScriptes boites;
        boites.attendre(TERMINE, vb::vbOK);
        cliquer(q->Continuer);
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QCOMPARE(nb_justes, 0.0f);
        QVERIFY(Fenetre::si_chargee<Result_eval>() == nullptr);
        // The notation menu then shows the sheet's counts.
        Form1* f = Fenetre::obtenir<Form1>();
        f->mnuaffichefenetrenote_Click();
        Result_eval* r = Fenetre::si_chargee<Result_eval>();
        QCOMPARE(r->Label8->text(), QString("00,0 / 20"));
        QCOMPARE(r->Label7->text(), QString("6"));
        QVERIFY(!f->isEnabled());
        r->close();
        QVERIFY(f->isEnabled());
    }

    void une_mauvaise_reponse_affichee() {
        fenetre_QCM* q = ouvrir_quiz();
        option_afficher_reponses = true;
        demarrer(q, "Label_elec2");
        repondre(q, fausse(1));
        QCOMPARE(q->Reponse_juste_faux->text(), QString("FAUX !"));
        QCOMPARE(couleur_texte_de(q->Reponse_juste_faux), 0xFFu);
        QCOMPARE(couleur_fond_de(q->Reponse_juste_faux), 0xC0E0FFu);
        QCOMPARE(couleur_fond_de(q->texte_reponse), 0xC0E0FFu);
        QCOMPARE(q->Picture_Juste_Faux->Picture(), q->QCM_oui_non.image(2));
        QCOMPARE(nb_justes, 0.0f);
        capture_pour_examen(q, "qcm_faux");
    }

    void annuler_la_validation_ne_change_rien() {
        fenetre_QCM* q = ouvrir_quiz();
        demarrer(q, "Label_elec3");
        cliquer(q->Option_rep[2]);
        MessagesScriptes boites;
        boites.attendre(VALIDER, vb::vbCancel);
        cliquer(q->Valid_reponse);
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QVERIFY(q->Option_rep[2]->isChecked() && q->Valid_reponse->isEnabled() && q->Option_rep[1]->isEnabled());
        QVERIFY(!q->Continuer->isEnabled());
        QCOMPARE(nb_reponses_QCM, std::int16_t(0));
        QCOMPARE(nb_justes, 0.0f);
    }

    void recommencer_un_theme_en_cours_vide_le_releve() {
        fenetre_QCM* q = ouvrir_quiz();
        demarrer(q, "Label_elec5");
        repondre(q, bonne(1));
        cliquer(q->Continuer);
        repondre(q, bonne(2));
        QCOMPARE(nb_reponses_QCM, std::int16_t(2));
        QCOMPARE(nb_justes, 2.0f);
        MessagesScriptes boites;  // no box at all
        demarrer(q, "Label_elec5");
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QCOMPARE(nb_reponses_QCM, std::int16_t(0));
        QCOMPARE(nb_justes, 0.0f);
        for (int i = 1; i <= 100; ++i) QVERIFY(questions_posees[i].isEmpty() && reponses_eleve[i].isEmpty());
        QCOMPARE(question_courante_QCM, std::int16_t(1));
        QVERIFY(!q->Option_rep[1]->isChecked() && q->Option_rep[1]->isEnabled());
        QVERIFY(q->Reponse_juste->isHidden());
    }

    void la_note_arrondit_les_moities_vers_le_haut() {
        QCOMPARE(texte_note(1, 16), QString("01,3 / 20"));
        QCOMPARE(texte_note(3, 8), QString("07,5 / 20"));
        QCOMPARE(texte_note(12, 16), QString("15,0 / 20"));
        QCOMPARE(texte_note(4, 16), QString("05,0 / 20"));
        QCOMPARE(texte_note(7, 16), QString("08,8 / 20"));
        QCOMPARE(texte_note(16, 16), QString("20,0 / 20"));
        QCOMPARE(texte_note(1, 17), QString("01,2 / 20"));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(texte_note(3, 8), QString("07.5 / 20"));
    }

    void la_fenetre_des_resultats_sans_feuille() {
        nom_eleve = "Petit";
        Form1* f = demarrer_programme();
        f->mnuaffichefenetrenote_Click();
        Result_eval* r = Fenetre::si_chargee<Result_eval>();
        QVERIFY(r->isVisible());
        QCOMPARE(r->Nom_eval->text(), QString("Petit"));
        QVERIFY(r->Label8->text().isEmpty() && r->Label5->text().isEmpty());
        QVERIFY(!f->isEnabled());
        MessagesScriptes boites;
        boites.attendre("Voulez-vous vraiment quitter?", vb::vbNo, vb::vbYesNo, "Vantarel");
        boites.attendre("Voulez-vous vraiment quitter?", vb::vbYes, vb::vbYesNo, "Vantarel");
        cliquer(r->Command3);
        QVERIFY(Fenetre::si_chargee<Result_eval>() == r && !f->isEnabled());
        cliquer(r->Command3);
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QVERIFY(Fenetre::si_chargee<Result_eval>() == nullptr);
        QVERIFY(f->isEnabled());
    }

    void les_resultats_suivent_la_feuille_suivante() {
        fenetre_QCM* q = ouvrir_quiz();
        demarrer(q, "Label_elec8");
        for (int i = 1; i <= 7; ++i) {
            repondre(q, i <= 3 ? bonne(i) : fausse(i));
            MessagesScriptes boites;
            if (i == 7) boites.attendre(TERMINE, vb::vbOK);
            cliquer(q->Continuer);
        }
        Result_eval* r = Fenetre::si_chargee<Result_eval>();
        QCOMPARE(r->Label8->text(), QString("08,6 / 20"));
        demarrer(q, "Label_chimie14");
        for (int i = 1; i <= 4; ++i) {
            repondre(q, bonne(i));
            MessagesScriptes boites;
            if (i == 4) boites.attendre(TERMINE, vb::vbOK);
            cliquer(q->Continuer);
        }
        QCOMPARE(Fenetre::si_chargee<Result_eval>(), r);
        QCOMPARE(r->Label_titre2->text(), QString("Le dioxyde de carbone"));
        QCOMPARE(r->Label8->text(), QString("20,0 / 20"));
        QCOMPARE(r->Label5->text(), QString("4"));
    }

    void une_seule_fin_de_feuille() {
        fenetre_QCM* q = ouvrir_quiz();
        demarrer(q, "Label_chimie14");
        for (int i = 1; i <= 4; ++i) {
            repondre(q, bonne(i));
            if (i < 4) cliquer(q->Continuer);
        }
        // While "Exercice terminé" is up, the pupil clicks "Continuer" and a topic again.
        int fins = 0;
        installer_crochet_messages([q, &fins](const QString& texte, int, const QString&) {
            if (texte == TERMINE) {
                ++fins;
                q->Continuer_Click();
                q->Label_theme_Click(fenetre_QCM::themes()[0]);
            }
            return int(vb::vbOK);
        });
        cliquer(q->Continuer);
        installer_crochet_messages({});
        QCOMPARE(fins, 1);
        QCOMPARE(question_courante_QCM, std::int16_t(5));
        QCOMPARE(theme_courant, QString("chimie14"));
        QVERIFY(q->Frame_QCM->isHidden());
    }

    void un_clic_sur_un_theme_pendant_le_glissement() {
        fenetre_QCM* q = ouvrir_quiz();
        cliquer(q->Command1);
        // The first topic's slide pumps events: a second topic click runs inside it.
        QTimer::singleShot(0, q, [q] { q->Label_theme_Click(fenetre_QCM::themes()[1]); });
        demarrer(q, "Label_elec1");
        QCOMPARE(theme_courant, QString("elec1"));  // the topic clicked first is the one in progress
        QCOMPARE(q->themes_electricite->width(), 0);
        QCOMPARE(q->label_question->text(), feuille_elec1[1][enonce]);
    }

    void fermer_pendant_un_glissement() {
        fenetre_QCM* q = ouvrir_quiz();
        QPointer<fenetre_QCM> garde(q);
        installer_crochet_messages([](const QString&, int, const QString&) { return int(vb::vbYes); });
        QTimer::singleShot(0, q, [q] { q->close(); });
        q->Command1_Click();  // returns without touching the closed window
        QVERIFY(!garde || !garde->vivante());
        QTimer::singleShot(0, [] {
            if (auto* w = Fenetre::si_chargee<fenetre_QCM>()) w->close();
        });
        fenetre_QCM* q2 = ouvrir_quiz();
        QTimer::singleShot(0, q2, [q2] { q2->close(); });
        q2->Label_theme_Click(fenetre_QCM::themes()[3]);
        installer_crochet_messages({});
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(Fenetre::si_chargee<fenetre_QCM>() == nullptr);
        QVERIFY(Fenetre::obtenir<Form1>()->isVisible());
    }

    void question_pour_quitter() {
        fenetre_QCM* q = ouvrir_quiz();
        demarrer(q, "Label_elec1");
        {
            MessagesScriptes boites;
            boites.attendre("Voulez-vous vraiment quitter le module QCM?", vb::vbNo, vb::vbYesNo, "Vantarel");
            q->Toolbar1_ButtonClick("Quitter");
            QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
            QVERIFY(q->vivante() && q->isVisible());
            QCOMPARE(q->label_question->text(), feuille_elec1[1][enonce]);
        }
        {
            MessagesScriptes boites;
            boites.attendre("Voulez-vous vraiment quitter le module QCM?", vb::vbYes);
            q->close();
            QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
            QVERIFY(Fenetre::si_chargee<fenetre_QCM>() == nullptr);
            QVERIFY(Fenetre::obtenir<Form1>()->isVisible());
        }
        // During the screen-adaptation pass, the main window is not shown again.
        Fenetre::obtenir<Form1>()->Hide();
        fenetre_QCM* q2 = Fenetre::obtenir<fenetre_QCM>();
        adaptation_en_cours = true;
        MessagesScriptes boites;
        boites.attendre("Voulez-vous vraiment quitter le module QCM?", vb::vbYes);
        q2->Unload();
        QVERIFY(Fenetre::obtenir<Form1>()->isHidden());
    }

    void enregistrer_la_fenetre_en_bmp() {
        fenetre_QCM* q = ouvrir_quiz();
        cliquer(q->Command1);
        QTemporaryDir dossier;
        EnregistrerSousScripte dialogue;
        dialogue.repondre(dossier.filePath("qcm"));
        dialogue.repondre(QString());
        q->Toolbar1_ButtonClick("Enregistrer_sous");
        QCOMPARE(dialogue.dernier_filtre, QString("Images (*.bmp)|*.bmp"));
        QCOMPARE(dialogue.dernier_titre, QString("Enregistrez sous..."));
        const QImage image(dossier.filePath("qcm.bmp"), "BMP");
        QCOMPARE(image.size(), QSize(685, 531));
        // Beyond the client area: the window's background, never garbage.
        QCOMPARE(image.pixel(684, 530), qRgb(0xFF, 0xFF, 0x80));
        QCOMPARE(image.pixel(684, 100), qRgb(0xFF, 0xFF, 0x80));
        QCOMPARE(image.pixel(100, 100), qRgb(0xC0, 0xFF, 0xC0));  // the open panel
        // Cancel writes nothing.
        q->Toolbar1_ButtonClick("Enregistrer_sous");
        QCOMPARE(QDir(dossier.path()).entryList(QDir::Files).size(), 1);
    }

    void le_pointeur_revient_par_le_survol() {
        fenetre_QCM* q = ouvrir_quiz();
        q->MousePointer(11);
        survoler(q->Savoir);
        QCOMPARE(q->MousePointer(), 0);
        q->MousePointer(11);
        survoler(q->client());
        QCOMPARE(q->MousePointer(), 0);
    }
};

QTEST_MAIN(TestFenetreQCM)
#include "tst_fenetre_qcm.moc"
