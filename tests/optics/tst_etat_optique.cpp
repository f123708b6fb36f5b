// The optics scene model: program-start values, what the sheet's load resets and keeps, the
// kinds table, the stroke directions, and tables that grow past a thousand entries.
#include "optics/sheet/etat_optique.h"
#include "tests/support/fixture.h"

#include <QtTest>

class TestEtatOptique : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }

    void valeurs_de_depart_et_chargement() {
        // Dirty everything, then the program-start reset clears it all.
        type_selection = "rayon";
        nb_rayon = 3;
        nb_lampe = 5;
        nb_soleil = 2;
        index_selection = 5;
        angle_lampe[5] = 90;
        couleur_lampe[0] = 0xFF;
        x1_rayon[3] = 10;
        glisse_ergot_rayon = true;
        nom_ergot = "ergot2";
        outil_cercle = trace_rayon = true;
        index_texte_optique = 4;
        edition_texte_optique = true;
        epaisseur_trait_courante = 4;

        reinitialiser_chargement_optique();
        // Kept: stroke numbering, the selection kind, drags, notes, entries above 0.
        QCOMPARE(nb_rayon + 1, 4);
        QCOMPARE(type_selection, QString("rayon"));
        QVERIFY(glisse_ergot_rayon && edition_texte_optique);
        QCOMPARE(nom_ergot, QString("ergot2"));
        QCOMPARE(index_texte_optique, 4);
        QCOMPARE(angle_lampe.valeur(5), 90.0f);
        QCOMPARE(x1_rayon.valeur(3), 10.0f);
        // Reset: palette counters, index, entry 0, current styles, tools.
        QCOMPARE(nb_lampe + 1, 1);
        QCOMPARE(nb_soleil, 0);
        QCOMPARE(index_selection, 0);
        QCOMPARE(angle_lampe.valeur(0), 0.0f);
        QCOMPARE(couleur_lampe.valeur(0), 0xFFFFu);
        QVERIFY(!outil_cercle && !trace_rayon);
        QCOMPARE(couleur_rayon_courante, 0xFFu);
        QCOMPARE(epaisseur_trait_courante, 2);
        QCOMPARE(epaisseur_cercle_courante, 1);
        QCOMPARE(remplissage_cercle_courant, 0xFFFFFFu);
        const std::uint32_t defauts[] = {0xFFFF, 0xFF00FF, 0xFF, 0xFF0000, 0xFF, 0xFF};
        int i = 0;
        for (const TypeElement& t : types_elements())
            if (t.couleurs) QCOMPARE(t.couleurs->valeur(0), defauts[i++]);
        QCOMPARE(i, 6);

        reinitialiser_etat_optique();
        QVERIFY(type_selection.isEmpty() && nom_ergot.isEmpty());
        QCOMPARE(nb_rayon, 0);
        QCOMPARE(couleur_lampe.valeur(0), 0u);
        QCOMPARE(angle_lampe.valeur(5), 0.0f);
        QCOMPARE(couleur_rayon_courante, 0u);
        QVERIFY(!glisse_ergot_rayon && !edition_texte_optique);
    }

    void types_et_tables() {
        QCOMPARE(int(types_elements().size()), 19);
        int palette = 0, angles = 0;
        for (const TypeElement& t : types_elements()) {
            palette += t.palette;
            angles += t.angles != nullptr;
            QVERIFY(!t.angles == !(t.icone || t.icone_coloree));
        }
        QCOMPARE(palette, 16);
        QCOMPARE(angles, 13);
        QVERIFY(type_element("lampe")->remplissage_plein && type_element("bouledemi")->remplissage_plein);
        QCOMPARE(type_element("bouledemi")->info_bulle, "Boule éclairée");
        QCOMPARE(type_element("cercle")->menu, "mnuflottantcercle");
        QVERIFY(type_element("Lampe") == nullptr);  // names compare exactly
        // Past the thousandth element: the tables grow, creation stops at the 16-bit ceiling.
        angle_laser[1500] = 45;
        couleur_cube[1500] = 0xFF;
        QCOMPARE(angle_laser.valeur(1500), 45.0f);
        QCOMPARE(couleur_cube.valeur(1500), 0xFFu);
        QCOMPARE(angle_laser.valeur(1499), 0.0f);
        QVERIFY(creation_possible(32766));
        QVERIFY(!creation_possible(32767));
    }

    void directions() {
        struct Cas {
            const char* nom;
            QPointF debut10, fin10;
        };
        // A 100 x 60 box with m = 10; with m = 5 every 10 becomes 5, 90 becomes 95, 50 becomes 55.
        const Cas cas[] = {
            {"gauche_droite_montant", {10, 50}, {90, 10}},    {"gauche_droite_descendant", {10, 10}, {90, 50}},
            {"droite_gauche_montant", {90, 50}, {10, 10}},    {"droite_gauche_descendant", {90, 10}, {10, 50}},
            {"vertical_montant", {10, 50}, {10, 10}},         {"vertical_descendant", {10, 10}, {10, 50}},
            {"horizontal_gauche_droite", {10, 10}, {90, 10}}, {"horizontal_droite_gauche", {90, 10}, {10, 10}},
        };
        const auto marge5 = [](QPointF p) { return QPointF(p.x() == 10 ? 5 : 95, p.y() == 10 ? 5 : 55); };
        for (const Cas& c : cas) {
            const auto e10 = extremites_trace(c.nom, 100, 60, marge_rayon);
            const auto e5 = extremites_trace(c.nom, 100, 60, marge_trait);
            QVERIFY(e10 && e5);
            QCOMPARE(e10->first, c.debut10);
            QCOMPARE(e10->second, c.fin10);
            QCOMPARE(e5->first, marge5(c.debut10));
            QCOMPARE(e5->second, marge5(c.fin10));
        }
        QCOMPARE(int(directions_trace().size()), 8);
        QVERIFY(!extremites_trace("", 100, 60, 10));
        QVERIFY(!extremites_trace("Vertical_montant", 100, 60, 10));
    }
};

QTEST_MAIN(TestEtatOptique)
#include "tst_etat_optique.moc"
