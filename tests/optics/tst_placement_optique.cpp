// Placing elements on the optics sheet as a pupil does it with the mouse (create, select, move,
// open the menu, resize by the handle), and the turn and resize routines the menus call.
#include "circuit/etat_circuit.h"
#include "optics/editing/effacement.h"
#include "optics/editing/selection.h"
#include "optics/editing/transformation.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/dessin.h"
#include "platform/menu_contextuel.h"
#include "tests/support/fixture.h"
#include "tests/support/pilote.h"
#include "tests/support/souris.h"

#include <QMenu>
#include <QtTest>

namespace {
fenetre_dessin_optique* feuille() {
    auto* f = Fenetre::obtenir<fenetre_dessin_optique>();
    f->Show();
    f->cadre_dessin_optique->show();
    QCoreApplication::processEvents();
    return f;
}

BoitePicture* modele(fenetre_dessin_optique* f, const char* type) { return f->tableau(type)->element(0); }

// A palette item dragged by the mouse from (20, 20) of the item to a point of the area.
void deposer(fenetre_dessin_optique* f, const char* type, QPoint sur_l_aire) {
    souris::appuyer(modele(f, type), QPoint(20, 20));
    souris::deplacer(f->cadre_optique, sur_l_aire);
    souris::relacher(f->cadre_optique, sur_l_aire);
}

// Element n of a kind on the area, selected, as a creation leaves it.
BoitePicture* place(fenetre_dessin_optique* f, const char* type, int n, double gauche, double haut,
                    double cote = 40) {
    type_selection = QString::fromLatin1(type);
    index_selection = std::int16_t(n);
    const TypeElement* t = type_element(type_selection);
    if (t->couleurs) (*t->couleurs)[n] = t->couleur_defaut;
    BoitePicture* e = f->charger_element(type_selection, n);
    e->setParent(f->cadre_optique);
    e->Left(gauche);
    e->Top(haut);
    e->Width(cote);
    e->Height(cote);
    e->show();
    float rien = 0;
    if (t->angles) tourner_objet(rien);
    selectionner_objet(e);
    return e;
}

QRectF geometrie(const BoitePicture* e) { return {e->Left(), e->Top(), e->Width(), e->Height()}; }
bool encadre(fenetre_dessin_optique* f) { return f->Line1_optique->Visible() && f->ergot->isVisible(); }
// The handle sits centred on the element's top-right corner.
bool poignee_sur(fenetre_dessin_optique* f, const BoitePicture* e) {
    return f->ergot->Left() == e->Left() + e->ScaleWidth() - 2.5 && f->ergot->Top() == e->Top() - 2.5;
}
}

