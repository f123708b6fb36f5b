// The optics scene model: program-start values, what the sheet's load resets and keeps, the
// kinds table, the stroke directions, and tables that grow past a thousand entries.
#include "optics/sheet/etat_optique.h"
#include "tests/support/fixture.h"

#include <QtTest>

class TestEtatOptique : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }

    void chargement_et_depart() {
        type_selection = nom_ergot = "rayon";
        nb_rayon = 3;
        nb_lampe = nb_soleil = index_selection = index_texte_optique = 5;
        angle_lampe[5] = angle_lampe[0] = 90;
        couleur_lampe[0] = 0xFF;
        glisse_ergot_rayon = edition_texte_optique = outil_cercle = trace_rayon = true;
        epaisseur_trait_courante = 4;
        reinitialiser_chargement_optique();
        // Kept: stroke numbering, the selection kind, drags, notes, entries above 0.
        QCOMPARE(nb_rayon + 1, 4);
        QVERIFY(type_selection == "rayon" && nom_ergot == "rayon" && index_texte_optique == 5);
        QVERIFY(glisse_ergot_rayon && edition_texte_optique);
        QCOMPARE(angle_lampe.valeur(5), 90.0f);
        // Reset: palette counters, index, entry 0 of the tables, current styles, tools.
        QVERIFY(nb_lampe + 1 == 1 && nb_soleil == 0 && index_selection == 0 && angle_lampe.valeur(0) == 0);
        QVERIFY(!outil_cercle && !trace_rayon);
        QVERIFY(couleur_rayon_courante == 0xFF && epaisseur_trait_courante == 2 && epaisseur_cercle_courante == 1);
        QCOMPARE(remplissage_cercle_courant, 0xFFFFFFu);
        QList<std::uint32_t> defauts;
        for (const TypeElement& t : types_elements())
            if (t.couleurs) defauts << t.couleurs->valeur(0);
        QCOMPARE(defauts, QList<std::uint32_t>({0xFFFF, 0xFF00FF, 0xFF, 0xFF0000, 0xFF, 0xFF}));
        reinitialiser_etat_optique();
        QVERIFY(type_selection.isEmpty() && nb_rayon == 0 && couleur_lampe.valeur(0) == 0 && angle_lampe.valeur(5) == 0);
        QVERIFY(couleur_rayon_courante == 0 && !glisse_ergot_rayon && !edition_texte_optique);
    }

    void types_et_tables() {
        int palette = 0, angles = 0;
        for (const TypeElement& t : types_elements()) {
            palette += t.palette;
            angles += t.angles != nullptr;
            QVERIFY(!t.angles == !(t.icone || t.icone_coloree));
        }
        QVERIFY(palette == 16 && angles == 13);
        QVERIFY(type_element("lampe")->remplissage_plein && type_element("bouledemi")->remplissage_plein);
        QCOMPARE(type_element("bouledemi")->info_bulle, "Boule éclairée");
        QVERIFY(type_element("Lampe") == nullptr);  // names compare exactly
        // Past the thousandth element the tables grow; creation stops at the 16-bit ceiling.
        angle_laser[1500] = 45;
        QVERIFY(angle_laser.valeur(1500) == 45 && angle_laser.valeur(1499) == 0);
        QVERIFY(creation_possible(32766) && !creation_possible(32767));
    }

    void directions() {
        // In a 100 x 60 box with m = 10; with m = 5, 10 becomes 5, 90 becomes 95 and 50 becomes 55.
        const QList<std::pair<const char*, QLineF>> cas = {
            {"gauche_droite_montant", {10, 50, 90, 10}},    {"gauche_droite_descendant", {10, 10, 90, 50}},
            {"droite_gauche_montant", {90, 50, 10, 10}},    {"droite_gauche_descendant", {90, 10, 10, 50}},
            {"vertical_montant", {10, 50, 10, 10}},         {"vertical_descendant", {10, 10, 10, 50}},
            {"horizontal_gauche_droite", {10, 10, 90, 10}}, {"horizontal_droite_gauche", {90, 10, 10, 10}},
        };
        const auto m5 = [](QPointF p) { return QPointF(p.x() == 10 ? 5 : 95, p.y() == 10 ? 5 : 55); };
        for (const auto& [nom, l] : cas) {
            const auto e10 = extremites_trace(nom, 100, 60, marge_rayon), e5 = extremites_trace(nom, 100, 60, marge_trait);
            QCOMPARE(QLineF(e10->first, e10->second), l);
            QCOMPARE(QLineF(e5->first, e5->second), QLineF(m5(l.p1()), m5(l.p2())));
        }
        QVERIFY(!extremites_trace("", 100, 60, 10) && !extremites_trace("Vertical_montant", 100, 60, 10));
    }
};

QTEST_MAIN(TestEtatOptique)
#include "tst_etat_optique.moc"
