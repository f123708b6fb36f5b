// Manual drag and drop of controls, driven by mouse events on the window.
#include "platform/controles.h"
#include "platform/glisser.h"
#include "platform/sans_fenetre.h"
#include "tests/support/pilote.h"
#include "tests/support/souris.h"

#include <QMouseEvent>
#include <QPointer>
#include <QtTest>
#include <memory>

namespace {
// A control whose press handler begins a drag of it; it counts the moves and releases it gets.
struct Pressable : QWidget {
    Pressable(QWidget* parent, QRect zone) : QWidget(parent) {
        setGeometry(zone);
        setMouseTracking(true);
        show();
    }
    int recus = 0;
    void mousePressEvent(QMouseEvent*) override { glisser::Drag(this); }
    void mouseMoveEvent(QMouseEvent*) override { ++recus; }
    void mouseReleaseEvent(QMouseEvent*) override { ++recus; }
};

QWidget* enfant(QWidget* parent, QRect zone) {
    auto* w = new QWidget(parent);
    w->setGeometry(zone);
    w->show();
    return w;
}

// The drag-overs ("name" + State) and drops ("name!") of the controls it follows.
struct Journal {
    QStringList lignes;
    QPointF point;
    QObject* source = nullptr;
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
    void init() {
        fenetre = std::make_unique<QWidget>();
        fenetre->setFixedSize(400, 300);
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenetre.get()));
    }
    void cleanup() {
        glisser::Drag(nullptr, glisser::annuler);
        fenetre.reset();
    }

    // A drag begun by a press handler drops on the control under the release, in its pixels,
    // and reaches no mouse handler of the source; the source learns whether a drop ran.
    void depot_sous_le_relachement() {
        auto* source = new Pressable(fenetre.get(), {10, 10, 32, 32});
        Journal j;
        j.suivre(enfant(fenetre.get(), {100, 100, 120, 80}), "cible");
        j.suivre(enfant(fenetre.get(), {250, 100, 50, 50}), "sans", false);
        QList<bool> fins;
        glisser::fin_du_glisser(source, [&](bool depot) { fins << depot; });
        for (QPoint fin : {QPoint(260, 110), QPoint(-40, 20), QPoint(120, 130)}) {  // no handler, no window
            souris::appuyer(source, {5, 6});
            QCOMPARE(glisser::source(), source);
            source->recus = 0;
            souris::deplacer(fenetre.get(), {60, 60});
            souris::deplacer(fenetre.get(), fin);
            souris::relacher(fenetre.get(), fin);
            QCOMPARE(source->recus, 0);
        }
        QCOMPARE(j.depots(), QStringList{"cible!"});
        QCOMPARE(j.point, QPointF(20, 30));
        QCOMPARE(j.source, source);
        QCOMPARE(fins, (QList<bool>{false, false, true}));
        QVERIFY(!glisser::en_cours());
    }

    // Enter, over and leave go to the control under the pointer: a child leaves its container.
    void etats_du_survol() {
        auto* source = new Pressable(fenetre.get(), {0, 0, 20, 20});
        QWidget* conteneur = enfant(fenetre.get(), {100, 50, 200, 200});
        Journal j;
        j.suivre(conteneur, "c");
        j.suivre(enfant(conteneur, {50, 50, 40, 40}), "e");
        souris::appuyer(source, {2, 2});
        for (QPoint p : {QPoint(110, 60), QPoint(120, 60), QPoint(160, 110), QPoint(161, 111)})
            souris::deplacer(fenetre.get(), p);
        QCOMPARE(j.point, QPointF(11, 11));
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
        QTest::newRow("plein du masque") << QPoint(135, 105) << "controle!";
        QTest::newRow("cache") << QPoint(205, 105) << "conteneur!";
        QTest::newRow("desactive") << QPoint(105, 205) << "conteneur!";
        QTest::newRow("enfant d'un desactive") << QPoint(205, 205) << "conteneur!";
    }
    void ce_qui_ne_prend_rien() {
        QFETCH(QPoint, relache);
        QFETCH(QString, receveur);
        auto* source = new Pressable(fenetre.get(), {0, 0, 20, 20});
        QWidget* conteneur = enfant(fenetre.get(), {50, 50, 300, 240});
        QWidget* masque = enfant(conteneur, {50, 50, 40, 40});
        masque->setMask(QRegion(20, 0, 20, 40));  // the left half is a hole
        QWidget* cache = enfant(conteneur, {150, 50, 40, 40});
        cache->hide();
        QWidget* desactive = enfant(conteneur, {50, 150, 40, 40});
        desactive->setEnabled(false);
        QWidget* parent_desactive = enfant(conteneur, {150, 150, 40, 40});
        QWidget* dans_desactive = enfant(parent_desactive, {0, 0, 40, 40});
        parent_desactive->setEnabled(false);
        Journal j;
        j.suivre(conteneur, "conteneur");
        for (QWidget* w : {masque, cache, desactive, dans_desactive}) j.suivre(w, "controle");
        glisser_souris(source, {2, 2}, {}, relache);  // the source's corner is the window's
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
        glisser_souris(etiquette, {3, 2}, {}, {3, 2});
        QCOMPARE(clics, 1);
        souris::appuyer(etiquette, {3, 2});
        souris::deplacer(fenetre.get(), {25, 23});
        QVERIFY(!glisser::en_cours());
        souris::deplacer(fenetre.get(), {200, 150});
        QCOMPARE(glisser::source(), etiquette);
        const QRgb gris = 0x808080;
        QCOMPARE(pixel_vu(fenetre.get(), {256, 167}), gris);  // the outline's far corner
        QImage icone(16, 16, QImage::Format_RGB32);
        icone.fill(Qt::red);
        glisser::DragIcon(etiquette, icone);
        QCOMPARE(pixel_vu(fenetre.get(), {192, 142}), QRgb(0xFF0000));
        QVERIFY(pixel_vu(fenetre.get(), {256, 167}) != gris);
        souris::relacher(fenetre.get(), {200, 150});
        QCOMPARE(clics, 1);
        QCOMPARE(j.depots(), QStringList{"fenetre!"});
        QCOMPARE(j.source, etiquette);
        QVERIFY(!fenetre->findChild<QWidget*>("image_du_glisser"));
    }

    // The windowless labels a container paints (declared in one call): a click on one stays a
    // click; a press then a move drags it, its outline from its own rectangle; the container is
    // left for the label it passes onto, which takes a drop and does nothing; after a drag the
    // container has its own presses, moves and releases again.
    void etiquettes_sans_fenetre() {
        auto* feuille = new BoitePicture(fenetre.get());
        feuille->setGeometry(50, 50, 300, 200);
        feuille->show();
        auto* etiquette = new EtiquetteSansFenetre(feuille, "texte");
        etiquette->Move(10, 10, 60, 20);
        glisser::declarer_etiquettes(feuille);
        glisser::DragMode(etiquette, glisser::automatique);
        QStringList vu;
        connect(etiquette, &EtiquetteSansFenetre::Click, [&] { vu << "clic"; });
        connect(feuille, &BoitePicture::MouseDown, [&] { vu << "down"; });
        connect(feuille, &BoitePicture::MouseMove, [&](int boutons) { vu << (boutons ? "move" : ""); });
        connect(feuille, &BoitePicture::MouseUp, [&] { vu << "up"; });
        Journal j;
        j.suivre(feuille, "feuille");
        glisser_souris(feuille, {12, 12}, {}, {12, 12});
        souris::appuyer(feuille, {12, 12});
        souris::deplacer(feuille, {100, 100});
        QCOMPARE(glisser::source(), etiquette);
        QCOMPARE(pixel_vu(fenetre.get(), {148, 148}), QRgb(0x808080));  // grabbed at (2, 2)
        souris::deplacer(feuille, {101, 101});
        souris::deplacer(feuille, {20, 15});
        souris::relacher(feuille, {20, 15});
        QCOMPARE(j.lignes.join(' '), "feuille0 feuille2 feuille1");
        glisser_souris(feuille, {12, 12}, {}, {250, 150});
        QCOMPARE(j.depots(), QStringList{"feuille!"});
        QCOMPARE(j.source, etiquette);
        glisser_souris(feuille, {200, 20}, {}, {220, 30});
        vu.removeAll("");
        QCOMPARE(vu, (QStringList{"clic", "down", "move", "up"}));
    }

    // A drag ends without a drop when its button went up unseen or its source is destroyed;
    // a drop handler may destroy the source.
    void fins_sans_depot() {
        QPointer<Pressable> source = new Pressable(fenetre.get(), {0, 0, 20, 20});
        QList<bool> fins;
        glisser::fin_du_glisser(source, [&](bool depot) { fins << depot; });
        souris::appuyer(source, {2, 2});
        QMouseEvent sans_bouton(QEvent::MouseMove, QPointF(100, 100), fenetre->mapToGlobal(QPointF(100, 100)),
                                Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(source, &sans_bouton);
        QVERIFY(!glisser::en_cours());
        QCOMPARE(fins, QList<bool>{false});
        souris::relacher(fenetre.get(), {100, 100});

        souris::appuyer(source, {2, 2});
        delete source.data();
        QVERIFY(!glisser::en_cours());
        souris::relacher(fenetre.get(), {100, 100});

        source = new Pressable(fenetre.get(), {0, 0, 20, 20});
        glisser::fin_du_glisser(source, [&](bool depot) { fins << depot; });
        glisser::DragDrop(fenetre.get(), [](QObject* s, float, float) { delete s; });
        glisser_souris(source, {2, 2}, {}, {100, 100});
        QVERIFY(source.isNull());
        QCOMPARE(fins.size(), 1);
    }

private:
    std::unique_ptr<QWidget> fenetre;
};

QTEST_MAIN(TestGlisser)
#include "tst_glisser.moc"
