// The blank tables as the start-up builds them: zero before it, the design values on a screen
// of 15 twips per pixel, and the adaptation to other screens, halves to even.
#include "platform/ecran.h"
#include "tests/support/fixture.h"
#include "texts/positions_trous.h"

#include <QtTest>

namespace {
QList<int> cellules() {
    QList<int> l;
    for (int t = 0; t < NOMBRE_TABLES_TROUS; ++t) {
        const positions_trous& p = table_positions_trous(t);
        for (int i = 0; i <= p.UBound(); ++i)
            for (int c = 1; c <= 3; ++c) l << p(i, c);
    }
    return l;
}

QList<int> ligne(const char* table, int i) {
    const positions_trous& p = *table_positions_trous(table);
    return {p(i, 1), p(i, 2), p(i, 3)};
}
}

class TestPositionsTrous : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }

    void zero_avant_le_demarrage_puis_les_valeurs_de_conception() {
        const QList<int> avant = cellules();
        QCOMPARE(avant.size(), 398 * 3);
        QVERIFY(std::all_of(avant.begin(), avant.end(), [](int v) { return v == 0; }));
        demarrer_programme();  // the main window's load builds them
        QCOMPARE(ligne("trous_elec1", 0), QList<int>({3585, 465, 1020}));
        QCOMPARE(ligne("trous_elec1", 19), QList<int>({6840, 465, 1965}));
        QCOMPARE(ligne("trous_chimie3", 11).at(2), 1060);
        QCOMPARE(ligne("trous_optique4", 0), QList<int>({1725, 585, 930}));
        QVERIFY(!table_positions_trous("trous_chimie14"));
    }

    void adaptees_a_l_ecran() {
        struct Cas {
            float tx, ty;
            QList<int> elec1, chimie1;
            int chimie3_largeur;
        };
        const Cas cas[] = {
            {12, 12, {2868, 372, 816}, {1452, 468, 636}, 848},
            // Halves go to the even neighbour: 1792.5 -> 1792.
            {7.5f, 7.5f, {1792, 232, 510}, {908, 292, 398}, 530},
            // One axis is enough, and only its column moves.
            {15, 12, {3585, 372, 1020}, {1815, 468, 795}, 1060},
        };
        for (const Cas& c : cas) {
            ecran::fixer_twips_par_pixel(c.tx, c.ty);
            demarrer_programme();
            QCOMPARE(ligne("trous_elec1", 0), c.elec1);
            QCOMPARE(ligne("trous_chimie1", 0), c.chimie1);  // a table no theme shows
            QCOMPARE(ligne("trous_chimie3", 11).at(2), c.chimie3_largeur);
            // A second run starts again from the design values.
            const QList<int> une = cellules();
            initialiser_positions_trous();
            QCOMPARE(cellules(), une);
            reinitialiser_programme();
        }
    }
};

QTEST_MAIN(TestPositionsTrous)
#include "tst_positions_trous.moc"
