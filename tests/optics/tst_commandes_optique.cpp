// The commands of the optics sheet's pop-up menus on placed elements, rays, lines and ellipses,
// and the rotation-angle window acting on the sheet.
#include "optics/drawing/traces.h"
#include "optics/editing/selection.h"
#include "optics/editing/transformation.h"
#include "optics/menus/angle_rotation.h"
#include "optics/menus/fenetre_dessin_optique_menu.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/menu_contextuel.h"
#include "platform/messages.h"
#include "platform/transparence.h"
#include "tests/support/fixture.h"
#include "tests/support/pilote.h"
#include "tests/support/souris.h"

#include <QtTest>

namespace {
fenetre_dessin_optique* f = nullptr;

void choisir(const char* item) { Fenetre::obtenir<fenetre_dessin_optique_menu>()->Click(QString::fromLatin1(item)); }
void viser(const char* type, int n) {
    type_selection = QString::fromLatin1(type);
    index_selection = std::int16_t(n);
}
BoitePicture* sur_l_aire(BoitePicture* e, double x, double y, double l, double h) {
    e->setParent(f->cadre_optique);
    e->Left(x), e->Top(y), e->Width(l), e->Height(h);
    e->show();
    return e;
}
bool encadre() { return f->Line1_optique->Visible() && !f->ergot->isHidden(); }

// A palette element n, 40 x 40 at (x, y), drawn at `angle` in `couleur` (0: its kind's default).
BoitePicture* poser(const char* type, int n, double x, double y, float angle = 0, std::uint32_t couleur = 0) {
    viser(type, n);
    const TypeElement* t = type_element(type_selection);
    if (t->couleurs) (*t->couleurs)[n] = couleur ? couleur : t->couleur_defaut;
    BoitePicture* e = sur_l_aire(f->charger_element(type_selection, n), x, y, 40, 40);
    if (t->angles) tourner_objet(angle);
    selectionner_objet(e);
    return e;
}

// A stroke in a 100 x 60 box from (m, m) to (100 - m, 60 - m), as a fresh drawing shows it.
QImage trace_frais(bool rayon, float largeur, std::uint32_t couleur) {
    BoitePicture b(nullptr);
    b.resize(100, 60);
    b.BackColor(0xFFFFFF);
    b.Cls();
    const float m = rayon ? marge_rayon : marge_trait;
    (rayon ? dessin_rayon : dessin_trait)(b, largeur, couleur, m, m, 100 - m, 60 - m);
    return b.Image();
}

// Ray or line n so drawn in black, 2 pixels, at (x, y), pressed: pins shown, no frame.
BoitePicture* tracer(const char* type, int n, double x, double y) {
    const bool rayon = qstrcmp(type, "rayon") == 0;
    const float m = rayon ? marge_rayon : marge_trait;
    (rayon ? x1_rayon : x1_trait)[n] = m, (rayon ? y1_rayon : y1_trait)[n] = m;
    (rayon ? x2_rayon : x2_trait)[n] = 100 - m, (rayon ? y2_rayon : y2_trait)[n] = 60 - m;
    (rayon ? epaisseur_rayon : epaisseur_trait)[n] = 2, (rayon ? couleur_rayon : couleur_trait)[n] = 0;
    BoitePicture* e = sur_l_aire(f->tableau(type)->Load(n), x, y, 100, 60);
    e->Image() = trace_frais(rayon, 2, 0);
    rendre_transparent(e);
    viser(type, n);
    f->ergot1->show(), f->ergot2->show();
    return e;
}

// Ellipse n, 80 x 60 at (x, y), its rectangle 5 pixels inside its box, not drawn yet.
BoitePicture* ellipse(int n, double x, double y) {
    x1_cercle[n] = 5, y1_cercle[n] = 5, x2_cercle[n] = 75, y2_cercle[n] = 55;
    remplissage_cercle[n] = 0xFFFFFF;
    return sur_l_aire(f->charger_element("cercle", n), x, y, 80, 60);
}
}

class TestCommandesOptique : public QObject {
    Q_OBJECT
private slots:
    void init() {
        reinitialiser_programme();
        f = Fenetre::obtenir<fenetre_dessin_optique>();
        f->Show();
        f->cadre_dessin_optique->show();
    }
    void cleanup() { installer_crochet_menu_contextuel({}); }

