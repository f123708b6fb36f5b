// What the activity windows share, on a window of its own: the tool bar inside the captured
// area, the BMP save with its hook, slides nested in slides, a window closed during a slide,
// the opener rows of the main window, and the mouse helpers the drawing windows will use.
#include "frame/etat.h"
#include "frame/fenetre_activite.h"
#include "frame/form1.h"
#include "frame/registre_activites.h"
#include "frame/result_eval.h"
#include "platform/dialogues.h"
#include "platform/messages.h"
#include "tests/support/fixture.h"
#include "tests/support/pilote.h"
#include "tests/support/souris.h"

#include <QAction>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
// A window with two tabs, its tool bar two buttons a row inside the client area at (0, 40),
// a lower-case identification key and a height margin of 70.
class FenetreEssai : public FenetreActivite {
public:
    int identifications = 0;
    QList<QSize> captures;  // the buffer's size at each hook call
    QStringList dialogues_ouverts_apres;

    FenetreEssai() : FenetreActivite(10320, 7740) {
        couleur_de_fond(0x80FFFF);
        definir_question_quitter(QStringLiteral("Voulez-vous vraiment quitter le module essai?"));
        definir_cle_identification(QStringLiteral("identification"));
        definir_marge_hauteur(70);
        Savoir = new BoitePicture(client());
        placer(Savoir, 900, 615, 9405, 7110);
        couleur_fond(Savoir, 0xFFFFFF);
        creer_banniere({QRectF(0, 0, 12015, 615), QStringLiteral(":/assets/qcm/banniere.svg"), QSize(801, 41),
                        QRectF(195, 150, 1500, 300), QStringLiteral("Essai"), QRectF(4140, 90, 5610, 375)});
        const BandeauIdentite b = creer_bandeau_identite(Savoir, 75, -45, 9255, 30, 7635);
        Nom = b.nom;
        Prenom = b.prenom;
        Classe = b.classe;
        Temps = b.date;
        const ListeImages onglet = ListeImages::depuis_dossier("qcm/onglet_elec", 2, QSize(64, 160));
        ajouter_onglet({QRectF(-15, 1470, 915, 2340), QRectF(885, 1470, 2760, 2340), 0xC0FFC0,
                        QStringLiteral(":/assets/qcm/bande_elec.svg"), onglet, QStringLiteral("a"), 184, 16, 0x8000});
        ajouter_onglet({QRectF(0, 3900, 900, 1875), QRectF(885, 3900, 3600, 1875), 0xC0E0FF,
                        QStringLiteral(":/assets/qcm/bande_optique.svg"), onglet, QStringLiteral("b"), 240, 0, 0x40C0});
        creer_barre(2, QSize(28, 27), QSize(21, 21));
        for (const char* cle : {"Enregistrer_sous", "Imprimer", "Quitter", "identification"})
            ajouter_bouton_barre(cle, cle, image_integree(":/assets/qcm/barre/1.svg", QSize(21, 21)));
        placer_barre(0, 600, 900, 810);
    }

protected:
    void montrer_identification() override { ++identifications; }
    void capture_prise(BoitePicture* tampon) override { captures.append(tampon->Image().size()); }
};

QList<int> largeurs;  // the widths a panel went through

class Temoin : public QObject {
public:
    std::function<void(int)> a_chaque_largeur;
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Resize) {
            const int w = static_cast<QWidget*>(o)->width();
            largeurs.append(w);
            if (a_chaque_largeur) a_chaque_largeur(w);
        }
        return false;
    }
};

FenetreEssai* essai_montree() {
    auto* f = Fenetre::obtenir<FenetreEssai>();
    f->Show();
    QCoreApplication::processEvents();
    return f;
}
}

class TestFenetreActivite : public QObject {
    Q_OBJECT
private slots:
    void init() {
        reinitialiser_programme();
        largeurs.clear();
    }

    void la_barre_dans_la_zone_capturee_et_ses_cles() {
        FenetreEssai* f = essai_montree();
        // Inside the client area at (0, 40), two buttons a row.
        QCOMPARE(f->Toolbar1->parentWidget(), f->client());
        QCOMPARE(f->Toolbar1->pos(), QPoint(0, 40));
        QList<QWidget*> boutons = f->Toolbar1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QCOMPARE(boutons.size(), 4);
        QCOMPARE(boutons[1]->geometry(), QRect(28, 0, 28, 27));
        QCOMPARE(boutons[2]->geometry(), QRect(0, 27, 28, 27));
        capture_pour_examen(f, "activite_barre_dans_la_fenetre");
        // The keys route exactly: "Identification" is not this window's key.
        f->Toolbar1_ButtonClick("Identification");
        QVERIFY(f->isEnabled());
        f->Toolbar1->actions().at(3)->trigger();
        QCOMPARE(f->identifications, 1);
        QVERIFY(!f->isEnabled());
    }

    void la_sauvegarde_bmp_passe_la_capture_avant_le_dialogue() {
        FenetreEssai* f = essai_montree();
        EnregistrerSousScripte dialogue;
        dialogue.repondre(QString());  // cancelled
        f->Toolbar1_ButtonClick("Enregistrer_sous");
        // The hook has the capture even though nothing is written: Savoir + 60 by + 70.
        QCOMPARE(f->captures, QList<QSize>({QSize(f->Savoir->width() + 60, f->Savoir->height() + 70)}));
        QCOMPARE(dialogue.appels, 1);
        QVERIFY(f->Picture7->hasFocus() || !f->isActiveWindow());
        // The tool bar lies in the captured area: its first button's pixels are in the copy.
        const QImage copie = f->copie_savoir->Image();
        QCOMPARE(copie.pixel(5, 45), f->client()->grab().toImage().pixel(5, 45));
        QTemporaryDir dossier;
        dialogue.repondre(dossier.filePath("feuille.bmp"));
        f->Toolbar1_ButtonClick("Enregistrer_sous");
        QCOMPARE(f->captures.size(), 2);
        QCOMPARE(QImage(dossier.filePath("feuille.bmp")).size(), f->captures.last());
    }

