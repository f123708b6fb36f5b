// Manual drag and drop of controls, driven by mouse events on the window.
#include "platform/controles.h"
#include "platform/glisser.h"
#include "tests/support/fixture.h"
#include "tests/support/souris.h"

#include <QMouseEvent>
#include <QPointer>
#include <QtTest>
#include <memory>

namespace {
// A control that begins a drag of itself at each press (a manual-mode press handler) and counts
// the mouse events that reach it.
class Pressable : public QWidget {
public:
    Pressable(QWidget* parent, QRect zone, bool glisse_a_l_appui = true) : QWidget(parent), glisse_(glisse_a_l_appui) {
        setGeometry(zone);
        setMouseTracking(true);
    }
    int mouvements = 0, relachements = 0;

protected:
    void mousePressEvent(QMouseEvent*) override {
        if (glisse_) glisser::Drag(this);
    }
    void mouseMoveEvent(QMouseEvent*) override { ++mouvements; }
    void mouseReleaseEvent(QMouseEvent*) override { ++relachements; }

private:
    bool glisse_;
};

struct Journal {
    QStringList lignes;
    QPointF point;
    QObject* source = nullptr;
    // Records the drops and drag-overs of a control under its name.
    void suivre(QObject* controle, const QString& nom, bool depot = true) {
        glisser::DragOver(controle, [this, nom](QObject*, float x, float y, int etat) {
            lignes << nom + QString::number(etat);
            point = QPointF(x, y);
        });
        if (depot)
            glisser::DragDrop(controle, [this, nom](QObject* s, float x, float y) {
                lignes << nom + "!";
                point = QPointF(x, y);
                source = s;
            });
    }
    QStringList depots() const { return lignes.filter("!"); }
};

QWidget* nouvelle_fenetre() {
    auto* f = new QWidget;
    f->setFixedSize(400, 300);
    f->show();
    if (!QTest::qWaitForWindowExposed(f)) qWarning("window not exposed");
    return f;
}

QRgb pixel_vu(QWidget* fenetre, QPoint p) {
    QImage vue(fenetre->size(), QImage::Format_RGB32);
    vue.fill(Qt::white);
    fenetre->render(&vue);
    return vue.pixel(p) & 0xFFFFFF;
}
}  // namespace

class TestGlisser : public QObject {
    Q_OBJECT
private slots:
    void init() { fenetre.reset(nouvelle_fenetre()); }
    void cleanup() {
        glisser::Drag(nullptr, glisser::annuler);
        fenetre.reset();
    }

    // A drag begun by a press handler drops on the control under the release, in its pixels,
    // and reaches no mouse handler of the source; the source learns whether a drop ran.
    void depot_sous_le_relachement() {
        auto* source = new Pressable(fenetre.get(), QRect(10, 10, 32, 32));
        auto* cible = new QWidget(fenetre.get());
        cible->setGeometry(100, 100, 120, 80);
        auto* sans_depot = new QWidget(fenetre.get());
        sans_depot->setGeometry(250, 100, 50, 50);
        Journal j;
        j.suivre(cible, "cible");
        j.suivre(sans_depot, "sans", false);
        QList<bool> fins;
        glisser::fin_du_glisser(source, [&](bool depot) { fins << depot; });
        for (QWidget* w : fenetre->findChildren<QWidget*>()) w->show();

        souris::appuyer(source, {5, 6});
        QVERIFY(glisser::en_cours() && glisser::source() == source);
        source->mouvements = 0;
        souris::deplacer(fenetre.get(), {60, 60});
        souris::deplacer(fenetre.get(), {115, 125});
        souris::relacher(fenetre.get(), {120, 130});
        QCOMPARE(j.depots(), QStringList{"cible!"});
        QCOMPARE(j.point, QPointF(20, 30));
        QCOMPARE(j.source, source);
        QCOMPARE(source->mouvements + source->relachements, 0);

        for (QPoint fin : {QPoint(260, 110), QPoint(-40, 20)}) {  // no drop handler, no window
            souris::appuyer(source, {5, 6});
            souris::deplacer(fenetre.get(), fin);
            souris::relacher(fenetre.get(), fin);
        }
        QCOMPARE(j.depots().size(), 1);
        QCOMPARE(fins, (QList<bool>{true, false, false}));
        QVERIFY(!glisser::en_cours());
    }

