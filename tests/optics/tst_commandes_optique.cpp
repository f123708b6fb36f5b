// The commands of the optics sheet's pop-up menus on placed elements, rays, lines and ellipses,
// and the rotation-angle window acting on the sheet.
#include "frame/etat.h"
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

#include <QMenu>
#include <QtTest>

namespace {
fenetre_dessin_optique* f = nullptr;

void choisir(const char* item) { Fenetre::obtenir<fenetre_dessin_optique_menu>()->Click(QString::fromLatin1(item)); }
void viser(const char* type, int n) {
    type_selection = QString::fromLatin1(type);
    index_selection = std::int16_t(n);
}
BoitePicture* element(const char* type, int n) { return f->tableau(type)->element(n); }
void placer_sur_l_aire(BoitePicture* e, double x, double y, double l, double h) {
    e->setParent(f->cadre_optique);
    e->Left(x), e->Top(y), e->Width(l), e->Height(h);
    e->show();
}

// A palette element n at (x, y), 40 x 40, drawn at `angle` with `couleur` (its kind's default
// when 0); it stays selected.
BoitePicture* poser(const char* type, int n, double x, double y, float angle = 0, std::uint32_t couleur = 0) {
    viser(type, n);
    const TypeElement* t = type_element(type_selection);
    if (t->couleurs) (*t->couleurs)[n] = couleur ? couleur : t->couleur_defaut;
    BoitePicture* e = f->charger_element(type_selection, n);
    placer_sur_l_aire(e, x, y, 40, 40);
    if (t->angles) tourner_objet(angle);
    selectionner_objet(e);
    return e;
}

// A ray or line n in a 100 x 60 box at (x, y), from (m, m) to (100 - m, 60 - m), pressed as the
// sheet leaves it: pins shown, frame hidden.
BoitePicture* tracer(const char* type, int n, double x, double y) {
    const bool rayon = qstrcmp(type, "rayon") == 0;
    const float m = rayon ? marge_rayon : marge_trait;
    BoitePicture* e = f->tableau(type)->Load(n);
    placer_sur_l_aire(e, x, y, 100, 60);
    (rayon ? x1_rayon : x1_trait)[n] = m;
    (rayon ? y1_rayon : y1_trait)[n] = m;
    (rayon ? x2_rayon : x2_trait)[n] = 100 - m;
    (rayon ? y2_rayon : y2_trait)[n] = 60 - m;
    (rayon ? epaisseur_rayon : epaisseur_trait)[n] = 2;
    (rayon ? couleur_rayon : couleur_trait)[n] = rayon ? 0xFF : 0;
    (rayon ? dessin_rayon : dessin_trait)(*e, 2, rayon ? 0xFF : 0, m, m, 100 - m, 60 - m);
    rendre_transparent(e);
    viser(type, n);
    deselectionner();
    f->ergot1->show();
    f->ergot2->show();
    return e;
}

// What a fresh stroke of that pen shows in the same box.
QImage trace_frais(bool rayon, float largeur, std::uint32_t couleur) {
    BoitePicture b(nullptr);
    b.resize(100, 60);
    b.BackColor(0xFFFFFF);
    b.Cls();
    const float m = rayon ? marge_rayon : marge_trait;
    (rayon ? dessin_rayon : dessin_trait)(b, largeur, couleur, m, m, 100 - m, 60 - m);
    return b.Image();
}

// An ellipse n, 80 x 60 at (x, y), inscribed 5 pixels inside its box, with those attributes.
BoitePicture* ellipse(int n, double x, double y, std::int16_t largeur, std::uint32_t remplissage) {
    viser("cercle", n);
    BoitePicture* e = f->charger_element("cercle", n);
    placer_sur_l_aire(e, x, y, 80, 60);
    x1_cercle[n] = 5, y1_cercle[n] = 5, x2_cercle[n] = 75, y2_cercle[n] = 55;
    epaisseur_cercle[n] = largeur, style_cercle[n] = 0, couleur_cercle[n] = 0, remplissage_cercle[n] = remplissage;
    e->Cls();
    dessin_cercle(*e, 0, largeur, 0, remplissage, 5, 5, 75, 55);
    e->figer_image();
    rendre_transparent(e);
    return e;
}

bool encadre() { return f->Line1_optique->Visible() && !f->ergot->isHidden(); }
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
        // Width: the ray and the next ray, not the line's current width.
        choisir("mnu3pts");
        QVERIFY(epaisseur_rayon_courante == 3 && epaisseur_trait_courante == 2 && epaisseur_rayon.valeur(1) == 3);
        QCOMPARE(rayon->Image(), trace_frais(true, 3, 0xFF));
        // Black keeps the arrowhead, the box and the pins.
        choisir("mnurayonnoir");
        QCOMPARE(rayon->Image(), trace_frais(true, 3, 0));
        QVERIFY(rayon->geometry() == QRect(10, 10, 100, 60) && f->ergot1->isVisible() && f->ergot2->isVisible());
        // The white of rays stays: the stroke keeps its pixels, around it the sheet shows.
        choisir("mnurayonblanc");
        QVERIFY(rayon->mask().contains(QPoint(50, 30)) && !rayon->mask().contains(QPoint(90, 15)));
        QCOMPARE(rayon->Image().pixel(50, 30), qRgb(0xFF, 0xFF, 0xC0));
        // Red on the line: the line and the next line only.
        viser("trait", 1);
        choisir("mnurayonrouge");
        QVERIFY(couleur_trait_courante == 0xFF && couleur_rayon_courante == 0xC0FFFF && couleur_trait.valeur(1) == 0xFF);
        QCOMPARE(ligne->Image(), trace_frais(false, 2, 0xFF));
        // In front of everything but its pins, which stay grabbable on its ends.
        viser("rayon", 1);
        f->ergot1->move(17, 17);
        choisir("mnurayondessus");
        QCOMPARE(f->cadre_optique->childAt(20, 20), f->ergot1);
        choisir("mnurayondessous");
        QCOMPARE(f->cadre_optique->childAt(20, 20), f->ergot1);
        // Delete: pins hidden, the box off to the left, its Top and tables kept.
        choisir("mnueffacerrayon");
        QVERIFY(rayon->Left() == -3000 && rayon->Top() == 10 && f->ergot1->isHidden() && f->ergot2->isHidden());
        QVERIFY(x2_rayon.valeur(1) == 90 && couleur_rayon.valeur(1) == 0xC0FFFF && type_selection == "rayon");
        // Another kind, or a stroke never drawn: nothing at all.
        for (const char* type : {"cercle", "rayon"}) {
            viser(type, qstrcmp(type, "rayon") ? 1 : 9);
            choisir("mnu1pt");
            choisir("mnurayonvert");
            QVERIFY(epaisseur_rayon_courante == 3 && couleur_rayon_courante == 0xC0FFFF);
        }
    }

    void ellipses() {
        BoitePicture* e = ellipse(1, 100, 100, 1, 0xFFFFFF);
        BoitePicture* frais = ellipse(2, 300, 100, 1, 0xFFFFFF);
        // Each redraw starts from an empty box: 4 then 1 is a fresh 1-pixel ellipse.
        viser("lampe", 1);  // no kind test: the ellipse of that index
        choisir("mnucercle4pt");
        QVERIFY(epaisseur_cercle.valeur(1) == 4 && epaisseur_cercle_courante == 4 && encadre());
        f->cadre_optique_Click();
        choisir("mnucercle1pt");
        QCOMPARE(e->Image(), frais->Image());
        QVERIFY(encadre() && f->ergot->Left() == e->Left() + 80 - 2.5);
        // See-through, then a black inside that hides what is under.
        QVERIFY(!e->mask().contains(QPoint(40, 30)));
        choisir("mnuremplissnoir");
        QVERIFY(e->mask().contains(QPoint(40, 30)) && remplissage_cercle_courant == 0);
        choisir("mnuremplisstransparent");
        QVERIFY(!e->mask().contains(QPoint(40, 30)));
        choisir("mnucerclecouleurtraitrouge");
        QVERIFY(couleur_cercle_courante == 0xFF && remplissage_cercle_courant == 0xFFFFFF);
        choisir("mnucercleeffacer");
        QVERIFY(e->Left() == -3000 && e->Top() == 100 && !encadre() && couleur_cercle.valeur(1) == 0xFF);
    }

    void couleurs_des_elements() {
        // A turned screen recoloured keeps its angle and looks as a fresh red one at that angle.
        BoitePicture* ecran = poser("ecran", 1, 100, 100, 30);
        choisir("mnuecranrouge");
        QVERIFY(angle_ecran.valeur(1) == 30 && couleur_ecran.valeur(1) == 0xFF);
        QCOMPARE(ecran->Image(), poser("ecran", 2, 200, 100, 30, 0xFF)->Image());
        // One housing at 45 degrees with a blue bulb.
        BoitePicture* lampe = poser("lampe", 1, 100, 200, 45);
        choisir("mnulampebleu");
        QCOMPARE(lampe->Image(), poser("lampe", 2, 200, 200, 45, 0xFF0000)->Image());
        ellipse(1, 100, 300, 3, 0xFF00);
        viser("ecran", 1);
        choisir("mnux2cadre");
        capture_pour_examen(f, "commandes_optique");
        choisir("mnu2cadre");
        // A white face stays opaque until the screen's next redraw cuts its white out.
        viser("ecran", 1);
        const QImage avant = ecran->Image();
        choisir("mnuecranblanc");
        QPoint face(-1, -1);
        for (int y = 0; y < 40 && face.x() < 0; ++y)
            for (int x = 0; x < 40 && face.x() < 0; ++x)
                if (avant.pixel(x, y) == qRgb(0xFF, 0, 0) && ecran->Image().pixel(x, y) == qRgb(0xFF, 0xFF, 0xFF))
                    face = QPoint(x, y);
        QVERIFY(face.x() >= 0 && ecran->mask().contains(face));
        float rien = 0;
        tourner_objet(rien);
        QVERIFY(!ecran->mask().contains(face));
        // The screen menu on a kind it does not serve changes nothing.
        viser("lampe", 1);
        choisir("mnuecranvert");
        QVERIFY(couleur_ecran.valeur(1) == 0xFFFFFF && couleur_lampe.valeur(1) == 0xFF0000);
    }

    void taille_rotation_plans_effacement() {
        BoitePicture* dessous = poser("lampe", 1, 100, 100);
        BoitePicture* dessus = poser("lampe", 2, 100, 100);
        // A right press on the lamp opens its menu; " +90°" then " -90°" give back 0.
        installer_crochet_menu_contextuel(
            [](QMenu*) { return Fenetre::obtenir<fenetre_dessin_optique_menu>()->item("mnurotdroite"); });
        souris::appuyer(dessus, QPoint(20, 20), Qt::RightButton);
        QVERIFY(angle_lampe.valeur(2) == 90 && index_selection == 2);
        choisir("mnurotgauche");
        QCOMPARE(angle_lampe.valeur(2), 0.0f);
        choisir("mnux2");
        QCOMPARE(dessus->geometry(), QRect(80, 80, 80, 80));
        choisir("mnu2");
        // Behind, then in front again; the handle stays reachable.
        choisir("mnulampedessous");
        QCOMPARE(f->cadre_optique->childAt(120, 120), dessous);
        choisir("mnulampedessus");
        QCOMPARE(f->cadre_optique->childAt(120, 120), dessus);
        // Multi-kind items on a lamp: layering does nothing, delete only takes the frame away.
        choisir("mnuecrandessous");
        choisir("mnuSTLdessous");
        QCOMPARE(f->cadre_optique->childAt(120, 120), dessus);
        choisir("mnueffacerecran");
        QVERIFY(!encadre() && dessus->Left() == 100);
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
        BoitePicture* modele = element("lampe", 0);
        const QImage image_modele = modele->Image();
        const QPoint place_modele = modele->pos();
        poser("ecran", 1, 100, 100);
        // The palette item, then an index never loaded: nothing changes, the frame stays.
        for (int n : {0, 5}) {
            viser("lampe", n);
            for (const char* item : {"mnulamperouge", "mnueffacerlampe", "mnulampedessus", "mnux2", "mnurot45"}) choisir(item);
            viser("cercle", n);
            choisir("mnucercle3pt");
            viser("ecran_coupe", n);
            choisir("mnucouleurecrancoupevert");
        }
        QVERIFY(couleur_lampe.valeur(0) == 0xFFFF && modele->Image() == image_modele && modele->pos() == place_modele);
        QVERIFY(epaisseur_cercle_courante == 1 && couleur_ecran_coupe.valeur(0) == 0xFF && encadre());
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
        for (const char* item : {"mnurotautreecran_cube_filtre", "mnux2cadre", "mnurotgaucheecran", "mnuecranrouge",
                                 "mnueffacerecran", "mnuecrandessus"})
            choisir(item);
        QVERIFY(!Fenetre::si_chargee<fenetre_dessin_optique>() && !Fenetre::si_chargee<angle_rotation>());
        QVERIFY(angle_ecran.valeur(1) == 0 && couleur_ecran.valeur(1) == 0xFF00FF && boites.en_ordre());
    }
};

QTEST_MAIN(TestCommandesOptique)
#include "tst_commandes_optique.moc"