    void un_glissement_dans_un_glissement() {
        FenetreEssai* f = essai_montree();
        Temoin t;
        bool clique = false;
        // At 32 pixels of the opening, a second click on the tab arrives during the next pause.
        t.a_chaque_largeur = [&](int w) {
            if (w == 32 && !clique) {
                clique = true;
                QTimer::singleShot(0, f, [f] { cliquer(f->bouton_onglet(0), QPoint(5, 5)); });
            }
        };
        f->panneau(0)->installEventFilter(&t);
        QVERIFY(f->basculer_panneau(0));
        // The nested click found the panel open (32 > 20) and shut it from 184; the first slide
        // then went on from 40 to its own end, and its picture is the one left.
        QList<int> attendu = {16, 24, 32};
        for (int w = 184; w >= 0; w -= 8) attendu << w;
        for (int w = 40; w <= 184; w += 8) attendu << w;
        QCOMPARE(largeurs, attendu);
        QCOMPARE(f->image_onglet(f->bouton_onglet(0)), 2);
        // The second panel opens from 0 and shuts from its open width, 31 steps each way.
        largeurs.clear();
        f->panneau(1)->installEventFilter(&t);
        QVERIFY(f->basculer_panneau(1));
        QVERIFY(f->fermer_panneau(1));
        QCOMPARE(largeurs.size(), 60);  // each slide's first step leaves the width as it was
        QCOMPARE(f->panneau(1)->width(), 0);
    }

    void une_fenetre_fermee_pendant_un_glissement() {
        FenetreEssai* f = essai_montree();
        QPointer<FenetreEssai> garde(f);
        MessagesScriptes boites;
        boites.attendre("Voulez-vous vraiment quitter le module essai?", vb::vbYes, vb::vbYesNo, titre_application);
        QTimer::singleShot(0, f, [f] { f->Toolbar1_ButtonClick("Quitter"); });
        QVERIFY(!f->basculer_panneau(0));  // stopped at the pause after the unload
        QVERIFY2(boites.en_ordre(), qPrintable(boites.bilan()));
        QVERIFY(!Fenetre::si_chargee<FenetreEssai>());
        QVERIFY(Fenetre::si_chargee<Form1>()->isVisible());
    }

    void les_lignes_de_la_fenetre_principale() {
        // A subject row that hides the results window, and a row with no tab and no pause.
        auto essai = [] { return static_cast<FenetreActivite*>(Fenetre::obtenir<FenetreEssai>()); };
        enregistrer_ouvreur({"Picture14", essai, 2, 98, true, OuvreurActivite::Resultats::cacher});
        enregistrer_ouvreur({"Picture12", essai, 0, 0, false, OuvreurActivite::Resultats::decharger});
        Form1* f = demarrer_programme();
        f->Show();
        survoler(f->Picture14);
        cliquer(f->Picture14);
        FenetreEssai* e = Fenetre::si_chargee<FenetreEssai>();
        QVERIFY(e && e->isVisible() && f->isHidden());
        QVERIFY(e->bouton_onglet(0)->isHidden() && !e->bouton_onglet(1)->isHidden());
        QCOMPARE(e->bouton_onglet(1)->y(), 98);
        QCOMPARE(e->panneau(1)->y(), 98);
        QVERIFY(Fenetre::si_chargee<Result_eval>() && Fenetre::si_chargee<Result_eval>()->isHidden());
        QCOMPARE(f->image_bouton(f->Picture14), 3);
        QVERIFY(f->Label_patientez->isHidden());

        f->Show();
        e->bouton_onglet(0)->show();
        survoler(f->Picture12);
        cliquer(f->Picture12);
        QVERIFY(!Fenetre::si_chargee<Result_eval>());
        QVERIFY(!e->bouton_onglet(0)->isHidden());  // no tab touched
        QCOMPARE(f->image_bouton(f->Picture12), 3);
        // A button no activity took does nothing.
        vider_registre_activites();
        f->Show();
        cliquer(f->Picture13);
        QVERIFY(f->isVisible());
    }

    void la_souris_sur_la_fenetre() {
        FenetreEssai* f = essai_montree();
        // A press on a tab, moves with the button held out of it, a release elsewhere: the tab
        // keeps the moves and the release (its grab).
        QList<Qt::MouseButtons> boutons;
        connect(f->bouton_onglet(0), &BoitePicture::mouvement, f,
                [&](Qt::MouseButtons b, int, int) { boutons.append(b); });
        glisser_souris(f->bouton_onglet(0), QPoint(5, 5), {QPoint(30, 5), QPoint(200, 60)}, QPoint(300, 80));
        // The pointer first arrives over the tab, then moves with the button held.
        QCOMPARE(boutons, QList<Qt::MouseButtons>({Qt::NoButton, Qt::LeftButton, Qt::LeftButton, Qt::LeftButton}));
        QCOMPARE(f->panneau(0)->width(), 0);  // released outside: no click
        // A double click opens the panel once: its second press is no click.
        souris::double_clic(f->bouton_onglet(0), QPoint(5, 5));
        QTRY_COMPARE(f->panneau(0)->width(), 184);
        souris::appuyer(f->bouton_onglet(0), QPoint(5, 5));
        souris::relacher(f->bouton_onglet(0), QPoint(5, 5));
        QTRY_COMPARE(f->panneau(0)->width(), 0);
    }
};

QTEST_MAIN(TestFenetreActivite)
#include "tst_fenetre_activite.moc"