class TestPlacementOptique : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }
    void cleanup() {
        installer_crochet_menu_contextuel({});
        reinitialiser_programme();
    }

    void une_lampe_posee_depuis_la_palette() {
        fenetre_dessin_optique* f = feuille();
        deposer(f, "lampe", QPoint(130, 90));
        BoitePicture* lampe = f->tableau("lampe")->element(1);
        QVERIFY(lampe && lampe->parentWidget() == f->cadre_optique && lampe->isVisible());
        QCOMPARE(geometrie(lampe), QRectF(110, 70, 40, 40));
        QCOMPARE(couleur_lampe.valeur(1), 0xFFFFu);
        QCOMPARE(angle_lampe.valeur(1), 0.0f);
        QCOMPARE(nb_lampe, 1);
        QCOMPARE(index_selection, 1);
        QCOMPARE(type_selection, QStringLiteral("lampe"));
        QVERIFY(encadre(f) && poignee_sur(f, lampe));
        // The white corner is a hole; the bulb's yellow is not.
        QVERIFY(!lampe->mask().contains(QPoint(0, 0)));
        QVERIFY(lampe->mask().contains(QPoint(20, 20)) || lampe->mask().contains(QPoint(19, 20)));

        deposer(f, "lampe", QPoint(200, 90));
        deposer(f, "lampe", QPoint(260, 90));
        effacer_dessin();
        deposer(f, "lampe", QPoint(130, 200));
        QVERIFY(f->tableau("lampe")->element(4) && f->tableau("lampe")->element(4)->isVisible());

        // The drop rule takes the whole pixel below.
        x_depart = 0.0f;
        y_depart = 0.0f;
        type_selection = QStringLiteral("ecran");
        f->cadre_optique_DragDrop(modele(f, "ecran"), 12.7f, -0.3f);
        QCOMPARE(geometrie(f->tableau("ecran")->element(1)).topLeft(), QPointF(12, -1));
        // At the ceiling of its counter a kind creates nothing more.
        nb_soleil = INDEX_MAXIMAL_OPTIQUE;
        type_selection = QStringLiteral("soleil");
        f->cadre_optique_DragDrop(modele(f, "soleil"), 50, 50);
        QCOMPARE(nb_soleil, INDEX_MAXIMAL_OPTIQUE);
        QCOMPARE(f->tableau("soleil")->Count(), 1);
    }

    void les_appuis_et_les_depots_sur_les_elements() {
        fenetre_dessin_optique* f = feuille();
        QStringList menus;
        installer_crochet_menu_contextuel([&](QMenu* m) { return menus << m->objectName(), nullptr; });
        BoitePicture* cube = place(f, "cube", 1, 100, 100);
        BoitePicture* soleil = place(f, "soleil", 1, 200, 100);
        f->cadre_optique_Click();
        // Press and release without moving: dropped on itself, selected.
        souris::appuyer(cube, QPoint(20, 20));
        souris::relacher(cube, QPoint(20, 20));
        QCOMPARE(geometrie(cube), QRectF(100, 100, 40, 40));
        QVERIFY(encadre(f) && poignee_sur(f, cube));
        // Released over the sun: the grab point lands under the release point, the cube selected.
        souris::appuyer(cube, QPoint(20, 20));
        souris::deplacer(soleil, QPoint(15, 12));
        souris::relacher(soleil, QPoint(15, 12));
        QCOMPARE(geometrie(cube).topLeft(), QPointF(195, 92));
        QCOMPARE(type_selection, QStringLiteral("cube"));
        QVERIFY(poignee_sur(f, cube));
        // A palette item over an element, and an element over a palette item, change nothing.
        souris::appuyer(modele(f, "oeil"), QPoint(5, 5));
        souris::relacher(soleil, QPoint(20, 20));
        souris::appuyer(cube, QPoint(20, 20));
        souris::relacher(modele(f, "laser"), QPoint(20, 20));
        QCOMPARE(nb_oeil, 0);
        QCOMPARE(geometrie(cube).topLeft(), QPointF(195, 92));
        // The middle button drags as the left one.
        souris::appuyer(soleil, QPoint(20, 20), Qt::MiddleButton);
        souris::deplacer(f->cadre_optique, QPoint(60, 320));
        souris::relacher(f->cadre_optique, QPoint(60, 320), Qt::MiddleButton);
        QCOMPARE(geometrie(soleil).topLeft(), QPointF(40, 300));
        QVERIFY(poignee_sur(f, soleil));

        // A right press on a palette item: the pair only, no frame moved, no menu.
        f->ergot1->show();
        souris::appuyer(modele(f, "filtre"), QPoint(5, 5), Qt::RightButton);
        souris::relacher(modele(f, "filtre"), QPoint(5, 5), Qt::RightButton);
        QCOMPARE(type_selection, QStringLiteral("filtre"));
        QCOMPARE(index_selection, 0);
        QVERIFY(!f->ergot1->isVisible() && poignee_sur(f, soleil) && menus.isEmpty());
        // A right press on a lamp frames it and asks for its menu.
        BoitePicture* lampe = place(f, "lampe", 1, 300, 200);
        f->cadre_optique_Click();
        souris::appuyer(lampe, QPoint(20, 20), Qt::RightButton);
        QCOMPARE(menus, QStringList{QStringLiteral("mnuflottantlampe")});
        QVERIFY(encadre(f) && poignee_sur(f, lampe));
        souris::relacher(lampe, QPoint(20, 20), Qt::RightButton);

        // A click on a white hole reaches the area beneath: the frame, handle and pins go.
        f->ergot2->show();
        souris::appuyer(lampe, QPoint(0, 0));
        souris::relacher(lampe, QPoint(0, 0));
        QVERIFY(!f->Line1_optique->Visible() && !f->ergot->isVisible() && !f->ergot2->isVisible());
        QCOMPARE(index_selection, 1);
    }

    void tourner() {
        fenetre_dessin_optique* f = feuille();
        BoitePicture* ecran = place(f, "ecran", 1, 100, 100);
        const QImage a_zero = ecran->rendu();
        for (float quart : {90.f, 90.f, 90.f, 90.f}) tourner_objet(quart);
        QCOMPARE(angle_ecran.valeur(1), 360.0f);
        QCOMPARE(ecran->rendu(), a_zero);
        angle_ecran[1] = 0;
        float huitieme = -45;
        for (int i = 0; i < 8; ++i) tourner_objet(huitieme);
        QCOMPARE(angle_ecran.valeur(1), -360.0f);
        QCOMPARE(geometrie(ecran), QRectF(100, 100, 40, 40));

        // A turned lamp is back in pixel scale: framed with a positive height.
        BoitePicture* lampe = place(f, "lampe", 1, 200, 100);
        tourner_objet(huitieme);
        QCOMPARE(lampe->ScaleHeight(), 40.0);
        selectionner_objet(lampe);
        QCOMPARE(f->Line2_optique->Y2(), 140.0);
        QVERIFY(lampe->rendu() != modele(f, "lampe")->rendu());

        // Kinds that do not turn, a palette item, an element not loaded: nothing changes.
        BoitePicture* soleil = place(f, "soleil", 1, 300, 100);
        const QImage astre = soleil->rendu();
        for (const char* type : {"soleil", "terre", "lune", "rayon", "trait", "cercle"}) {
            type_selection = QString::fromLatin1(type);
            tourner_objet(huitieme);
        }
        QCOMPARE(soleil->rendu(), astre);
        type_selection = QStringLiteral("ecran");
        for (int i : {0, 7}) {
            index_selection = std::int16_t(i);
            tourner_objet(huitieme);
            QCOMPARE(angle_ecran.valeur(i), 0.0f);
        }

        // Opaque again: the holes take the mouse.
        QVERIFY(!ecran->mask().isEmpty());
        rendre_opaque(ecran);
        QVERIFY(ecran->mask().isEmpty());
    }

    void redimensionner_par_facteurs_data() {
        QTest::addColumn<float>("fx");
        QTest::addColumn<float>("fy");
        QTest::addColumn<QRectF>("attendu");
        QTest::newRow("double") << 2.f << 2.f << QRectF(80, 80, 80, 80);
        QTest::newRow("moitie") << .5f << .5f << QRectF(110, 110, 20, 20);
        QTest::newRow("inegaux") << 1.5f << .75f << QRectF(90, 105, 60, 30);
        QTest::newRow("miroir x") << -1.f << 1.f << QRectF(60, 100, 40, 40);
        QTest::newRow("miroir y") << 1.f << -1.f << QRectF(100, 60, 40, 40);
        // Refused: zero factors, a side beyond the limit.
        QTest::newRow("fx nul") << 0.f << 1.f << QRectF(100, 100, 40, 40);
        QTest::newRow("fy nul") << 1.f << 0.f << QRectF(100, 100, 40, 40);
        QTest::newRow("trop grand") << 52.f << 1.f << QRectF(100, 100, 40, 40);
    }
    void redimensionner_par_facteurs() {
        QFETCH(float, fx);
        QFETCH(float, fy);
        QFETCH(QRectF, attendu);
        fenetre_dessin_optique* f = feuille();
        BoitePicture* cube = place(f, "cube", 1, 100, 100);
        redimensionner_objet(fx, fy);
        QCOMPARE(geometrie(cube), attendu);
        QVERIFY(encadre(f) && poignee_sur(f, cube));
    }

    void redessiner_a_la_nouvelle_taille() {
        fenetre_dessin_optique* f = feuille();
        BoitePicture* ecran = place(f, "ecran", 1, 100, 100, 45);
        redimensionner_objet(.5f, .5f);
        QCOMPARE(geometrie(ecran), QRectF(111.25, 111.25, 22.5, 22.5));

        // A sun takes its palette item's picture stretched to the pixel.
        BoitePicture* soleil = place(f, "soleil", 1, 200, 100);
        for (float facteur : {2.f, .125f}) {
            redimensionner_objet(facteur, facteur);
            const int cote = int(soleil->Width());
            BoitePicture attendu(f->cadre_optique);
            attendu.resize(cote, cote);
            attendu.BackColor(0xFFFFFF);
            attendu.Cls();
            dessin::copie_etiree(attendu, QRect(0, 0, cote, cote), modele(f, "soleil")->rendu(), QRect(0, 0, 40, 40));
            QCOMPARE(soleil->rendu(), attendu.rendu());
        }
        QCOMPARE(soleil->Width(), 10.0);

        // A lamp turned then doubled is the lamp drawn turned at that size.
        BoitePicture* lampe = place(f, "lampe", 1, 300, 100);
        float demi_droit = 45;
        tourner_objet(demi_droit);
        redimensionner_objet(2, 2);
        BoitePicture* temoin = place(f, "lampe", 2, 300, 300, 80);
        tourner_objet(demi_droit);
        QCOMPARE(lampe->rendu(), temoin->rendu());

        // An ellipse takes the box less 5 pixels as its corners.
        type_selection = QStringLiteral("cercle");
        index_selection = 1;
        couleur_cercle[1] = 0xFF;
        epaisseur_cercle[1] = 1;
        remplissage_cercle[1] = 0xFFFFFF;
        BoitePicture* cercle = f->charger_element(QStringLiteral("cercle"), 1);
        cercle->setParent(f->cadre_optique);
        cercle->Left(50);
        cercle->Top(300);
        cercle->Width(40);
        cercle->Height(30);
        cercle->show();
        redimensionner_objet(2, 2);
        QCOMPARE(QList<float>({x1_cercle[1], y1_cercle[1], x2_cercle[1], y2_cercle[1]}), QList<float>({5, 5, 75, 55}));
        QVERIFY(cercle->mask().contains(QPoint(40, 5)) && !cercle->mask().contains(QPoint(40, 30)));

        // A stroke selected: only the frame goes.
        type_selection = QStringLiteral("rayon");
        selectionner_objet(cercle);
        redimensionner_objet(2, 2);
        QVERIFY(!encadre(f));
        QCOMPARE(geometrie(cercle), QRectF(30, 285, 80, 60));

        // Doubling stops short of the limit; halving again and again stays sound.
        type_selection = QStringLiteral("ecran");
        for (int i = 0; i < 12; ++i) redimensionner_objet(2, 2);
        QCOMPARE(ecran->Width(), 1440.0);
        for (int i = 0; i < 40; ++i) redimensionner_objet(.5f, .5f);
        QVERIFY(ecran->Width() > 0 && encadre(f));
        ecran->Width(0);
        const QRectF vide = geometrie(ecran);
        redimensionner_objet(2, 2);
        float x = 500, y = 10;
        redimensionner_par_ergot(x, y);
        QCOMPARE(geometrie(ecran), vide);
        QVERIFY(encadre(f) && poignee_sur(f, ecran));
        // The pair names the palette item: nothing at all, the frame stays.
        index_selection = 0;
        redimensionner_objet(2, 2);
        QVERIFY(encadre(f));
        QCOMPARE(modele(f, "ecran")->Width(), 40.0);
    }

    void la_poignee() {
        fenetre_dessin_optique* f = feuille();
        BoitePicture* cube = place(f, "cube", 1, 100, 100);
        x_depart = 0.0f;
        y_depart = 0.0f;
        float x = 150, y = 90;
        redimensionner_par_ergot(x, y);
        QCOMPARE(QPointF(facteur_x, facteur_y), QPointF(1.25, 1.25));
        QCOMPARE(geometrie(cube), QRectF(95, 95, 50, 50));
        x = 145;
        y = 95;
        redimensionner_par_ergot(x, y);
        QCOMPARE(QPointF(facteur_x, facteur_y), QPointF(1, 1));
        x_depart = 2.5f;
        redimensionner_par_ergot(x, y);
        QCOMPARE(x_depot.toDouble(), 142.0);
        x_depart = -2.5f;
        redimensionner_par_ergot(x, y);
        QCOMPARE(x_depot.toDouble(), 147.0);

        // By the mouse: dropped over its own element, the handle resizes it as on the area.
        cube = place(f, "cube", 2, 100, 100);
        souris::appuyer(f->ergot, QPoint(2, 2));
        QVERIFY(glisse_ergot);
        souris::deplacer(cube, QPoint(28, 12));
        souris::relacher(cube, QPoint(28, 12));
        QVERIFY(!glisse_ergot);
        QCOMPARE(geometrie(cube), QRectF(107, 105, 26, 30));
        QVERIFY(poignee_sur(f, cube));
        // Released over a palette item: nothing resized.
        souris::appuyer(f->ergot, QPoint(2, 2));
        souris::relacher(modele(f, "cube"), QPoint(5, 5));
        QCOMPARE(geometrie(cube), QRectF(107, 105, 26, 30));
        QVERIFY(!glisse_ergot);

        // The pair names another element than the framed one: frame and handle hidden.
        place(f, "cube", 3, 300, 300);
        index_selection = 2;
        x_depart = 0.0f;
        y_depart = 0.0f;
        x = 400;
        y = 280;
        redimensionner_par_ergot(x, y);
        QVERIFY(!encadre(f));
        QCOMPARE(f->tableau("cube")->element(3)->Width(), 40.0);
        QCOMPARE(cube->Width(), 26.0);
        // A stroke selected: the handle stays shown where it was dropped.
        type_selection = QStringLiteral("rayon");
        redimensionner_par_ergot(x, y);
        QVERIFY(f->ergot->isVisible());
        QCOMPARE(QPointF(f->ergot->Left(), f->ergot->Top()), QPointF(400, 280));
    }

    void la_poignee_garde_son_element_apres_un_article_de_la_palette() {
        fenetre_dessin_optique* f = feuille();
        deposer(f, "cube", QPoint(150, 150));
        BoitePicture* cube = f->tableau("cube")->element(1);
        QCOMPARE(geometrie(cube), QRectF(130, 130, 40, 40));
        // The handle dragged by its (2, 2) so that its corner lands at that point of the area.
        auto tirer_la_poignee = [f](QPoint coin) {
            souris::appuyer(f->ergot, QPoint(2, 2));
            souris::deplacer(f->cadre_optique, coin + QPoint(2, 2));
            souris::relacher(f->cadre_optique, coin + QPoint(2, 2));
        };

        // A right press on a palette item leaves frame and handle on the cube.
        souris::appuyer(modele(f, "lampe"), QPoint(20, 20), Qt::RightButton);
        souris::relacher(modele(f, "lampe"), QPoint(20, 20), Qt::RightButton);
        QVERIFY(type_selection == "lampe" && index_selection == 0 && encadre(f) && poignee_sur(f, cube));
        tirer_la_poignee(QPoint(190, 110));
        QCOMPARE(geometrie(cube), QRectF(120, 120, 60, 60));
        QVERIFY(type_selection == "cube" && index_selection == 1 && encadre(f) && poignee_sur(f, cube));

        // A palette item dragged and released off the area: the same.
        souris::appuyer(modele(f, "ecran"), QPoint(20, 20));
        souris::deplacer(f->Dessin_enonce, QPoint(10, 10));
        souris::relacher(f->Dessin_enonce, QPoint(10, 10));
        QVERIFY(f->tableau("ecran")->Count() == 1 && encadre(f) && poignee_sur(f, cube));
        tirer_la_poignee(QPoint(150, 150));
        QCOMPARE(geometrie(cube), QRectF(135, 135, 30, 30));
        QVERIFY(encadre(f) && poignee_sur(f, cube));
    }

    void une_feuille_a_regarder() {
        fenetre_dessin_optique* f = feuille();
        place(f, "lampe", 1, 30, 40);
        float angle = 45;
        tourner_objet(angle);
        place(f, "ecran", 1, 120, 40);
        redimensionner_objet(2, 2);
        place(f, "soleil", 1, 220, 60);
        place(f, "oeil", 1, 300, 60);
        place(f, "cube", 1, 150, 200);
        capture_pour_examen(f, QStringLiteral("placement_optique"));
        QVERIFY(encadre(f));
    }
};

QTEST_MAIN(TestPlacementOptique)
#include "tst_placement_optique.moc"