    // Enter, over and leave go to the control under the pointer: a child leaves its container.
    void etats_du_survol() {
        auto* source = new Pressable(fenetre.get(), QRect(0, 0, 20, 20));
        auto* conteneur = new QWidget(fenetre.get());
        conteneur->setGeometry(100, 50, 200, 200);
        auto* enfant = new QWidget(conteneur);
        enfant->setGeometry(50, 50, 40, 40);
        Journal j;
        j.suivre(conteneur, "c");
        j.suivre(enfant, "e");
        for (QWidget* w : fenetre->findChildren<QWidget*>()) w->show();

        souris::appuyer(source, {2, 2});
        souris::deplacer(fenetre.get(), {110, 60});
        souris::deplacer(fenetre.get(), {120, 60});
        souris::deplacer(fenetre.get(), {160, 110});
        QCOMPARE(j.point, QPointF(10, 10));
        souris::deplacer(fenetre.get(), {161, 111});
        souris::deplacer(fenetre.get(), {110, 60});
        souris::deplacer(fenetre.get(), {-10, 60});
        souris::relacher(fenetre.get(), {-10, 60});
        QCOMPARE(j.lignes.join(' '), "c0 c2 c1 e0 e2 e1 c0 c1");
    }

    // Window-region holes, hidden and disabled controls and the children of a disabled one
    // take nothing: the container beneath gets the drop.
    void ce_qui_ne_prend_rien_data() {
        QTest::addColumn<QPoint>("relache");
        QTest::addColumn<QString>("receveur");
        QTest::newRow("trou du masque") << QPoint(105, 105) << "conteneur!";
        QTest::newRow("plein du masque") << QPoint(135, 105) << "masque!";
        QTest::newRow("cache") << QPoint(205, 105) << "conteneur!";
        QTest::newRow("desactive") << QPoint(105, 205) << "conteneur!";
        QTest::newRow("enfant d'un desactive") << QPoint(205, 205) << "conteneur!";
    }
    void ce_qui_ne_prend_rien() {
        QFETCH(QPoint, relache);
        QFETCH(QString, receveur);
        auto* source = new Pressable(fenetre.get(), QRect(0, 0, 20, 20));
        auto* conteneur = new QWidget(fenetre.get());
        conteneur->setGeometry(50, 50, 300, 240);
        auto enfant = [&](QWidget* parent, QRect zone) {
            auto* w = new QWidget(parent);
            w->setGeometry(zone);
            return w;
        };
        QWidget* masque = enfant(conteneur, {50, 50, 40, 40});
        masque->setMask(QRegion(20, 0, 20, 40));  // the left half is a hole
        QWidget* cache = enfant(conteneur, {150, 50, 40, 40});
        QWidget* desactive = enfant(conteneur, {50, 150, 40, 40});
        QWidget* parent_desactive = enfant(conteneur, {150, 150, 40, 40});
        QWidget* dans_desactive = enfant(parent_desactive, {0, 0, 40, 40});
        Journal j;
        j.suivre(conteneur, "conteneur");
        for (QWidget* w : {masque, cache, desactive, dans_desactive}) j.suivre(w, "masque");
        for (QWidget* w : fenetre->findChildren<QWidget*>()) w->show();
        cache->hide();
        desactive->setEnabled(false);
        parent_desactive->setEnabled(false);

        souris::appuyer(source, {2, 2});
        souris::deplacer(fenetre.get(), relache);
        souris::relacher(fenetre.get(), relache);
        QCOMPARE(j.depots(), QStringList{receveur});
    }

    // Automatic mode: a click stays a click; a press then a move drags, grabbed where pressed.
    // The image follows the pointer: the outline keeps the grab point; an icon is centred on it.
    void mode_automatique_et_image() {
        auto* etiquette = new Etiquette(fenetre.get(), "texte");
        etiquette->setGeometry(20, 20, 60, 20);
        etiquette->show();
        glisser::DragMode(etiquette, glisser::automatique);
        int clics = 0;
        connect(etiquette, &Etiquette::clic, [&] { ++clics; });
        Journal j;
        j.suivre(fenetre.get(), "fenetre");

        souris::appuyer(etiquette, {3, 2});
        souris::relacher(etiquette, {3, 2});
        QCOMPARE(clics, 1);
        QVERIFY(!glisser::en_cours());

        souris::appuyer(etiquette, {3, 2});
        souris::deplacer(fenetre.get(), {25, 23});
        QVERIFY(!glisser::en_cours());
        souris::deplacer(fenetre.get(), {200, 150});
        QCOMPARE(glisser::source(), etiquette);
        const QRgb gris = 0x808080;
        QCOMPARE(pixel_vu(fenetre.get(), {197, 148}), gris);     // the outline's corner
        QCOMPARE(pixel_vu(fenetre.get(), {256, 167}), gris);     // and the opposite one
        QVERIFY(pixel_vu(fenetre.get(), {200, 155}) != gris);    // hollow
        capture_pour_examen(fenetre.get(), "glisser_contour");
        QImage icone(16, 16, QImage::Format_RGB32);
        icone.fill(Qt::red);
        glisser::DragIcon(etiquette, icone);
        QCOMPARE(pixel_vu(fenetre.get(), {192, 142}), QRgb(0xFF0000));
        QVERIFY(pixel_vu(fenetre.get(), {197, 148}) != gris);
        capture_pour_examen(fenetre.get(), "glisser_icone");
        souris::relacher(fenetre.get(), {200, 150});
        QCOMPARE(clics, 1);
        QCOMPARE(j.depots(), QStringList{"fenetre!"});
        QCOMPARE(j.source, etiquette);
        QVERIFY(!fenetre->findChild<QWidget*>("image_du_glisser"));
    }

