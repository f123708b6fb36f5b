// Rays, lines and ellipses drawn on the optics sheet with the mouse, their end pins and the
// reshaping of a ray or line by dragging a pin.
#include "circuit/etat_circuit.h"
#include "optics/editing/ergots.h"
#include "optics/editing/selection.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/glisser.h"
#include "platform/menu_contextuel.h"
#include "platform/messages.h"
#include "platform/pointeurs.h"
#include "platform/transparence.h"
#include "tests/support/fixture.h"
#include "tests/support/souris.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QtTest>

namespace {
// The window shown with its sheet, as a theme start leaves it.
fenetre_dessin_optique* feuille() {
    auto* f = Fenetre::obtenir<fenetre_dessin_optique>();
    f->cadre_dessin_optique->show();
    f->Show();
    QCoreApplication::processEvents();
    return f;
}

void tracer(fenetre_dessin_optique* f, QPoint depuis, QPoint vers) {
    souris::appuyer(f->cadre_optique, depuis);
    souris::deplacer(f->cadre_optique, vers);
    souris::relacher(f->cadre_optique, vers);
}

QRectF boite(const BoitePicture* e) { return {e->Left(), e->Top(), e->Width(), e->Height()}; }
QLineF ligne(const LigneSansFenetre* l) { return {l->X1(), l->Y1(), l->X2(), l->Y2()}; }
QPointF centre(const BoitePicture* e) { return {e->Left() + 3.5, e->Top() + 3.5}; }
QRgb pixel(const BoitePicture* e, QPoint p) { return e->rendu().pixel(p) & 0xFFFFFF; }

// Lamp 1 on the area, its corner at (coin, coin).
BoitePicture* lampe_posee(fenetre_dessin_optique* f, double coin) {
    BoitePicture* lampe = f->charger_element(QStringLiteral("lampe"), 1);
    lampe->setParent(f->cadre_optique);
    lampe->Left(coin);
    lampe->Top(coin);
    lampe->show();
    rendre_transparent(lampe);
    return lampe;
}

// A ray or line laid by hand in its box, as a finished stroke leaves it, with its pins on.
BoitePicture* segment_pose(fenetre_dessin_optique* f, const char* type, int n, QRectF place, const char* direction) {
    BoitePicture* s = f->tableau(type)->Load(n);
    s->Left(place.x());
    s->Top(place.y());
    s->Width(place.width());
    s->Height(place.height());
    s->show();
    const GenreSegment* g = genre_segment(QString::fromLatin1(type));
    (*g->direction)[n] = QString::fromLatin1(direction);
    (*g->couleur)[n] = 0xFF0000;
    (*g->epaisseur)[n] = 3;
    type_selection = QString::fromLatin1(type);
    index_selection = std::int16_t(n);
    placer_ergots(*g, QString::fromLatin1(direction));
    return s;
}
}

