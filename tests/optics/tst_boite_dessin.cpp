// The picture box's drawing layer that the optics pictures rely on: places kept as set, the
// scale, clearing over the stored picture, circles and pies, and the device-pixel calls.
#include "platform/controles.h"
#include "platform/dessin.h"
#include "tests/support/fixture.h"

#include <QtTest>

namespace {
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

    void places_gardees_telles_que_posees() {
        QWidget parent;
        BoitePicture* b = boite_blanche(&parent, 40, 40);
        b->Left(82.5);
        b->Top(83.5);
        b->Width(20.5);
        b->Height(40);
        QCOMPARE(b->Left(), 82.5);
        QCOMPARE(b->Top(), 83.5);
        QCOMPARE(b->Width(), 20.5);
        QCOMPARE(b->geometry(), QRect(82, 84, 20, 40));  // halves to even
        QCOMPARE(b->ScaleWidth(), 20.0);                 // the whole-pixel size
        b->move(10, 12);                                 // moved by other means: read where it is
        QCOMPARE(b->Left(), 10.0);
        QCOMPARE(b->Width(), 20.0);
    }

    void echelle() {
        QWidget parent;
        BoitePicture* b = boite_blanche(&parent, 40, 20);
        QCOMPARE(b->ScaleMode(), 3);
        QCOMPARE(b->ScaleHeight(), 20.0);
        b->ScaleWidth(4);
        b->ScaleHeight(-2);
        b->ScaleTop(1);
        b->ScaleLeft(-2);
        QCOMPARE(b->ScaleMode(), 0);
        QCOMPARE(b->echelle_vers_pixels({0, 0}), QPointF(20, 10));
        QCOMPARE(b->echelle_vers_pixels({1, 0.5}), QPointF(30, 5));  // y upwards
        QCOMPARE(b->pixels_vers_echelle({30, 5}), QPointF(1, 0.5));
        b->ScaleWidth(0);  // refused
        QCOMPARE(b->ScaleWidth(), 4.0);
        b->DrawWidth(1);
        b->Line(-1, 0, 1, 0, 0xFF);  // across the middle row, from a quarter to three quarters
        QCOMPARE(b->Image().pixel(10, 10), qRgb(255, 0, 0));
        QCOMPARE(b->Image().pixel(30, 10), qRgb(255, 0, 0));
        QCOMPARE(b->Image().pixel(31, 10), qRgb(255, 255, 255));
        QCOMPARE(b->Image().pixel(20, 9), qRgb(255, 255, 255));
        b->ScaleMode(3);
        QCOMPARE(b->ScaleLeft(), 0.0);
        QCOMPARE(b->ScaleWidth(), 40.0);
    }

    void effacement_et_cercles() {
        QWidget parent;
        BoitePicture* b = boite_blanche(&parent, 40, 40);
        QImage dessin(10, 10, QImage::Format_RGB32);
        dessin.fill(Qt::green);
        b->definir_image(dessin);
        b->Line(0, 30, 39, 30, 0);
        b->Cls();
        QCOMPARE(b->Image().pixel(5, 5), qRgb(0, 255, 0));     // the stored picture stays
        QCOMPARE(b->Image().pixel(5, 30), qRgb(255, 255, 255));  // the drawing goes, to pure white
        // A whole circle is filled only under a solid FillStyle; a radius in horizontal units.
        b->effacer_image();
        b->FillColor(0xFF);
        b->Circle(20, 20, 10, 0u);
        QCOMPARE(b->Image().pixel(20, 20), qRgb(255, 255, 255));
        b->FillStyle(0);
        b->ScaleWidth(80);  // two units a pixel across: a radius of 10 units is 5 pixels
        b->Circle(40, 20, 10, 0u);
        QCOMPARE(b->Image().pixel(20, 20), qRgb(255, 0, 0));
        QCOMPARE(b->Image().pixel(20, 13), qRgb(255, 255, 255));
        // Both angles negative: a closed pie from the start counter-clockwise to the end.
        b->Cls();
        b->ScaleMode(3);
        b->FillColor(0);
        b->Circle(20, 20, 15, 0u, -M_PI / 2, -3 * M_PI / 2);  // the top to the bottom through the left
        QCOMPARE(b->Image().pixel(12, 20), qRgb(0, 0, 0));
        QCOMPARE(b->Image().pixel(28, 20), qRgb(255, 255, 255));
    }

    void appels_en_pixels() {
        QWidget parent;
        BoitePicture* b = boite_blanche(&parent, 40, 40);
        b->ScaleWidth(-7);  // any scale: these calls are in device pixels
        QVERIFY(!dessin::remplir_region(*b, QPolygon({{5, 5}, {20, 5}, {35, 5}, {20, 5}}), 0));
        QVERIFY(dessin::remplir_region(*b, QPolygon({{5, 5}, {20, 5}, {20, 20}, {5, 20}}), 0xFF));
        QCOMPARE(b->Image().pixel(10, 10), qRgb(255, 0, 0));
        const QImage avant = b->Image().copy();
        dessin::ellipse(*b, {0, 1, 0}, 0xFFFFFF, 30, 30, 10, 10);  // corners the other way round
        BoitePicture* c = boite_blanche(&parent, 40, 40);
        dessin::remplir_region(*c, QPolygon({{5, 5}, {20, 5}, {20, 20}, {5, 20}}), 0xFF);
        dessin::ellipse(*c, {0, 1, 0}, 0xFFFFFF, 10, 10, 30, 30);
        QCOMPARE(b->Image(), c->Image());
        QVERIFY(b->Image() != avant);
        // A stretched copy keeps the source's colours exactly.
        QImage damier(2, 2, QImage::Format_RGB32);
        damier.setPixel(0, 0, qRgb(255, 0, 0));
        damier.setPixel(1, 0, qRgb(0, 0, 255));
        damier.setPixel(0, 1, qRgb(0, 0, 255));
        damier.setPixel(1, 1, qRgb(255, 0, 0));
        dessin::copie_etiree(*c, QRect(0, 0, 7, 7), damier, QRect(0, 0, 2, 2));
        QCOMPARE(c->Image().pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(c->Image().pixel(6, 0), qRgb(0, 0, 255));
        for (int y = 0; y < 7; ++y)
            for (int x = 0; x < 7; ++x) QVERIFY(c->Image().pixel(x, y) == qRgb(255, 0, 0) || c->Image().pixel(x, y) == qRgb(0, 0, 255));
    }
};

QTEST_MAIN(TestBoiteDessin)
#include "tst_boite_dessin.moc"