    // A windowless control that its container declares takes drops (and does nothing without a
    // drop handler) and is dragged in automatic mode, its outline from its own rectangle.
    void controle_sans_fenetre() {
        QObject etiquette;
        const QRectF zone(50, 40, 40, 20);
        auto* conteneur = new QWidget(fenetre.get());
        conteneur->setGeometry(100, 100, 200, 150);
        conteneur->show();
        glisser::declarer_sans_fenetre(conteneur, [&](QPointF p) {
            return zone.contains(p) ? glisser::SansFenetre{&etiquette, zone} : glisser::SansFenetre{};
        });
        glisser::DragMode(&etiquette, glisser::automatique);
        Journal j;
        j.suivre(conteneur, "conteneur");
        j.suivre(fenetre.get(), "fenetre");

        souris::appuyer(conteneur, {55, 45});
        souris::deplacer(conteneur, {80, 80});
        QCOMPARE(glisser::source(), &etiquette);
        QCOMPARE(pixel_vu(fenetre.get(), {175, 175}), QRgb(0x808080));
        souris::deplacer(conteneur, {81, 81});
        souris::deplacer(conteneur, {60, 50});  // back over the label: the container is left
        souris::relacher(conteneur, {60, 50});
        QCOMPARE(j.lignes.join(' '), "conteneur0 conteneur2 conteneur1");

        souris::appuyer(conteneur, {55, 45});
        souris::deplacer(fenetre.get(), {20, 20});
        souris::relacher(fenetre.get(), {20, 20});
        QCOMPARE(j.depots(), QStringList{"fenetre!"});
        QCOMPARE(j.source, &etiquette);
    }

    // A drag ends without a drop when its button went up unseen or its source is destroyed;
    // a drop handler may destroy the source.
    void fins_sans_depot() {
        auto* perdu = new Pressable(fenetre.get(), QRect(0, 0, 20, 20));
        perdu->show();
        QList<bool> fins;
        glisser::fin_du_glisser(perdu, [&](bool depot) { fins << depot; });
        glisser::DragDrop(fenetre.get(), [](QObject*, float, float) { QFAIL("no drop expected"); });
        souris::appuyer(perdu, {2, 2});
        const QPointF ici = fenetre->mapToGlobal(QPointF(100, 100));
        QMouseEvent sans_bouton(QEvent::MouseMove, QPointF(100, 100), ici, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(perdu, &sans_bouton);
        QVERIFY(!glisser::en_cours());
        QCOMPARE(fins, QList<bool>{false});
        souris::relacher(fenetre.get(), {100, 100});
        glisser::DragDrop(fenetre.get(), {});

        QPointer<Pressable> source = new Pressable(fenetre.get(), QRect(0, 0, 20, 20));
        source->show();
        souris::appuyer(source, {2, 2});
        delete source.data();
        QVERIFY(!glisser::en_cours());
        souris::relacher(fenetre.get(), {100, 100});

        source = new Pressable(fenetre.get(), QRect(0, 0, 20, 20));
        source->show();
        bool notice = false;
        glisser::fin_du_glisser(source, [&](bool) { notice = true; });
        glisser::DragDrop(fenetre.get(), [](QObject* s, float, float) { delete s; });
        souris::appuyer(source, {2, 2});
        souris::deplacer(fenetre.get(), {100, 100});
        souris::relacher(fenetre.get(), {100, 100});
        QVERIFY(source.isNull());
        QVERIFY(!notice);
    }

private:
    std::unique_ptr<QWidget> fenetre;
};

QTEST_MAIN(TestGlisser)
#include "tst_glisser.moc"
