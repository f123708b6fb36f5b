// The blank tables of the fill-in texts and the committed text pictures they locate: counts,
// fixed rows, ranges, reading order, each box lying over exactly one blank of its picture, and
// each box wide enough for every answer its source accepts.
#include "texts/positions_trous_donnees.h"
#include "tools/textes/source_texte.h"

#include <QFontDatabase>
#include <QImage>
#include <QRegularExpression>
#include <QtTest>

namespace {

struct Attendu {
    const char* nom;
    int lignes;
    LigneTrou ligne0;
    int hauteur;  // picture height; 0 for the pictures that no theme shows
};

// In the order of the tables (trous_elec1 .. trous_optique4), with their row counts, rows 0 and
// picture heights.
const Attendu ATTENDUS[NOMBRE_TABLES_TROUS] = {
    // electricity
    {"trous_elec1", 20, {3585, 465, 1020}, 696}, {"trous_elec2", 15, {4215, 585, 1170}, 677},
    {"trous_elec3", 21, {2340, 585, 855}, 700}, {"trous_elec4", 9, {5745, 585, 2355}, 442},
    {"trous_elec5", 18, {3060, 585, 795}, 442}, {"trous_elec6", 9, {5190, 570, 2355}, 466},
    {"trous_elec7", 10, {6315, 585, 1470}, 489}, {"trous_elec8", 14, {1230, 585, 900}, 583},
    {"trous_elec9", 12, {5805, 585, 2445}, 489},
    // chemistry (pictures 1, 4, 11 and 12 are shown by no theme)
    {"trous_chimie1", 25, {1815, 585, 795}, 0}, {"trous_chimie2", 19, {255, 915, 2730}, 513},
    {"trous_chimie3", 12, {5445, 585, 825}, 419}, {"trous_chimie4", 15, {4950, 585, 1260}, 0},
    {"trous_chimie5", 18, {3915, 585, 855}, 559}, {"trous_chimie6", 13, {3075, 585, 2310}, 653},
    {"trous_chimie7", 9, {3075, 585, 2085}, 700},
    {"trous_chimie8", 13, {3840, 585, 1050}, 677}, {"trous_chimie9", 19, {630, 870, 1365}, 742},
    {"trous_chimie10", 20, {2145, 570, 975}, 745}, {"trous_chimie11", 23, {540, 585, 390}, 0},
    {"trous_chimie12", 19, {6030, 525, 1215}, 0}, {"trous_chimie13", 16, {2835, 585, 540}, 559},
    // optics
    {"trous_optique1", 15, {1815, 585, 1785}, 583}, {"trous_optique2", 10, {6135, 585, 1500}, 536},
    {"trous_optique3", 5, {7320, 585, 1500}, 442}, {"trous_optique4", 19, {1725, 585, 930}, 583},
};

bool operator==(const LigneTrou& a, const LigneTrou& b) {
    return a.Left == b.Left && a.Top == b.Top && a.Width == b.Width;
}

// A box on the picture, in pixels: 16 high, its width shown to the nearest pixel.
QRect boite(const LigneTrou& l) {
    return QRect(l.Left / 15, l.Top / 15, qRound(l.Width / 15.0), 16);
}

QImage image_de(const TableTrous& t) {
    return QImage(QStringLiteral("%1/assets/textes/%2/%3.png")
                      .arg(qEnvironmentVariable("VANTAREL_SOURCES"), QLatin1String(t.liste))
                      .arg(t.image));
}

bool blanc(QRgb c) { return (c & 0xFFFFFF) == 0xFFFFFF; }
// The text is drawn in greys; the markers of the blanks are the only coloured pixels.
bool colore(QRgb c) { return qRed(c) != qGreen(c) || qGreen(c) != qBlue(c); }

// The markers of a picture: on each row, runs of coloured pixels with gaps of at most one pixel
// (the dotted line), as (y, first x, last x).
QList<std::array<int, 3>> marqueurs(const QImage& im) {
    QList<std::array<int, 3>> m;
    for (int y = 0; y < im.height(); ++y) {
        int debut = -1, dernier = -1;
        for (int x = 0; x < im.width(); ++x) {
            if (colore(im.pixel(x, y))) {
                if (debut < 0) debut = x;
                dernier = x;
            } else if (debut >= 0 && x - dernier > 1) {
                m.append({y, debut, dernier});
                debut = -1;
            }
        }
        if (debut >= 0) m.append({y, debut, dernier});
    }
    return m;
}

}  // namespace

