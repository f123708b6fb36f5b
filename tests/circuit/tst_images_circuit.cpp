// The circuit window's pictures: the symbols' pixels, leads and colours, the lamp's rim at its
// leads, the switches' contacts and blade, the grid, and the sizes of the icon, cursors, tool bar
// images, theme tab and text dialog pictures.
#include "platform/images.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QtTest>

namespace {

QString source(const QString& chemin) {
    QFile f(qEnvironmentVariable("VANTAREL_SOURCES") + "/assets/circuit/" + chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

// Whether a source draws only whole pixels: crisp, and made of nothing but rectangles on whole
// pixels (a ground, then paths of runs "M x y h w v h h -w z"), which come out the same whether the
// renderer smooths edges or not.
bool pixels_entiers(const QString& chemin) {
    QString texte = source(chemin);
    static const QRegularExpression commentaire(QStringLiteral("<!--.*?-->"), QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression racine(QStringLiteral(
        "^\\s*<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"(\\d+)\" height=\"(\\d+)\" viewBox=\"0 0 \\1 \\2\" "
        "shape-rendering=\"crispEdges\">"));
    static const QRegularExpression element(QStringLiteral(
        "^\\s*(<rect width=\"\\d+\" height=\"\\d+\" fill=\"#[0-9a-f]{6}\"/>|"
        "<path fill=\"#[0-9a-f]{6}\" d=\"(M\\d+ \\d+h\\d+v\\d+h-\\d+z)+\"/>)"));
    texte.remove(commentaire);
    QRegularExpressionMatch m = racine.match(texte);
    if (!m.hasMatch()) return false;
    texte.remove(0, m.capturedLength());
    while ((m = element.match(texte)).hasMatch()) texte.remove(0, m.capturedLength());
    return texte.trimmed() == QLatin1String("</svg>");
}

// Colours other than white and the fills the source declares; empty when none.
QString couleur_etrangere(const QString& chemin, const QImage& image) {
    QSet<QRgb> permises = {qRgb(255, 255, 255)};
    static const QRegularExpression remplissage(QStringLiteral("fill=\"#([0-9a-fA-F]{6})\""));
    for (const auto& m : remplissage.globalMatch(source(chemin))) permises.insert(0xFF000000u | m.captured(1).toUInt(nullptr, 16));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (!permises.contains(image.pixel(x, y))) return QStringLiteral("%1,%2 #%3").arg(x).arg(y).arg(image.pixel(x, y) & 0xFFFFFF, 6, 16);
    return {};
}

// The pixels reached from `de` through pixels of its own kind, ink or white, corners touching
// for ink and not for white (a ring's hole is closed by a diagonal step).
QSet<quint32> region(const QImage& image, QPoint de) {
    const bool blanc = image.pixel(de) == qRgb(255, 255, 255);
    QSet<quint32> vus;
    QList<QPoint> pile = {de};
    while (!pile.isEmpty()) {
        const QPoint p = pile.takeLast();
        if (!image.rect().contains(p) || (image.pixel(p) == qRgb(255, 255, 255)) != blanc || vus.contains(p.y() * 64 + p.x())) continue;
        vus.insert(p.y() * 64 + p.x());
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (!blanc || dx == 0 || dy == 0) pile << p + QPoint(dx, dy);
    }
    return vus;
}

// Whether the lead pixel `de` reaches `vers` through ink.
bool relies(const QImage& image, QPoint de, QPoint vers) {
    return image.pixel(de) != qRgb(255, 255, 255) && region(image, de).contains(vers.y() * 64 + vers.x());
}

// A symbol read as if its leads ran across on row 16: for one whose leads run up and down, the
// point (x, y) is its pixel (y, x).
struct EnTravers {
    QImage image;
    bool vertical;
    QPoint point(int x, int y) const { return vertical ? QPoint(y, x) : QPoint(x, y); }
    bool encre(int x, int y) const { return image.pixel(point(x, y)) != qRgb(255, 255, 255); }
};

QImage symbole_noir(const QString& nom) {
    return image_integree(":/assets/circuit/symboles/" + nom + ".svg", QSize(32, 32));
}

}  // namespace

class TestImagesCircuit : public QObject {
    Q_OBJECT
private slots:
    void symboles_data();
    void symboles();
    void lampe_sans_bout_de_fil();
    void interrupteurs_data();
    void interrupteurs();
    void grille();
    void autres_images_data();
    void autres_images();
};

void TestImagesCircuit::symboles_data() {
    QTest::addColumn<int>("bornes");  // 1 left and right, 2 top and bottom, 3 all four
    QTest::addColumn<bool>("conduit");  // the leads are joined through the drawing
    const struct {
        const char* nom;
        int bornes;
        bool conduit;
    } lignes[] = {
        {"Pile1", 1, false},         {"Pile2", 1, false},         {"Pile3", 2, false},         {"Pile4", 2, false},
        {"Resistance1", 1, true},    {"Resistance2", 2, true},    {"diode1", 1, true},         {"diode2", 1, true},
        {"diode3", 2, true},         {"diode4", 2, true},         {"Lampe1", 3, true},         {"Interrupteur1", 1, true},
        {"Interrupteur2", 1, false}, {"Interrupteur3", 2, false}, {"Interrupteur4", 2, true},  {"Moteur1", 1, true},
        {"Moteur2", 2, true},
    };
    for (const auto& l : lignes) QTest::newRow(l.nom) << l.bornes << l.conduit;
}

// Black on exactly white, drawn from whole pixels, leads on the lead axes reaching the edges,
// a closed switch and the other conductors joined lead to lead, a cell and an open switch not; the
// red picture is the black one's pixels in pure red.
void TestImagesCircuit::symboles() {
    QFETCH(int, bornes);
    QFETCH(bool, conduit);
    const QString nom = QLatin1String(QTest::currentDataTag()) + ".svg";
    QVERIFY(pixels_entiers("symboles/" + nom));
    QVERIFY(pixels_entiers("symboles_rouges/" + nom));
    QCOMPARE(QSvgRenderer(":/assets/circuit/symboles/" + nom).defaultSize(), QSize(32, 32));
    const QImage noir = image_integree(":/assets/circuit/symboles/" + nom, QSize(32, 32));
    const QImage rouge = image_integree(":/assets/circuit/symboles_rouges/" + nom, QSize(32, 32));
    int encre = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const QRgb n = noir.pixel(x, y);
            QVERIFY2(n == qRgb(0, 0, 0) || n == qRgb(255, 255, 255), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            QCOMPARE(rouge.pixel(x, y), n == qRgb(0, 0, 0) ? qRgb(255, 0, 0) : n);
            encre += n == qRgb(0, 0, 0);
        }
    QVERIFY(encre > 40);
    const QPoint gauche(0, 16), droite(31, 16), haut(16, 0), bas(16, 31);
    const auto noirs = [&](QPoint a, QPoint b) { return noir.pixel(a) == qRgb(0, 0, 0) && noir.pixel(b) == qRgb(0, 0, 0); };
    QCOMPARE(noirs(gauche, droite), bornes != 2);
    QCOMPARE(noirs(haut, bas), bornes != 1);
    QCOMPARE(bornes == 2 ? relies(noir, haut, bas) : relies(noir, gauche, droite), conduit);
}

// One picture serves the lamp whichever way its leads go: on either axis the circle itself meets
// each lead at the edge (its rim runs across the lead), with no stub of wire inside the box that
// would read as a terminal.
void TestImagesCircuit::lampe_sans_bout_de_fil() {
    for (bool vertical : {false, true}) {
        const EnTravers lampe{symbole_noir("Lampe1"), vertical};
        for (const auto& [bord, dedans] : {std::pair{0, 1}, std::pair{31, -1}}) {
            const QString ou = QStringLiteral("%1 edge %2").arg(vertical ? "vertical" : "horizontal").arg(bord);
            QVERIFY2(lampe.encre(bord, 16) && lampe.encre(bord, 15) && lampe.encre(bord, 17), qPrintable(ou));
            QVERIFY2(!lampe.encre(bord + dedans, 16) && !lampe.encre(bord + 2 * dedans, 16), qPrintable(ou));
        }
    }
}

void TestImagesCircuit::interrupteurs_data() {
    QTest::addColumn<QString>("ferme");
    QTest::addColumn<QString>("ouvert");
    QTest::addColumn<bool>("vertical");
    QTest::newRow("horizontal") << "Interrupteur1" << "Interrupteur2" << false;
    QTest::newRow("vertical") << "Interrupteur4" << "Interrupteur3" << true;
}

// A closed switch does not read as a wire between two junction dots: its contacts are hollow,
// its blade thicker than a lead; and the open one is the same picture with the blade turned.
void TestImagesCircuit::interrupteurs() {
    QFETCH(QString, ferme);
    QFETCH(QString, ouvert);
    QFETCH(bool, vertical);
    const EnTravers f{symbole_noir(ferme), vertical}, o{symbole_noir(ouvert), vertical};
    // The holes of the two contacts: the white runs of the closed switch's lead row, each shut in by ink.
    QList<QPair<int, int>> trous;
    for (int x = 0; x < 32; ++x) {
        if (f.encre(x, 16)) continue;
        if (!trous.isEmpty() && trous.last().second == x - 1) trous.last().second = x;
        else trous.append({x, x});
    }
    QCOMPARE(trous.size(), 2);
    for (const auto& [debut, fin] : trous)
        for (quint32 p : region(f.image, f.point(debut, 16))) {
            const int x = int(p % 64), y = int(p / 64);
            QVERIFY2(x > 0 && y > 0 && x < 31 && y < 31, "contact open to the edge");
        }
    // Between the contacts the blade is at least two pixels thick, everywhere.
    for (int x = trous[0].second + 2; x <= trous[1].first - 2; ++x) {
        int epaisseur = 0;
        for (int y = 0; y < 32; ++y) epaisseur += f.encre(x, y);
        QVERIFY2(epaisseur >= 2, qPrintable(QStringLiteral("column %1").arg(x)));
    }
    // Leads and contacts alike; the blades differ, of about the same ink.
    int encre_fermee = 0, encre_ouverte = 0;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            if (x <= trous[0].second || x >= trous[1].first)
                QVERIFY2(f.encre(x, y) == o.encre(x, y), qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            encre_fermee += f.encre(x, y);
            encre_ouverte += o.encre(x, y);
        }
    QVERIFY2(qAbs(encre_ouverte - encre_fermee) * 5 <= encre_fermee, qPrintable(QStringLiteral("%1 %2").arg(encre_fermee).arg(encre_ouverte)));
}

// Light grey lines one pixel before each multiple of 8, white elsewhere.
void TestImagesCircuit::grille() {
    const QImage g = image_integree(":/assets/circuit/grille.svg", QSize(432, 368));
    QCOMPARE(QSvgRenderer(QStringLiteral(":/assets/circuit/grille.svg")).defaultSize(), QSize(432, 368));
    QVERIFY(pixels_entiers("grille.svg"));
    for (int y = 0; y < 368; ++y)
        for (int x = 0; x < 432; ++x)
            if (g.pixel(x, y) != (x % 8 == 7 || y % 8 == 7 ? qRgb(0xEA, 0xEA, 0xEA) : qRgb(255, 255, 255)))
                QFAIL(qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
}

void TestImagesCircuit::autres_images_data() {
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<bool>("net");  // drawn from whole pixels, in the colours the source declares
    QTest::newRow("icone.svg") << QSize(32, 32) << true;
    for (const char* c : {"curseurs/1.svg", "curseurs/2.svg", "curseurs/quatre_fleches.svg"})
        QTest::newRow(c) << QSize(32, 32) << true;
    for (int i = 1; i <= 11; ++i)
        QTest::newRow(qPrintable(QStringLiteral("ImageList2/%1.svg").arg(i))) << QSize(24, 24) << true;
    for (int i : {1, 2, 7, 8, 11, 12})
        QTest::newRow(qPrintable(QStringLiteral("ImageList1/%1.svg").arg(i))) << QSize(24, 24) << false;
    for (const char* c : {"ImageList_command1/1.svg", "ImageList_command1/2.svg"}) QTest::newRow(c) << QSize(61, 160) << false;
    QTest::newRow("ajout_texte/fond.svg") << QSize(339, 120) << false;
    QTest::newRow("ajout_texte/Command1.svg") << QSize(454, 50) << false;
    QTest::newRow("ajout_texte/Command2.svg") << QSize(397, 50) << false;
}

// Each picture exists at the size it is shown and is not blank; the crisp ones hold only white
// and their declared colours, drawn from whole pixels.
void TestImagesCircuit::autres_images() {
    QFETCH(QSize, taille);
    QFETCH(bool, net);
    const QString chemin = QLatin1String(QTest::currentDataTag());
    QCOMPARE(QSvgRenderer(":/assets/circuit/" + chemin).defaultSize(), taille);
    const QImage image = image_integree(":/assets/circuit/" + chemin, taille);
    QCOMPARE(image.size(), taille);
    bool dessin = false;
    for (int y = 0; y < taille.height() && !dessin; ++y)
        for (int x = 0; x < taille.width() && !dessin; ++x) dessin = image.pixel(x, y) != qRgb(255, 255, 255);
    QVERIFY(dessin);
    if (!net) return;
    QVERIFY(pixels_entiers(chemin));
    QCOMPARE(couleur_etrangere(chemin, image), QString());
}

QTEST_MAIN(TestImagesCircuit)
#include "tst_images_circuit.moc"
