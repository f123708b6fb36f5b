// The picture box's drawing layer that the optics pictures rely on: places kept as set, the
// scale, clearing over the stored picture, circles and pies, and the device-pixel calls.
#include "platform/controles.h"
#include "platform/dessin.h"
#include "tests/support/fixture.h"

#include <QtTest>

namespace {
constexpr QRgb BLANC = 0xFFFFFFFF, ROUGE = 0xFFFF0000, NOIR = 0xFF000000;

BoitePicture* boite_blanche(QWidget* parent, int l, int h) {
    auto* b = new BoitePicture(parent);
    b->resize(l, h);
    b->BackColor(0xFFFFFF);
    b->Cls();
    return b;
}
}

class TestBoiteDessin : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }

    void places_et_echelle() {
        QWidget parent;
        BoitePicture* b = boite_blanche(&parent, 40, 20);
        b->Left(82.5);
        b->Top(83.5);
        b->Width(40.5);
        QCOMPARE(QRectF(b->Left(), b->Top(), b->Width(), b->Height()), QRectF(82.5, 83.5, 40.5, 20));
        QCOMPARE(b->geometry(), QRect(82, 84, 40, 20));  // halves to even
        b->move(10, 12);                                 // moved by other means: read where it is
        QCOMPARE(b->Left(), 10.0);
        QCOMPARE(b->ScaleWidth(), 40.0);  // pixel scale: the whole-pixel size
        b->ScaleWidth(4);
        b->ScaleHeight(-2);
        b->ScaleTop(1);
        b->ScaleLeft(-2);
        b->ScaleWidth(0);  // refused
        QCOMPARE(b->echelle_vers_pixels({1, 0.5}), QPointF(30, 5));  // y upwards
        QCOMPARE(b->pixels_vers_echelle({30, 5}), QPointF(1, 0.5));
        b->Line(-1, 0, 1, 0, 0xFF);  // the middle row, a quarter to three quarters across, ends included
        QVERIFY(b->Image().pixel(10, 10) == ROUGE && b->Image().pixel(30, 10) == ROUGE);
        QVERIFY(b->Image().pixel(31, 10) == BLANC && b->Image().pixel(20, 9) == BLANC);
        b->ScaleMode(3);
        QCOMPARE(b->pixels_vers_echelle({30, 5}), QPointF(30, 5));
    }

    void effacement_et_cercles() {
        QWidget parent;
        BoitePicture* b = boite_blanche(&parent, 40, 40);
        QImage vert(10, 10, QImage::Format_RGB32);
        vert.fill(Qt::green);
        b->definir_image(vert);
        b->Line(0, 30, 39, 30, 0);
        b->Cls();  // the stored picture stays, the drawing goes to pure white
        QVERIFY(b->Image().pixel(5, 5) == qRgb(0, 255, 0) && b->Image().pixel(5, 30) == BLANC);
        b->effacer_image();
        b->FillColor(0xFF);
        b->Circle(20, 20, 10, 0u);  // transparent FillStyle: not filled
        QCOMPARE(b->Image().pixel(20, 20), BLANC);
        b->FillStyle(0);
        b->ScaleWidth(80);  // a radius of 10 horizontal units is 5 pixels
        b->Circle(40, 20, 10, 0u);
        QVERIFY(b->Image().pixel(20, 20) == ROUGE && b->Image().pixel(20, 13) == BLANC);
        // Both angles negative: a closed pie counter-clockwise from the top to the bottom.
        b->Cls();
        b->ScaleMode(3);
        b->FillColor(0);
        b->Circle(20, 20, 15, 0u, -M_PI / 2, -3 * M_PI / 2);
        QVERIFY(b->Image().pixel(12, 20) == NOIR && b->Image().pixel(28, 20) == BLANC);
    }

    void appels_en_pixels() {
        QWidget parent;
        BoitePicture* b = boite_blanche(&parent, 40, 40);
        BoitePicture* c = boite_blanche(&parent, 40, 40);
        b->ScaleWidth(-7);  // whatever the scale
        const QPolygon carre({{5, 5}, {20, 5}, {20, 20}, {5, 20}});
        QVERIFY(!dessin::remplir_region(*b, QPolygon({{5, 5}, {20, 5}, {35, 5}, {20, 5}}), 0));
        QVERIFY(dessin::remplir_region(*b, carre, 0xFF) && dessin::remplir_region(*c, carre, 0xFF));
        QCOMPARE(b->Image().pixel(10, 10), ROUGE);
        dessin::ellipse(*b, {0, 1, 0}, 0xFFFFFF, 30, 30, 10, 10);  // corners the other way round
        dessin::ellipse(*c, {0, 1, 0}, 0xFFFFFF, 10, 10, 30, 30);
        QCOMPARE(b->Image(), c->Image());
        QVERIFY(c->Image().pixel(10, 20) == NOIR && c->Image().pixel(30, 20) == BLANC);  // right edge left out
        // A stretched copy takes the nearest pixel: no new colour.
        QImage damier(2, 1, QImage::Format_RGB32);
        damier.setPixel(0, 0, ROUGE);
        damier.setPixel(1, 0, NOIR);
        dessin::copie_etiree(*c, QRect(0, 0, 7, 3), damier, QRect(0, 0, 2, 1));
        QVERIFY(c->Image().pixel(2, 2) == ROUGE && c->Image().pixel(4, 2) == NOIR);
    }
};

QTEST_MAIN(TestBoiteDessin)
#include "tst_boite_dessin.moc"