class TestTracesOptique : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }
    void cleanup() { reinitialiser_programme(); }

    void la_barre_choisit_l_outil() {
        fenetre_dessin_optique* f = feuille();
        tracer(f, QPoint(50, 50), QPoint(90, 80));
        QVERIFY(nb_rayon == 0 && nb_trait == 0 && nb_cercle == 0 && f->tableau("rayon")->Count() == 1);
        f->bouton_optique(1)->trigger();
        f->bouton_optique(1)->trigger();
        QVERIFY(f->bouton_optique(1)->isChecked() && outil_rayon);
        QCOMPARE(f->cadre_optique->MousePointer(), 99);
        QCOMPARE(pointeurs::point_chaud(f->cadre_optique), QPoint(15, 15));
        QVERIFY(!pointeurs::icone(f->cadre_optique).isNull());
        f->bouton_optique(2)->trigger();
        QVERIFY(!f->bouton_optique(1)->isChecked() && !outil_rayon && outil_trait);
        f->bouton_optique(6)->trigger();
        QVERIFY(!outil_rayon && !outil_trait && !outil_cercle && !f->outils_optique->checkedAction());
        QCOMPARE(f->cadre_optique->MousePointer(), 0);
        tracer(f, QPoint(50, 50), QPoint(90, 80));
        QCOMPARE(nb_trait, 0);

        f->bouton_optique(3)->trigger();
        MessagesScriptes m;
        m.attendre(QStringLiteral("Initialisation: Voulez-vous tout effacer?"), vb::vbYes);
        f->bouton_optique(7)->trigger();
        QVERIFY2(m.en_ordre(), qPrintable(m.bilan()));
        tracer(f, QPoint(50, 50), QPoint(90, 80));
        QCOMPARE(nb_cercle, 0);
    }

    void un_rayon_un_trait_une_ellipse_a_la_souris() {
        fenetre_dessin_optique* f = feuille();
        f->bouton_optique(1)->trigger();
        souris::appuyer(f->cadre_optique, QPoint(100, 200));
        BoitePicture* rayon = f->tableau("rayon")->element(1);
        QVERIFY(rayon && rayon->isHidden() && trace_rayon && index_selection == 1);
        souris::deplacer(f->cadre_optique, QPoint(120, 150));
        QVERIFY(f->rayon_virtuel->Visible());
        QCOMPARE(ligne(f->rayon_virtuel), QLineF(100, 200, 120, 150));
        souris::relacher(f->cadre_optique, QPoint(130, 180));
        QCOMPARE(boite(rayon), QRectF(90, 170, 50, 40));
        QCOMPARE(direction_rayon.valeur(1), QStringLiteral("gauche_droite_montant"));
        QCOMPARE(QLineF(x1_rayon.valeur(1), y1_rayon.valeur(1), x2_rayon.valeur(1), y2_rayon.valeur(1)),
                 QLineF(10, 30, 40, 10));
        QVERIFY(!rayon->isHidden() && !trace_rayon && !f->rayon_virtuel->Visible());
        QCOMPARE(f->cadre_optique->children().last(), rayon);
        // The tip is red on the sheet's (130, 180); the box's white corner lets the sheet through.
        QCOMPARE(pixel(rayon, QPoint(40, 10)), 0xFF0000u);
        QCOMPARE(f->cadre_optique->childAt(130, 180), rayon);
        QVERIFY(!rayon->mask().contains(QPoint(2, 2)));

        f->bouton_optique(2)->trigger();
        tracer(f, QPoint(60, 40), QPoint(60, 90));
        QCOMPARE(boite(f->tableau("trait")->element(1)), QRectF(55, 35, 10, 60));
        QCOMPARE(QLineF(x1_trait.valeur(1), y1_trait.valeur(1), x2_trait.valeur(1), y2_trait.valeur(1)),
                 QLineF(5, 5, 5, 55));

        // A dotted ellipse filled red; its band keeps its first corner at the press point.
        style_cercle_courant = 2;
        remplissage_cercle_courant = 0xFF;
        f->bouton_optique(3)->trigger();
        souris::appuyer(f->cadre_optique, QPoint(200, 100));
        for (QPoint p : {QPoint(250, 140), QPoint(150, 60)}) {
            souris::deplacer(f->cadre_optique, p);
            QCOMPARE(ligne(f->Line1_optique), QLineF(200, 100, p.x(), 100));
            QCOMPARE(ligne(f->Line4_optique), QLineF(200, p.y(), 200, 100));
        }
        souris::relacher(f->cadre_optique, QPoint(120, 160));
        BoitePicture* cercle = f->tableau("cercle")->element(1);
        QCOMPARE(boite(cercle), QRectF(115, 95, 90, 70));
        QCOMPARE(QLineF(x1_cercle.valeur(1), y1_cercle.valeur(1), x2_cercle.valeur(1), y2_cercle.valeur(1)),
                 QLineF(85, 5, 5, 65));
        QVERIFY(style_cercle.valeur(1) == 2 && remplissage_cercle.valeur(1) == 0xFFu);
        QCOMPARE(pixel(cercle, QPoint(45, 35)), 0xFF0000u);
        QVERIFY(!f->Line1_optique->Visible() && !cercle->isHidden());
        // Rays in the eight directions out of one point; the last one pressed and selected.
        f->bouton_optique(1)->trigger();
        for (QPoint d : {QPoint(1, -1), QPoint(-1, -1), QPoint(-1, 1), QPoint(1, 1), QPoint(0, 1), QPoint(0, -1),
                         QPoint(-1, 0), QPoint(1, 0)})
            tracer(f, QPoint(320, 300) + 15 * d, QPoint(320, 300) + 60 * d);
        f->bouton_optique(6)->trigger();
        souris::appuyer(f->tableau("rayon")->element(nb_rayon), QPoint(30, 10));
        souris::relacher(f->tableau("rayon")->element(nb_rayon), QPoint(30, 10));
        QCOMPARE(centre(f->ergot2), QPointF(380, 300));
        capture_pour_examen(f, "optique_traces");
    }

    void les_huit_directions() {
        fenetre_dessin_optique* f = feuille();
        const std::pair<QPointF, const char*> cas[8] = {
            {{230, 180}, "gauche_droite_montant"},    {{170, 180}, "droite_gauche_montant"},
            {{170, 220}, "droite_gauche_descendant"}, {{230, 220}, "gauche_droite_descendant"},
            {{200, 220}, "vertical_descendant"},      {{200, 180}, "vertical_montant"},
            {{170, 200}, "horizontal_droite_gauche"}, {{201, 200}, "horizontal_gauche_droite"},
        };
        struct Tables {
            const char* type;
            bool* outil;
            TableOptique<QString>* direction;
            TableOptique<float>*x1, *y1, *x2, *y2;
        };
        const Tables genres[3] = {
            {"rayon", &outil_rayon, &direction_rayon, &x1_rayon, &y1_rayon, &x2_rayon, &y2_rayon},
            {"trait", &outil_trait, &direction_trait, &x1_trait, &y1_trait, &x2_trait, &y2_trait},
            {"cercle", &outil_cercle, &direction_cercle, &x1_cercle, &y1_cercle, &x2_cercle, &y2_cercle},
        };
        // Whatever the direction, the start lies on the press point and the end on the release.
        const QPointF depart(200, 200);
        for (const Tables& g : genres) {
            outil_rayon = outil_trait = outil_cercle = false;
            *g.outil = true;
            for (const auto& [vers, direction] : cas) {
                f->cadre_optique_MouseDown(1, 0, float(depart.x()), float(depart.y()));
                const int n = index_selection;
                f->cadre_optique_MouseUp(1, 0, float(vers.x()), float(vers.y()));
                const BoitePicture* e = f->tableau(g.type)->element(n);
                const QPointF coin(e->Left(), e->Top());
                QCOMPARE(g.direction->valeur(n), QString::fromLatin1(direction));
                QCOMPARE(coin + QPointF(g.x1->valeur(n), g.y1->valeur(n)), depart);
                QCOMPARE(coin + QPointF(g.x2->valeur(n), g.y2->valeur(n)), vers);
            }
        }
        // One pixel to the right: a box 2m + 1 by 2m.
        QCOMPARE(boite(f->tableau("cercle")->element(nb_cercle)).size(), QSizeF(11, 10));
        // Left of and above the area: the same record.
        outil_cercle = false;
        outil_rayon = true;
        f->cadre_optique_MouseDown(1, 0, 5, 5);
        f->cadre_optique_MouseUp(1, 0, -25, -15);
        QCOMPARE(boite(f->tableau("rayon")->element(nb_rayon)), QRectF(-35, -25, 50, 40));
        QCOMPARE(direction_rayon.valeur(nb_rayon), QStringLiteral("droite_gauche_montant"));
    }

    void les_relachements_qui_ne_tracent_rien() {
        fenetre_dessin_optique* f = feuille();
        f->bouton_optique(2)->trigger();
        const QRectF modele = boite(f->tableau("trait")->element(0));
        // A release without a press lays out no template.
        f->cadre_optique_MouseUp(1, 0, 40, 40);
        QCOMPARE(boite(f->tableau("trait")->element(0)), modele);
        // On its press point: nothing recorded, the item hidden, its index spent.
        tracer(f, QPoint(40, 40), QPoint(40, 40));
        QVERIFY(nb_trait == 1 && index_selection == 1 && f->tableau("trait")->element(1)->isHidden());
        QVERIFY(direction_trait.valeur(1).isEmpty() && !trace_trait);
        // A double click starts one stroke only.
        souris::double_clic(f->cadre_optique, QPoint(80, 80));
        QCOMPARE(nb_trait, 2);
        // At the ceiling of the counter no stroke starts, and the last one keeps its shape.
        nb_trait = INDEX_MAXIMAL_OPTIQUE - 1;
        tracer(f, QPoint(40, 40), QPoint(90, 70));
        const QRectF dernier = boite(f->tableau("trait")->element(INDEX_MAXIMAL_OPTIQUE));
        souris::appuyer(f->cadre_optique, QPoint(10, 10));
        QVERIFY(nb_trait == INDEX_MAXIMAL_OPTIQUE && !trace_trait && index_selection == INDEX_MAXIMAL_OPTIQUE);
        souris::relacher(f->cadre_optique, QPoint(200, 150));
        QCOMPARE(boite(f->tableau("trait")->element(INDEX_MAXIMAL_OPTIQUE)), dernier);
    }

    void les_ergots_sur_les_bouts() {
        fenetre_dessin_optique* f = feuille();
        segment_pose(f, "rayon", 1, QRectF(50, 80, 120, 60), "gauche_droite_montant");
        QCOMPARE(QPointF(f->ergot1->Left(), f->ergot1->Top()), QPointF(56.5, 126.5));
        QCOMPARE(QPointF(f->ergot2->Left(), f->ergot2->Top()), QPointF(156.5, 86.5));
        QVERIFY(f->ergot1->isVisible() && f->cadre_optique->children().last() == f->ergot1);
        segment_pose(f, "trait", 1, QRectF(50, 80, 120, 60), "droite_gauche_descendant");
        QCOMPARE(centre(f->ergot1), QPointF(165, 85));
        QCOMPARE(centre(f->ergot2), QPointF(55, 135));
        for (const char* autre : {"", "Droite_gauche_montant"}) {
            f->ergot1->raise();
            placer_ergots_trait(QString::fromLatin1(autre));
            QCOMPARE(centre(f->ergot1), QPointF(165, 85));
            QCOMPARE(f->cadre_optique->children().last(), f->ergot1);
        }
    }

    void une_extremite_deplacee() {
        fenetre_dessin_optique* f = feuille();
        BoitePicture* rayon = segment_pose(f, "rayon", 1, QRectF(50, 80, 120, 60), "gauche_droite_montant");
        x_depart = 0.0f;
        y_depart = 0.0f;
        glisse_ergot_rayon = true;
        deplacer_extremite_rayon(f->ergot2, 200, 40);
        QCOMPARE(boite(rayon), QRectF(50, 33.5, 164, 106.5));
        QCOMPARE(direction_rayon.valeur(1), QStringLiteral("gauche_droite_montant"));
        QCOMPARE(QPointF(x2_rayon.valeur(1), y2_rayon.valeur(1)), QPointF(154, 10));
        QVERIFY(!glisse_ergot_rayon && !rayon->isHidden());
        QCOMPARE(pixel(rayon, QPoint(154, 10)), 0x0000FFu);  // its own colour, &HFF0000
        // The start pin past the end pin turns the direction round; -2.5 gives -3.
        x_depart = 2.5f;
        deplacer_extremite_rayon(f->ergot1, 300, 20);
        QCOMPARE(f->ergot1->Left(), 297.0);
        QCOMPARE(direction_rayon.valeur(1), QStringLiteral("droite_gauche_descendant"));
        deplacer_extremite_rayon(f->ergot1, -0.5f, 20);
        QCOMPARE(f->ergot1->Left(), -3.0);
        // Level pins: a side of 2m. A fixed pin at Left 12.5 counts as 12, at 13.5 as 14.
        BoitePicture* trait = segment_pose(f, "trait", 1, QRectF(0, 0, 60, 60), "gauche_droite_descendant");
        x_depart = 0.0f;
        for (double lf : {12.5, 13.5}) {
            f->ergot1->Left(lf);
            f->ergot1->Top(30);
            deplacer_extremite_trait(f->ergot2, 100, 30);
            QCOMPARE(direction_trait.valeur(1), QStringLiteral("horizontal_gauche_droite"));
            QCOMPARE(trait->Height(), 10.0);
            QCOMPARE(trait->Width(), 100 - std::nearbyint(lf) + 10);
        }
        // Dropped on the other pin: the stroke comes back as it was, pins on its ends.
        const QRectF avant = boite(trait);
        trait->hide();
        glisse_ergot_trait = true;
        f->ergot1->Left(14);
        deplacer_extremite_trait(f->ergot2, 14, 30);
        QVERIFY(!trait->isHidden() && !glisse_ergot_trait);
        QCOMPARE(boite(trait), avant);
        QCOMPARE(centre(f->ergot2), QPointF(avant.right() - 5, avant.top() + 5));
    }

    void un_ergot_glisse_a_la_souris() {
        fenetre_dessin_optique* f = feuille();
        f->bouton_optique(1)->trigger();
        tracer(f, QPoint(100, 200), QPoint(130, 180));
        f->bouton_optique(6)->trigger();
        BoitePicture* rayon = f->tableau("rayon")->element(1);
        lampe_posee(f, 250);
        souris::appuyer(rayon, QPoint(10, 30));
        souris::relacher(rayon, QPoint(10, 30));
        QVERIFY(f->ergot1->isVisible() && f->ergot2->isVisible() && type_selection == QStringLiteral("rayon"));

        // The band runs from the pin that stays to the pointer, over the area and over a lamp.
        souris::appuyer(f->ergot2, QPoint(3, 3));
        QVERIFY(glisse_ergot_rayon && nom_ergot == QStringLiteral("ergot2"));
        souris::deplacer(f->cadre_optique, QPoint(160, 60));
        QVERIFY(rayon->isHidden() && f->rayon_virtuel->Visible());
        QCOMPARE(ligne(f->rayon_virtuel), QLineF(100, 200, 160, 60));
        souris::deplacer(f->cadre_optique, QPoint(265, 262));
        QCOMPARE(ligne(f->rayon_virtuel).p2(), QPointF(265, 262));
        capture_pour_examen(f, "optique_ergot_glisse");
        souris::relacher(f->cadre_optique, QPoint(160, 60));
        QVERIFY(!rayon->isHidden() && !f->rayon_virtuel->Visible() && !glisse_ergot_rayon);
        // Pins at (96.5, 196.5) and (157, 57): the fixed Left counts as 96.
        QCOMPARE(boite(rayon), QRectF(90, 50.5, 81, 159.5));
        QCOMPARE(direction_rayon.valeur(1), QStringLiteral("gauche_droite_montant"));

        // Released over a place no drop completes (off the sheet, or a palette item): the ray
        // comes back as it was.
        BoitePicture* palette = f->tableau("cube")->element(0);
        for (QPoint ailleurs : {QPoint(-400, -300), f->cadre_optique->mapFrom(f->cadre_dessin_optique, palette->pos())}) {
            souris::appuyer(f->ergot1, QPoint(3, 3));
            souris::deplacer(f->cadre_optique, QPoint(30, 30));
            souris::deplacer(f->cadre_optique, ailleurs + QPoint(20, 20));
            if (ailleurs.x() > 0) QCOMPARE(ligne(f->rayon_virtuel).p2(), QPointF(ailleurs + QPoint(20, 20)));
            souris::relacher(f->cadre_optique, ailleurs + QPoint(20, 20));
            QVERIFY(!rayon->isHidden() && !f->rayon_virtuel->Visible() && !glisse_ergot_rayon);
            QCOMPARE(boite(rayon), QRectF(90, 50.5, 81, 159.5));
        }
        // The pins stay on that ray while a new stroke takes the selection index: no feedback.
        f->bouton_optique(1)->trigger();
        souris::appuyer(f->cadre_optique, QPoint(300, 300));
        souris::relacher(f->cadre_optique, QPoint(-50, 300));
        souris::appuyer(f->ergot1, QPoint(3, 3));
        souris::deplacer(f->cadre_optique, QPoint(30, 30));
        QVERIFY(!rayon->isHidden() && !f->rayon_virtuel->Visible() && !glisse_ergot_rayon);
        souris::relacher(f->cadre_optique, QPoint(30, 30));
        QCOMPARE(boite(rayon), QRectF(90, 50.5, 81, 159.5));
    }

    void les_appuis_et_les_deplacements() {
        fenetre_dessin_optique* f = feuille();
        QStringList menus;
        installer_crochet_menu_contextuel([&](QMenu* m) { return menus << m->objectName(), nullptr; });
        const struct Retrait {
            ~Retrait() { installer_crochet_menu_contextuel({}); }
        } retrait;
        f->bouton_optique(1)->trigger();
        tracer(f, QPoint(100, 200), QPoint(130, 180));
        remplissage_cercle_courant = 0xFF00;
        f->bouton_optique(3)->trigger();
        tracer(f, QPoint(200, 100), QPoint(260, 140));
        f->bouton_optique(6)->trigger();
        BoitePicture* rayon = f->tableau("rayon")->element(1);
        BoitePicture* cercle = f->tableau("cercle")->element(1);
        BoitePicture* lampe = lampe_posee(f, 300);

        // The middle of the ray, clear of its pins.
        const QPoint milieu(25, 20);
        souris::appuyer(rayon, milieu, Qt::RightButton);
        QCOMPARE(menus, QStringList{"mnuflottantrayon_ou_trait"});
        QVERIFY(f->ergot1->isVisible() && centre(f->ergot2) == QPointF(130, 180));
        souris::relacher(rayon, milieu, Qt::RightButton);

        // Dragged to the area and onto the lamp: drawing kept, pins on its new ends.
        const QImage dessin = rayon->rendu();
        for (auto [sur, arrivee] : {std::pair{f->cadre_optique, QPoint(30, 60)}, std::pair{lampe, QPoint(5, 5)}}) {
            souris::appuyer(rayon, milieu);
            souris::deplacer(sur, arrivee);
            souris::relacher(sur, arrivee);
            const QPointF coin = sur == lampe ? QPointF(280, 285) : QPointF(5, 40);
            QCOMPARE(QPointF(rayon->Left(), rayon->Top()), coin);
            QCOMPARE(rayon->rendu(), dessin);
            QCOMPARE(centre(f->ergot2), coin + QPointF(40, 10));
        }
        // An ellipse moved onto the lamp is framed; resized by its handle it is drawn again
        // inside its new box with its own style.
        souris::appuyer(cercle, QPoint(35, 25));
        souris::deplacer(lampe, QPoint(10, 10));
        souris::relacher(lampe, QPoint(10, 10));
        QCOMPARE(QPointF(cercle->Left(), cercle->Top()), QPointF(275, 285));
        QVERIFY(f->Line1_optique->Visible() && element_de_l_ergot() == cercle);
        souris::appuyer(f->ergot, QPoint(2, 2));
        souris::deplacer(f->cadre_optique, QPoint(405, 270));
        souris::relacher(f->cadre_optique, QPoint(405, 270));
        QCOMPARE(boite(cercle).size(), QSizeF(128, 67));
        QCOMPARE(QPointF(x2_cercle.valeur(1), y2_cercle.valeur(1)), QPointF(123, 62));
        QCOMPARE(pixel(cercle, QPoint(64, 33)), 0x00FF00u);
        QVERIFY(!cercle->mask().contains(QPoint(3, 3)) && style_cercle.valeur(1) == 0);
        // A handle released over the ray leaves no handle drag behind: the ray then moves.
        rayon->raise();
        souris::appuyer(f->ergot, QPoint(2, 2));
        souris::deplacer(rayon, milieu);
        souris::relacher(rayon, milieu);
        QVERIFY(!glisse_ergot);
        souris::appuyer(rayon, milieu);
        souris::deplacer(f->cadre_optique, QPoint(50, 60));
        souris::relacher(f->cadre_optique, QPoint(50, 60));
        QCOMPARE(QPointF(rayon->Left(), rayon->Top()), QPointF(25, 40));
    }
};

QTEST_MAIN(TestTracesOptique)
#include "tst_traces_optique.moc"