    void rayons_et_traits() {
        BoitePicture* ligne = tracer("trait", 1, 200, 200);
        BoitePicture* rayon = tracer("rayon", 1, 10, 10);
        // The ray and the next ray take the width, not the lines; black keeps arrowhead and pins.
        choisir("mnu3pts");
        choisir("mnurayonnoir");
        QVERIFY(epaisseur_rayon_courante == 3 && epaisseur_trait_courante == 2 && epaisseur_rayon.valeur(1) == 3);
        QCOMPARE(rayon->Image(), trace_frais(true, 3, 0));
        QVERIFY(rayon->geometry() == QRect(10, 10, 100, 60) && f->ergot1->isVisible() && f->ergot2->isVisible());
        // The white of rays is no hole; around the stroke the sheet shows.
        choisir("mnurayonblanc");
        QVERIFY(rayon->mask().contains(QPoint(50, 30)) && !rayon->mask().contains(QPoint(90, 15)));
        QCOMPARE(rayon->Image().pixel(50, 30), qRgb(0xFF, 0xFF, 0xC0));
        viser("trait", 1);
        choisir("mnurayonrouge");
        QVERIFY(couleur_trait_courante == 0xFF && couleur_rayon_courante == 0xC0FFFF);
        QCOMPARE(ligne->Image(), trace_frais(false, 2, 0xFF));
        // In front of every element but not of its pins, which stay grabbable on its ends.
        viser("rayon", 1);
        f->ergot1->move(17, 17);
        choisir("mnurayondessus");
        QCOMPARE(f->cadre_optique->childAt(20, 20), f->ergot1);
        choisir("mnueffacerrayon");
        QVERIFY(rayon->Left() == -3000 && rayon->Top() == 10 && f->ergot1->isHidden() && f->ergot2->isHidden());
        QVERIFY(x2_rayon.valeur(1) == 90 && couleur_rayon.valeur(1) == 0xC0FFFF && type_selection == "rayon");
        // Another kind, or a stroke never drawn: nothing at all.
        for (int n : {1, 9}) {
            viser(n == 1 ? "cercle" : "rayon", n);
            choisir("mnu1pt");
            QCOMPARE(epaisseur_rayon_courante, 3);
        }
    }

    void ellipses() {
        BoitePicture* e = ellipse(1, 100, 100);
        BoitePicture* frais = ellipse(2, 300, 100);
        viser("cercle", 2);
        choisir("mnucercle1pt");
        // Whatever the kind selected; each redraw starts from an empty box and frames it again.
        viser("lampe", 1);
        choisir("mnucercle4pt");
        f->cadre_optique_Click();
        choisir("mnucercle1pt");
        QCOMPARE(e->Image(), frais->Image());
        QVERIFY(encadre() && f->ergot->Left() == 177.5 && epaisseur_cercle_courante == 1);
        // A black inside hides what is under, the see-through one shows it again.
        choisir("mnuremplissnoir");
        QVERIFY(e->mask().contains(QPoint(40, 30)) && remplissage_cercle_courant == 0);
        choisir("mnuremplisstransparent");
        QVERIFY(!e->mask().contains(QPoint(40, 30)));
        choisir("mnucercleeffacer");
        QVERIFY(e->Left() == -3000 && e->Top() == 100 && !encadre());
    }

    void une_ellipse_lachee_hors_de_l_aire_emporte_le_cadre_et_la_poignee() {
        poser("lampe", 1, 50, 50);
        f->bouton_optique(3)->trigger();
        souris::appuyer(f->cadre_optique, QPoint(200, 100));
        souris::deplacer(f->cadre_optique, QPoint(300, 200));
        souris::relacher(f->cadre_optique, QPoint(f->cadre_optique->width() + 40, 200));
        QVERIFY(!f->tableau("cercle")->element(1)->isHidden());
        QVERIFY(!f->Line1_optique->Visible() && f->ergot->isHidden());
    }

    void couleurs_des_elements() {
        // Recoloured at their angle, as fresh elements of that colour at that angle.
        BoitePicture* ecran = poser("ecran", 1, 100, 100, 30);
        choisir("mnuecranrouge");
        QVERIFY(angle_ecran.valeur(1) == 30 && couleur_ecran.valeur(1) == 0xFF);
        QCOMPARE(ecran->Image(), poser("ecran", 2, 200, 100, 30, 0xFF)->Image());
        BoitePicture* lampe = poser("lampe", 1, 100, 200, 45);
        choisir("mnulampebleu");
        QCOMPARE(lampe->Image(), poser("lampe", 2, 200, 200, 45, 0xFF0000)->Image());
        capture_pour_examen(f, "commandes_optique");
        // A white face stays opaque until the screen's next redraw cuts its white out.
        viser("ecran", 1);
        choisir("mnuecranblanc");
        QVERIFY(ecran->Image().pixel(20, 20) == qRgb(0xFF, 0xFF, 0xFF) && ecran->mask().contains(QPoint(20, 20)));
        float rien = 0;
        tourner_objet(rien);
        QVERIFY(!ecran->mask().contains(QPoint(20, 20)));
    }

