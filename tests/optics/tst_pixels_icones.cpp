// What the icons and strokes put on their pictures, probed at robust points: colours from the
// table entry at index_selection, the stroke colour, clearing, turns by whole turns, and the
// see-through and click-through white once it is cut out.
#include "optics/drawing/icones.h"
#include "optics/drawing/traces.h"
#include "optics/sheet/etat_optique.h"
#include "platform/controles.h"
#include "platform/transparence.h"
#include "tests/support/fixture.h"

#include <QMouseEvent>
#include <QtTest>

namespace {
constexpr QRgb BLANC = 0xFFFFFFFF;

// An element picture: white back, black fore colour; the lamp's centred scale, y upwards.
BoitePicture* nouvelle_image(QWidget* parent, int cote, bool centree = false, bool plein = false) {
    auto* b = new BoitePicture(parent);
    b->resize(cote, cote);
    b->BackColor(0xFFFFFF);
    b->ForeColor(0);
    b->Cls();
    b->FillStyle(plein ? 0 : 1);
    if (centree) {
        b->ScaleWidth(cote);
        b->ScaleHeight(-cote);
        b->ScaleTop(cote / 2.0);
        b->ScaleLeft(-cote / 2.0);
    }
    return b;
}

BoitePicture* image_de(QWidget* parent, const TypeElement& t, int cote) {
    return nouvelle_image(parent, cote, t.nom == QLatin1String("lampe"), t.remplissage_plein);
}

QImage dessiner(const TypeElement& t, float angle, std::uint32_t couleur = 0, int cote = 40) {
    QWidget parent;
    BoitePicture* b = image_de(&parent, t, cote);
    if (t.icone_coloree)
        t.icone_coloree(*b, couleur, angle);
    else
        t.icone(*b, angle);
    return b->Image().copy();
}

// Does the pointer at this point of the picture reach the picture, or what lies beneath?
bool recoit_la_souris(QWidget& fond, BoitePicture* b, QPoint p) {
    bool recu = false;
    QObject::connect(b, &BoitePicture::clic, [&] { recu = true; });
    const QPoint dans_fenetre = b->mapTo(&fond, p);
    QTest::mouseClick(fond.windowHandle(), Qt::LeftButton, {}, dans_fenetre);
    QObject::disconnect(b, &BoitePicture::clic, nullptr, nullptr);
    return recu && fond.childAt(dans_fenetre) == b;
}
}

class TestPixelsIcones : public QObject {
    Q_OBJECT
private slots:
    void init() { reinitialiser_programme(); }