class TestContenuTextes : public QObject {
    Q_OBJECT
private slots:
    void tables_rangs_et_lignes_fixees();
    void valeurs_dans_leurs_plages_et_dans_l_ordre_de_lecture();
    void images_et_blancs_sous_les_boites();
    void reponses_acceptees_dans_leurs_boites();
};

void TestContenuTextes::tables_rangs_et_lignes_fixees() {
    int total = 0;
    for (int i = 0; i < NOMBRE_TABLES_TROUS; ++i) {
        const TableTrous& t = tables_trous[i];
        const Attendu& a = ATTENDUS[i];
        QCOMPARE(QLatin1String(t.nom), QLatin1String(a.nom));
        QCOMPARE(QStringLiteral("trous_%1%2").arg(QLatin1String(t.liste)).arg(t.image), QLatin1String(a.nom));
        QCOMPARE(t.nombre_lignes, a.lignes);
        QVERIFY2(t.lignes[0] == a.ligne0, a.nom);
        total += t.nombre_lignes;
    }
    QCOMPARE(total, 398);
    // The last row of the first text lies on its first line, right of row 0.
    QVERIFY(tables_trous[0].lignes[19] == (LigneTrou{6840, 465, 1965}));
    // The one design value that is not a whole number of pixels.
    QCOMPARE(tables_trous[11].lignes[11].Width, std::int16_t(1060));
    // "chimie14" shows chemistry picture 13 with trous_chimie13.
    QCOMPARE(QLatin1String(tables_trous[21].nom), QLatin1String("trous_chimie13"));
    QCOMPARE(tables_trous[21].image, 13);
    // In "chimie2", row 1 lies one line below row 2, which lies below row 0.
    const LigneTrou* c2 = tables_trous[10].lignes;
    QVERIFY(c2[2].Top > c2[0].Top && c2[1].Top > c2[2].Top);
}

void TestContenuTextes::valeurs_dans_leurs_plages_et_dans_l_ordre_de_lecture() {
    int gauche_min = INT_MAX, gauche_max = 0, haut_min = INT_MAX, haut_max = 0, largeur_min = INT_MAX, largeur_max = 0;
    for (int i = 0; i < NOMBRE_TABLES_TROUS; ++i) {
        const TableTrous& t = tables_trous[i];
        QList<int> ordre;
        for (int r = 0; r < t.nombre_lignes; ++r) {
            const LigneTrou& l = t.lignes[r];
            const QByteArray ou = QByteArray(t.nom) + " row " + QByteArray::number(r);
            const bool exception = i == 11 && r == 11;
            QVERIFY2(l.Left % 15 == 0 && l.Top % 15 == 0 && (exception || l.Width % 15 == 0), ou);
            QVERIFY2(l.Left >= 165 && l.Left <= 8490 && l.Top >= 465 && l.Top <= 5865, ou);
            QVERIFY2(l.Width >= 240 && l.Width <= 3435 && l.Left + l.Width <= 9180, ou);
            gauche_min = qMin(gauche_min, int(l.Left));
            gauche_max = qMax(gauche_max, int(l.Left));
            haut_min = qMin(haut_min, int(l.Top));
            haut_max = qMax(haut_max, int(l.Top));
            largeur_min = qMin(largeur_min, int(l.Width));
            largeur_max = qMax(largeur_max, int(l.Width));
            for (int s = 0; s < r; ++s)
                QVERIFY2(!boite(l).intersects(boite(t.lignes[s])), ou + " overlaps row " + QByteArray::number(s));
            if (i == 0 && r == 19) continue;  // on the first line, right of row 0
            ordre.append(r);
        }
        if (i == 10) ordre.swapItemsAt(1, 2);  // "chimie2": row 2 is read before row 1
        for (int k = 1; k < ordre.size(); ++k) {
            const LigneTrou& p = t.lignes[ordre[k - 1]];
            const LigneTrou& l = t.lignes[ordre[k]];
            QVERIFY2(l.Top > p.Top || (l.Top == p.Top && l.Left > p.Left),
                     QByteArray(t.nom) + " row " + QByteArray::number(ordre[k]) + " out of reading order");
        }
    }
    QCOMPARE(gauche_min, 165);
    QCOMPARE(gauche_max, 8490);
    QCOMPARE(haut_min, 465);
    QCOMPARE(haut_max, 5865);
    QCOMPARE(largeur_min, 240);
    QCOMPARE(largeur_max, 3435);
}