    void taille_rotation_plans_effacement() {
        BoitePicture* dessous = poser("lampe", 1, 100, 100);
        BoitePicture* dessus = poser("lampe", 2, 100, 100);
        installer_crochet_menu_contextuel(
            [](QMenu*) { return Fenetre::obtenir<fenetre_dessin_optique_menu>()->item("mnurotdroite"); });
        souris::appuyer(dessus, QPoint(20, 20), Qt::RightButton);
        choisir("mnurotgauche");
        QVERIFY(angle_lampe.valeur(2) == 0 && index_selection == 2);
        choisir("mnux2");
        QCOMPARE(dessus->geometry(), QRect(80, 80, 80, 80));
        choisir("mnu2");
        choisir("mnulampedessous");
        QCOMPARE(f->cadre_optique->childAt(120, 120), dessous);
        choisir("mnulampedessus");
        // Multi-kind items on a lamp: layering does nothing, delete only takes the frame away.
        choisir("mnuecrandessous");
        choisir("mnueffacerecran");
        QVERIFY(f->cadre_optique->childAt(120, 120) == dessus && !encadre() && dessus->Left() == 100);
        // " Autre..." twice: one window, whose "OK" turns the selection of that moment.
        choisir("mnurotautrelampe");
        angle_rotation* d = Fenetre::si_chargee<angle_rotation>();
        taper(d->Text_angle_rotation, "45°");
        choisir("mnurotautreecrancoupe");
        QVERIFY(Fenetre::si_chargee<angle_rotation>() == d && d->isVisible());
        d->Command1_Click();
        QCOMPARE(angle_lampe.valeur(2), 45.0f);
        selectionner_objet(dessus);
        choisir("mnueffacerlampe");
        QVERIFY(dessus->Left() == -3000 && dessus->Top() == 100 && !encadre());
    }

    void ni_modele_ni_element_absent_ni_feuille_fermee() {
        BoitePicture* modele = f->tableau("lampe")->element(0);
        const QPoint place_modele = modele->pos();
        poser("ecran", 1, 100, 100);
        // The palette item, then an index never loaded: nothing changes, the frame stays.
        for (int n : {0, 5}) {
            viser("lampe", n);
            for (const char* item : {"mnulamperouge", "mnueffacerlampe", "mnulampedessus", "mnux2", "mnurot45"}) choisir(item);
            viser("cercle", n);
            choisir("mnucercle3pt");
        }
        QVERIFY(couleur_lampe.valeur(0) == 0xFFFF && modele->pos() == place_modele && epaisseur_cercle_courante == 1);
        QVERIFY(angle_lampe.valeur(0) == 0 && encadre());
        // The angle window goes with the sheet; until it has gone its "OK" turns nothing, and no
        // command brings a closed sheet back.
        MessagesScriptes boites;
        for (int fois = 0; fois < 2; ++fois) {
            boites.attendre(QStringLiteral("Voulez-vous vraiment quitter le module schématisation?"), vb::vbYes);
            init();
            poser("ecran", 1, 100, 100);
            choisir("mnurotautreecran_cube_filtre");
            f->Unload();
            if (fois == 0) Fenetre::si_chargee<angle_rotation>()->Command1_Click();
            QVERIFY(!Fenetre::si_chargee<fenetre_dessin_optique>() && angle_ecran.valeur(1) == 0);
            QTRY_VERIFY(!Fenetre::si_chargee<angle_rotation>());
        }
        for (const char* item : {"mnurotautreecran_cube_filtre", "mnux2cadre", "mnuecranrouge", "mnueffacerecran"})
            choisir(item);
        QVERIFY(!Fenetre::si_chargee<fenetre_dessin_optique>() && !Fenetre::si_chargee<angle_rotation>());
        QVERIFY(couleur_ecran.valeur(1) == 0xFF00FF && boites.en_ordre());
    }

    void l_angle_tape_apres_un_trace() {
        // Lamp 2 framed and its angle window open; the first ray begun since names lamp 1.
        poser("lampe", 1, 40, 40);
        BoitePicture* lampe2 = poser("lampe", 2, 140, 40);
        choisir("mnurotautrelampe");
        f->bouton_optique(1)->trigger();
        souris::appuyer(f->cadre_optique, QPoint(50, 250));
        souris::relacher(f->cadre_optique, QPoint(150, 300));
        Fenetre::obtenir<angle_rotation>()->Command1_Click();
        QVERIFY(angle_lampe.valeur(1) == 0 && angle_lampe.valeur(2) == 0);
        viser("lampe", 2);
        selectionner_objet(lampe2);
        choisir("mnurotautrelampe");
        Fenetre::obtenir<angle_rotation>()->Command1_Click();
        QVERIFY(angle_lampe.valeur(1) == 0 && angle_lampe.valeur(2) == 90);
    }
};

QTEST_MAIN(TestCommandesOptique)
#include "tst_commandes_optique.moc"