    // The coloured parts take the entry at index_selection and nothing else changes with it;
    // only the screen's foot and post and the lamp's housing take the stroke colour.
    void couleurs() {
        for (const TypeElement& t : types_elements()) {
            if (!t.icone_coloree) continue;
            const QString nom = t.nom;
            QCOMPARE(dessiner(t, 0, 0) != dessiner(t, 0, 0xFF), nom == "ecran" || nom == "lampe");
            (*t.couleurs)[2] = 0x00FF00;
            index_selection = 2;
            const QImage vert = dessiner(t, 0);
            (*t.couleurs)[2] = 0xFF0000;
            const QImage bleu = dessiner(t, 0);
            int changes = 0;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x) {
                    if (vert.pixel(x, y) == bleu.pixel(x, y)) continue;
                    ++changes;
                    QVERIFY2(vert.pixel(x, y) == qRgb(0, 255, 0) && bleu.pixel(x, y) == qRgb(0, 0, 255), t.nom);
                }
            QVERIFY2(changes >= 20, t.nom);
        }
    }

    // The lamp's bulb, radius 8 about (20, 20) in a 40 x 40 picture, outline included, covers
    // rows and columns 12 to 28, in the centred scale as in the template's top-left one (red
    // strokes, so that the bulb is every other ink).
    void ampoule_de_la_lampe() {
        QWidget parent;
        for (const bool centree : {true, false}) {
            BoitePicture* b = nouvelle_image(&parent, 40, centree, true);
            dessin_lampe(*b, 0xFF, 0);
            QRect ampoule;
            for (int y = 0; y < 40; ++y)
                for (int x = 0; x < 40; ++x)
                    if (b->Image().pixel(x, y) != BLANC && b->Image().pixel(x, y) != qRgb(255, 0, 0)) ampoule |= QRect(x, y, 1, 1);
            QCOMPARE(ampoule, QRect(QPoint(12, 12), QPoint(28, 28)));
        }
    }

    // Clearing icons drawn twice show only the second; whole turns give the figure of 0.
    void effacement_et_tours_complets() {
        for (const TypeElement& t : types_elements()) {
            if (!t.angles) continue;
            QVERIFY2(dessiner(t, 360, 0, 80) == dessiner(t, 0, 0, 80), t.nom);
            QVERIFY2(dessiner(t, INFINITY, 0, 80) == dessiner(t, 0, 0, 80), t.nom);
            QVERIFY2(dessiner(t, 2e15f, 0, 80) == dessiner(t, float(std::fmod(2e15f, 360.0)), 0, 80), t.nom);
            if (t.remplissage_plein) continue;  // the lamp and the ball draw over what is there
            QWidget parent;
            BoitePicture* b = image_de(&parent, t, 80);
            dessiner_icone(t, *b, 90);
            dessiner_icone(t, *b, 30);
            QVERIFY2(b->Image() == dessiner(t, 30, 0, 80), t.nom);
        }
    }

    // After the white is cut out: holes, the laser's body and the ball's white half are
    // see-through and let clicks through; the pupil and a &HC0FFFF bulb stay.
    void blanc_decoupe() {
        QWidget fond;
        fond.resize(100, 100);
        fond.show();
        QVERIFY(QTest::qWaitForWindowExposed(&fond));
        struct Sonde {
            const char* type;
            QPoint point;
            bool traverse;
        };
        couleur_lampe[0] = 0xC0FFFF;
        const Sonde sondes[] = {
            {"ecran_perce1", {40, 37}, true},  {"ecran_perce1", {20, 40}, false}, {"ecran_perce2", {40, 41}, true},
            {"ecran_perce2", {40, 29}, true},  {"laser", {22, 35}, true},         {"laser", {58, 40}, false},
            {"bouledemi", {25, 40}, true},     {"bouledemi", {55, 40}, false},    {"oeil", {42, 40}, false},
            {"lampe", {40, 40}, false},        {"lampe", {5, 5}, true},
        };
        for (const Sonde& s : sondes) {
            const TypeElement* t = type_element(s.type);
            BoitePicture* b = image_de(&fond, *t, 80);
            b->move(10, 10);
            b->show();
            dessiner_icone(*t, *b, 0);
            b->figer_image();
            QCOMPARE(b->Image().pixel(s.point) == BLANC, s.traverse);
            rendre_transparent(b);
            QCOMPARE(b->ScaleMode(), 3);
            QVERIFY2(recoit_la_souris(fond, b, s.point) != s.traverse, s.type);
            delete b;
        }
        QCOMPARE(dessiner(*type_element("oeil"), 0, 0, 80).pixel(42, 40), qRgb(192, 192, 192));
    }

    // A dotted outline at width 1, solid at 3; device pixels whatever the scale; white fill cut out.
    void ellipses() {
        QWidget parent;
        const auto ellipse = [&](int style, float largeur, bool centree) {
            BoitePicture* b = nouvelle_image(&parent, 60, centree);
            dessin_cercle(*b, style, largeur, 0, 0xFFFFFF, 5, 5, 55, 45);
            return b->Image().copy();
        };
        const auto noirs = [](const QImage& i) {
            int n = 0;
            for (int y = 0; y < i.height(); ++y)
                for (int x = 0; x < i.width(); ++x) n += i.pixel(x, y) == qRgb(0, 0, 0);
            return n;
        };
        const int plein = noirs(ellipse(0, 1, false)), pointille = noirs(ellipse(2, 1, false));
        QVERIFY(pointille > plein / 5 && pointille < plein * 3 / 4);
        QCOMPARE(ellipse(2, 3, false), ellipse(0, 3, false));
        QCOMPARE(ellipse(2, 1, true), ellipse(2, 1, false));
        BoitePicture* b = nouvelle_image(&parent, 60);
        dessin_cercle(*b, 0, 1, 0xFF, 0xFFFFFF, 5, 5, 55, 45);
        rendre_transparent(b);
        QVERIFY(!b->mask().contains(QPoint(30, 25)) && b->mask().contains(QPoint(5, 25)));
    }
};

QTEST_MAIN(TestPixelsIcones)
#include "tst_pixels_icones.moc"
