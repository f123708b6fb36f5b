// The main window: start-up values, menus, activity buttons, quit question, help, about box,
// and the adaptation of windows to screens of other than 15 twips per pixel.
#include "circuit/etat_circuit.h"
#include "frame/adaptation.h"
#include "frame/apropos.h"
#include "frame/etat.h"
#include "frame/form1.h"
#include "platform/aide.h"
#include "platform/ecran.h"
#include "platform/messages.h"
#include "quiz/etat_qcm.h"
#include "tests/support/fixture.h"
#include "tests/support/pilote.h"

#include <QDir>
#include <QtTest>

namespace {
QStringList legendes(const QMenu* menu) {
    QStringList l;
    for (const QAction* a : menu->actions()) l << a->text();
    return l;
}
}

class TestForm1 : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }

    void valeurs_au_demarrage() {
        // Values a running program could have left: the start-up replaces them.
        option_note_fin = false;
        option_afficher_reponses = true;
        nb_reponses_QCM = 3;
        questions_posees[3] = "q";
        corrections[100] = "c";
        Form1* f = demarrer_programme();
        QCOMPARE(f->client()->size(), QSize(423, 259));
        QCOMPARE(f->windowTitle(), QString("Vantarel : Physique-Chimie en 5ème - EVALUATIONS"));
        QVERIFY(option_note_fin);
        QVERIFY(!option_afficher_reponses);
        QCOMPARE(nb_reponses_QCM, std::int16_t(0));
        QVERIFY(questions_posees[3].isEmpty() && corrections[100].isEmpty());
        QCOMPARE(chemin_appli, QDir::toNativeSeparators(QCoreApplication::applicationDirPath()));
        QCOMPARE(chemin_QCM, chemin_appli);
        QCOMPARE(chemin_schema, chemin_appli);
        QCOMPARE(chemin_textes, chemin_appli);
        QCOMPARE(titre_theme, QString());
        QVERIFY(nom_eleve.isEmpty() && prenom_eleve.isEmpty() && classe_eleve.isEmpty() && date_evaluation.isEmpty());
        QCOMPARE(mot_de_passe_options, MOT_DE_PASSE_ENSEIGNANT);
        QVERIFY(!mot_de_passe_options.isEmpty());
        QCOMPARE(nb_fils, 0);
        QCOMPARE(nombre_textes, 0);
        QCOMPARE(epaisseur_fil_defaut, 2.0f);
        QCOMPARE(style_fil_defaut, 1);
        QCOMPARE(couleur_fil_defaut, 0u);
        QVERIFY(!trace_fil);
        QCOMPARE(nombre_adaptations(), 0);
        QVERIFY(f->Label_patientez->isHidden());
    }

    void menus_et_bitmaps() {
        Form1* f = demarrer_programme();
        QStringList barre;
        for (const QAction* a : f->barre_menus->actions()) barre << a->text();
        QCOMPARE(barre, QStringList({"Fichier", "Options", "Affichage", "?"}));
        QCOMPARE(legendes(f->mnufichiers), QStringList({"  Identification", "  Quitter"}));
        QCOMPARE(legendes(f->mnuoptions), QStringList({"  Module EVALUATION-SCHEMATISATION", "  Module EVALUATION-QCM",
                                                       "  Module EVALUATION-TEXTES A TROUS"}));
        for (const QMenu* m : {f->mnuoptionsSCHEMA, f->mnuoptionQCM, f->mnuoptiontexte})
            QCOMPARE(legendes(m), QStringList({"Options générales"}));
        QCOMPARE(legendes(f->mnuaffichage), QStringList({"Afficher la fenêtre de notation du QCM"}));
        QCOMPARE(legendes(f->mnuquoi), QStringList({"  Aide (F1)", "  A propos"}));
        for (const QAction* a : f->barre_menus->findChildren<QAction*>()) QVERIFY(a->shortcut().isEmpty());
        // Bitmaps on the six items, none on the help items or the "Options générales" entries.
        for (QAction* a : {f->mnuidentifier, f->mnuquitter, f->mnuoptionsSCHEMA->menuAction(),
                           f->mnuoptionQCM->menuAction(), f->mnuoptiontexte->menuAction(), f->mnuaffichefenetrenote})
            QVERIFY(!a->icon().isNull());
        for (QAction* a : {f->mnuaide, f->mnuapropos, f->mnuoptionsQCM, f->mnuoptionsDESSIN, f->mnuoptionstexte})
            QVERIFY(a->icon().isNull());
        QCOMPARE(f->icone_menu.Count(), 8);
        QCOMPARE(f->icone_menu.image(3).size(), QSize(21, 21));
        QCOMPARE(f->icone_menu.image(4).size(), QSize(15, 15));
        capture_pour_examen(f, "form1");
    }

    void survol_des_boutons() {
        Form1* f = demarrer_programme();
        struct Cas {
            BoitePicture* bouton;
            BoitePicture* panneau;
            int simple, surligne;
        };
        const Cas cas[] = {{f->Picture8, f->Picture4, 1, 2},  {f->Picture9, f->Picture4, 3, 4},
                           {f->Picture10, f->Picture4, 5, 6}, {f->Picture11, f->Picture5, 1, 2},
                           {f->Picture12, f->Picture5, 3, 4}, {f->Picture13, f->Picture6, 1, 2},
                           {f->Picture14, f->Picture6, 3, 4}, {f->Picture15, f->Picture6, 5, 6}};
        for (const Cas& c : cas) {
            QCOMPARE(f->image_bouton(c.bouton), c.simple);
            QCOMPARE(c.bouton->cursor().shape(), Qt::PointingHandCursor);
            survoler(c.bouton);
            QCOMPARE(f->image_bouton(c.bouton), c.surligne);
            QCOMPARE(c.bouton->Picture(), f->ImageList_bouton.image(c.surligne));
        }
        // Leaving a button for the window keeps it lit; its own panel puts its group back.
        survoler(f->client());
        QCOMPARE(f->image_bouton(f->Picture9), 4);
        survoler(f->Picture5);
        QCOMPARE(f->image_bouton(f->Picture11), 1);
        QCOMPARE(f->image_bouton(f->Picture12), 3);
        QCOMPARE(f->image_bouton(f->Picture9), 4);
        survoler(f->Picture4);
        QCOMPARE(f->image_bouton(f->Picture8), 1);
        QCOMPARE(f->image_bouton(f->Picture9), 3);
        QCOMPARE(f->image_bouton(f->Picture10), 5);
        QCOMPARE(f->image_bouton(f->Picture13), 2);
    }

    void question_pour_quitter() {
        Form1* f = demarrer_programme();
        f->Show();
        {
            MessagesScriptes boites;
            boites.attendre("Etes-vous sûr de vouloir quitter VANTAREL?", vb::vbCancel, vb::vbOKCancel, "Avertissement");
            f->close();  // the close box asks the same question
            QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
            QCOMPARE(reponse_message, std::int16_t(vb::vbCancel));
            QVERIFY(f->vivante() && !f->isHidden() && !application_terminee());
        }
        {
            MessagesScriptes boites;
            boites.attendre("Etes-vous sûr de vouloir quitter VANTAREL?", vb::vbOK, vb::vbOKCancel, "Avertissement");
            f->mnuquitter->trigger();
            QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
            QCOMPARE(reponse_message, std::int16_t(vb::vbOK));
            QVERIFY(application_terminee());
            // Once the program ends, no window asks its own question any more.
            QVERIFY(Fenetre::fin_du_programme());
        }
    }

    void aide_par_f1_et_par_le_menu() {
        Form1* f = demarrer_programme();
        f->Show();
        QTest::keyClick(f->client(), Qt::Key_F1);
        QCOMPARE(aide::sujet_affiche(), 2);
        aide::fermer();
        QCOMPARE(aide::sujet_affiche(), 0);
        f->mnuaide->trigger();
        QCoreApplication::processEvents();
        QCOMPARE(aide::sujet_affiche(), 2);
        QVERIFY(aide::fenetre_aide()->isVisible());
    }

    void boite_a_propos() {
        Form1* f = demarrer_programme();
        f->mnuapropos->trigger();
        Apropos* a = Fenetre::si_chargee<Apropos>();
        QVERIFY(a && a->isVisible());
        QCOMPARE(a->windowTitle(), QString(" A propos"));
        QVERIFY(f->isEnabled());
        QCOMPARE(a->client()->size(), QSize(358, 236));
        f->mnuapropos->trigger();
        QCOMPARE(Fenetre::si_chargee<Apropos>(), a);  // a second opening brings the same window forward
        capture_pour_examen(a, "apropos");
        QTest::mouseClick(a->Command1, Qt::LeftButton);
        QVERIFY(Fenetre::si_chargee<Apropos>() == nullptr);
    }

    void regle_des_15_twips_a_12() {
        ecran::fixer_twips_par_pixel(12, 12);
        Form1* f = demarrer_programme();
        QCOMPARE(nombre_adaptations(), 1);
        QCOMPARE(f->largeur_twips(), 5076.0);
        QCOMPARE(f->client()->size(), QSize(423, 259));  // the designed pixels are kept
        QCOMPARE(float(twips_de(f->Label1).x()), 456.0f);
        QCOMPARE(f->Label1->x(), 38);
        QCOMPARE(float(f->Label1->font().pointSizeF()), 9.6f);  // 12 pt keeps its face
        QCOMPARE(f->Label1->font().family(), QString("Arial"));
        QCOMPARE(float(f->Label2->font().pointSizeF()), 6.6f);  // Int(8.25 x 12 / 15) = 6: Arial
        QCOMPARE(f->Label2->font().family(), QString("Arial"));
        QCOMPARE(float(twips_de(f->Picture8).width()), 912.0f);  // controls inside a panel too
    }

    void regle_des_15_twips_a_20_et_sur_un_axe() {
        ecran::fixer_twips_par_pixel(20, 20);
        Form1* f = demarrer_programme();
        QCOMPARE(nombre_adaptations(), 1);
        QVERIFY(qAbs(f->Label2->font().pointSizeF() - 11.0) < 0.01);
        QCOMPARE(f->Label_patientez->font().family(), QGuiApplication::font().family());
        QCOMPARE(f->client()->size(), QSize(423, 259));

        reinitialiser_programme();
        ecran::fixer_twips_par_pixel(15, 12);
        f = demarrer_programme();
        QCOMPARE(nombre_adaptations(), 1);
        QCOMPARE(f->largeur_twips(), 6345.0);
        QCOMPARE(f->hauteur_twips(), 3108.0);
        QCOMPARE(twips_de(f->Label1).x(), 570.0);
        QCOMPARE(float(twips_de(f->Label1).y()), 612.0f);
        QCOMPARE(f->Label2->font().pointSizeF(), 8.25);  // fonts follow the horizontal factor only
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