void TestContenuTextes::images_et_blancs_sous_les_boites() {
    const QRect utile(0, 0, 612, 408);
    const QRect bouton(488, 5, 121, 20);  // "Valider les réponses" over the picture
    QSet<QRgb> couleurs_marqueurs;
    for (int i = 0; i < NOMBRE_TABLES_TROUS; ++i) {
        const TableTrous& t = tables_trous[i];
        const QImage im = image_de(t).convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!im.isNull(), t.nom);
        QCOMPARE(im.width(), 641);
        if (ATTENDUS[i].hauteur) QCOMPARE(im.height(), ATTENDUS[i].hauteur);
        else QVERIFY(im.height() >= 412);
        for (int y = 0; y < im.height(); ++y)
            for (int x = 0; x < im.width(); ++x) {
                const QRgb c = im.pixel(x, y);
                if (blanc(c)) continue;
                QVERIFY2(utile.contains(x, y) && !bouton.contains(x, y),
                         QByteArray(t.nom) + QByteArray(" ink at ") + QByteArray::number(x) + "," + QByteArray::number(y));
                if (colore(c)) couleurs_marqueurs.insert(c & 0xFFFFFF);
            }
        const auto m = marqueurs(im);
        QCOMPARE(m.size(), t.nombre_lignes);
        for (int r = 0; r < t.nombre_lignes; ++r) {
            const QRect b = boite(t.lignes[r]);
            const QByteArray ou = QByteArray(t.nom) + " row " + QByteArray::number(r);
            QVERIFY2(utile.contains(b), ou);
            int sous = 0;
            for (const auto& k : m)
                if (k[0] == b.bottom() && k[2] >= b.left() && k[1] <= b.right()) {
                    ++sous;
                    QVERIFY2(qAbs(k[1] - b.left()) <= 1 && qAbs(k[2] - b.right()) <= 1, ou + " marker not as wide as its box");
                }
            QVERIFY2(sous == 1, ou + " not over exactly one marker");
            for (int y = b.top(); y < b.bottom(); ++y)
                for (int x = b.left(); x <= b.right(); ++x)
                    QVERIFY2(blanc(im.pixel(x, y)), ou + " ink in the box");
            for (int x = b.left(); x <= b.right(); ++x)
                QVERIFY2(blanc(im.pixel(x, b.bottom())) || colore(im.pixel(x, b.bottom())), ou + " ink on the marker row");
        }
    }
    QCOMPARE(couleurs_marqueurs.size(), 1);
}

// Each source gives its blanks in the order of its table's rows once the fixed rows are set apart;
// every box holds the widest accepted answer in the entry boxes' font, and braces stay inside the
// blanks.
void TestContenuTextes::reponses_acceptees_dans_leurs_boites() {
    const QString racine = qEnvironmentVariable("VANTAREL_SOURCES");
    const int id = QFontDatabase::addApplicationFont(racine + "/tools/textes/police/ComicNeue-Regular.otf");
    QVERIFY(id >= 0);
    QFont police(QFontDatabase::applicationFontFamilies(id).first());
    police.setPixelSize(TAILLE_BOITE_PX);
    police.setHintingPreference(QFont::PreferNoHinting);
    const QFontMetricsF boite(police);
    const QRegularExpression crochets(QStringLiteral("\\[([^\\]]*)\\]"));
    for (const TableTrous& t : tables_trous) {
        SourceTexte s;
        QVERIFY2(lire_source(racine, QLatin1String(t.liste), t.image, s), t.nom);
        QList<TrouSource> trous;
        QStringList erreurs;
        for (const QString& ligne : s.texte) {
            for (const auto& m : crochets.globalMatch(ligne)) trous.append(lire_trou(m.captured(1), erreurs));
            QVERIFY2(!QString(ligne).remove(crochets).contains(QRegularExpression("[{}\\[\\]]")), qPrintable(ligne));
        }
        QList<std::optional<int>> rangs;
        for (const TrouSource& trou : trous) rangs.append(trou.rang);
        const QList<int> ordre = rangs_des_trous(rangs, t.nombre_lignes, erreurs);
        QVERIFY2(erreurs.isEmpty(), qPrintable(erreurs.join(", ")));
        QCOMPARE(trous.size(), t.nombre_lignes);
        for (int r = 0; r < t.nombre_lignes; ++r) {
            const TrouSource& trou = trous[ordre[r]];
            QVERIFY2(trou.besoin(boite) + JEU_BOITE <= t.lignes[r].Width / 15.0,
                     qPrintable(QStringLiteral("%1 row %2: « %3 »").arg(QLatin1String(t.nom)).arg(r).arg(trou.plus_large(boite))));
        }
    }
}

QTEST_MAIN(TestContenuTextes)
#include "tst_contenu_textes.moc"
