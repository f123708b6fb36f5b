// Exact geometry of the optical element icons and of the ray's arrowhead: turned corners,
// stroke ends, the lamp in its caller's scale, the ball's black half.
#include "optics/drawing/icones.h"
#include "optics/drawing/traces.h"
#include "optics/sheet/etat_optique.h"
#include "platform/controles.h"
#include "tests/support/fixture.h"

#include <QtTest>

namespace {
bool proches(QPointF a, QPointF b, double tolerance = 1e-3) {
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

struct Attendu {
    const char* type;
    float angle;
    QList<QPolygon> quadrilateres;  // every one, in drawing order
    QList<QLineF> traits;           // the first ones, in drawing order
};

QPolygon q(std::initializer_list<QPoint> p) { return QPolygon(QList<QPoint>(p)); }
}

class TestGeometrieIcones : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }

    void tourner_point_et_arrondi() {
        QVERIFY(proches(tourner_point(0.8, 0.5, 40, 40, radians_icone(90)), QPointF(20, 8), 1e-5));
        const PointFigure coins[4] = {{0.45, 0.2}, {0.5, 0.2}, {0.5, 0.5}, {0.45, 0.5}};
        QCOMPARE(coins_quadrilatere(coins, 40, 40, 0)[0], QPoint(18, 8));
        QCOMPARE(coins_quadrilatere(coins, 41, 40, 0)[1].x(), 20);  // 20.5 goes to the even 20
        QVERIFY(proches(tourner_point(0.8, 0.5, 40, 40, radians_icone(-90)), QPointF(20, 32)));
    }

    // The figures of the edge-case lists, at 0 and 90 degrees in 40 x 40.
    void coins_et_traits_des_figures() {
        const QList<Attendu> attendus = {
            {"ecran", 0, {q({{8, 8}, {8, 24}, {32, 28}, {32, 12}})}, {{8, 28, 32, 32}, {20, 22, 20, 30}}},
            {"ecran", 90, {q({{8, 32}, {24, 32}, {28, 8}, {12, 8}})}, {{28, 32, 32, 8}, {22, 20, 30, 20}}},
            {"cube", 90,
             {q({{32, 32}, {32, 16}, {16, 16}, {16, 32}}), q({{32, 16}, {24, 8}, {8, 8}, {16, 16}}),
              q({{16, 32}, {16, 16}, {8, 8}, {8, 24}})},
             {}},
            {"filtre", 0, {q({{12, 28}, {28, 32}, {28, 12}, {12, 8}}), q({{14, 26}, {26, 29}, {26, 14}, {14, 11}})}, {}},
            {"filtre_coupe", 90, {q({{32, 22}, {32, 18}, {8, 18}, {8, 22}}), q({{28, 22}, {28, 18}, {12, 18}, {12, 22}})}, {}},
            {"ecran_coupe", 0,
             {q({{8, 32}, {32, 32}, {32, 28}, {8, 28}}), q({{18, 28}, {20, 28}, {20, 8}, {18, 8}}),
              q({{16, 28}, {18, 28}, {18, 8}, {16, 8}})},
             {}},
            {"ecran_perce1_coupe", 0, {q({{18, 32}, {22, 32}, {22, 22}, {18, 22}}), q({{18, 18}, {22, 18}, {22, 8}, {18, 8}})}, {}},
            {"ecran_perce1_coupe", 90, {q({{32, 22}, {32, 18}, {22, 18}, {22, 22}}), q({{18, 22}, {18, 18}, {8, 18}, {8, 22}})}, {}},
            {"ecran_perce1", 0, {q({{8, 24}, {32, 28}, {32, 12}, {8, 8}}), q({{18, 20}, {22, 21}, {22, 17}, {18, 16}})},
             {{20, 26, 20, 30}, {8, 28, 32, 32}}},
            {"oeil", 0, {q({{20, 18}, {20, 22}, {22, 22}, {22, 18}})},
             {{16, 12, 20, 16}, {20, 16, 28, 20}, {28, 20, 20, 24}, {20, 24, 16, 28}, {20, 16, 20, 24}}},
            // At 90 the eye looks up: the apex of its front is above the centre.
            {"oeil", 90, {q({{18, 20}, {22, 20}, {22, 18}, {18, 18}})}, {{12, 24, 16, 20}, {16, 20, 20, 12}}},
            {"laser", 0, {q({{8, 16}, {8, 24}, {28, 24}, {28, 16}}), q({{28, 18}, {30, 18}, {30, 22}, {28, 22}})},
             {{10, 18, 10, 22}, {10, 22, 12, 22}}},
            {"laser", 90, {q({{16, 32}, {24, 32}, {24, 12}, {16, 12}}), q({{18, 12}, {18, 10}, {22, 10}, {22, 12}})},
             {{18, 30, 22, 30}}},
        };
        for (const Attendu& a : attendus) {
            const IconeTournee icone = icone_tournee(a.type, 40, 40, a.angle);
            QCOMPARE(icone.quadrilateres.size(), a.quadrilateres.size());
            for (int i = 0; i < a.quadrilateres.size(); ++i) QCOMPARE(icone.quadrilateres[i].coins, a.quadrilateres[i]);
            for (int i = 0; i < a.traits.size(); ++i) {
                const QLineF& t = icone.traits[i].ligne;
                QVERIFY2(proches(t.p1(), a.traits[i].p1()) && proches(t.p2(), a.traits[i].p2()),
                         qPrintable(QStringLiteral("%1 at %2, stroke %3").arg(a.type).arg(a.angle).arg(i + 1)));
            }
        }
        const IconeTournee laser = icone_tournee("laser", 40, 40, 0);
        QCOMPARE(laser.traits.size(), 19);
        QVERIFY(proches(laser.traits[4].ligne.p1(), {13, 20}) && proches(laser.traits[4].ligne.p2(), {15, 20}));
        QVERIFY(proches(laser.traits[18].ligne.p1(), {24, 20}) && proches(laser.traits[18].ligne.p2(), {26, 22}));
    }

    // Centred scale, y upwards: the six strokes and the bulb at 0 and 90, in pixels; then at 0 in a
    // top-left scale, the plain figure.
    void lampe_dans_l_echelle_de_l_appelant() {
        BoitePicture boite(nullptr);
        boite.resize(40, 40);
        boite.ScaleWidth(40);
        boite.ScaleHeight(-40);
        boite.ScaleTop(20);
        boite.ScaleLeft(-20);
        const QList<QLineF> zero = {{6, 32, 6, 8},  {6, 8, 28, 8},      {6, 32, 28, 32},
                                    {6, 20, 16, 20}, {6, 19.2, 16, 19.2}, {6, 20.8, 16, 20.8}};
        const QList<QLineF> quart = {{32, 34, 8, 34},  {8, 34, 8, 12},      {32, 34, 32, 12},
                                     {20, 34, 20, 24}, {19.2, 34, 19.2, 24}, {20.8, 34, 20.8, 24}};
        for (const auto& [angle, traits] : {std::pair(0.0f, zero), std::pair(90.0f, quart)}) {
            const LampeTournee l = lampe_tournee(boite, angle);
            for (int i = 0; i < 6; ++i)
                QVERIFY(proches(boite.echelle_vers_pixels(l.traits[i].ligne.p1()), traits[i].p1()) &&
                        proches(boite.echelle_vers_pixels(l.traits[i].ligne.p2()), traits[i].p2()));
            QVERIFY(proches(boite.echelle_vers_pixels(l.centre_ampoule), {20, 20}) && l.rayon_ampoule == 8);
        }
        boite.ScaleMode(3);
        const LampeTournee l = lampe_tournee(boite, 0);
        QVERIFY(l.traits[0].ligne == QLineF(6, 8, 6, 32) && l.centre_ampoule == QPointF(20, 20));
    }

    void bornes_de_la_boule() {
        struct Cas {
            float angle, debut, fin;
            const char* regles;
        };
        const Cas cas[] = {{0, -4.712389f, -1.5707963f, "b"},     {90, -6.283185f, -3.1415925f, "b"},
                           {180, -1.5707963f, -4.712389f, "cb"},  {-90, -3.1415927f, -0.0000000487f, "b"},
                           {-270, -6.283185f, -3.1415925f, "ab"}, {450, -6.283185f, -3.1415925f, "cb"}};
        for (const Cas& c : cas) {
            const BornesBouleDemi b = bornes_bouledemi(radians_icone(c.angle));
            QVERIFY2(std::abs(b.debut - c.debut) < 1e-6 && std::abs(b.fin - c.fin) < 1e-6, qPrintable(QString::number(c.angle)));
            QCOMPARE(b.regles, QString(c.regles));
        }
        QVERIFY(bornes_bouledemi(radians_icone(-90)).fin < 0);
        // Huge angles are reduced first: the loop ends with a start inside one turn.
        const BornesBouleDemi b = bornes_bouledemi(radians_icone(1e30f));
        QVERIFY(b.debut >= -6.2831853f && b.debut < 0);
    }

    void barbes_de_la_fleche() {
        const auto barbes = [](float x1, float y1, float x2, float y2, QPointF a, QPointF b) {
            const auto r = barbes_rayon(x1, y1, x2, y2);
            return proches(r[0], a, 0.006) && proches(r[1], b, 0.006);
        };
        QVERIFY(barbes(10, 10, 110, 10, {100.76, 13.83}, {100.76, 6.17}));
        QVERIFY(barbes(50, 0, 50, 60, {46.17, 50.76}, {53.83, 50.76}));
        QVERIFY(barbes(10, 50, 10, 10, {13.83, 19.24}, {6.17, 19.24}));
        QVERIFY(barbes(10, 10, 10, 10, {13.83, 19.24}, {6.17, 19.24}));
        QVERIFY(barbes(110, 10, 10, 10, {19.24, 6.17}, {19.24, 13.83}));
        BoitePicture boite(nullptr);
        boite.resize(40, 40);
        dessin_trait(boite, 2.5f, 0, 5, 5, 30, 30);
        QCOMPARE(boite.DrawWidth(), 2);
        dessin_rayon(boite, 3.5f, 0, 5, 5, 30, 30);
        QCOMPARE(boite.DrawWidth(), 4);
    }
};

QTEST_MAIN(TestGeometrieIcones)
#include "tst_geometrie_icones.moc"
