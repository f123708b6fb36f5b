#include "tests/support/souris.h"

#include <QTest>
#include <QWidget>
#include <QWindow>

namespace {
QWindow* fenetre_de(QWidget* widget, QPoint point, QPoint& dans_fenetre) {
    QWidget* haut = widget->window();
    if (!haut->windowHandle() || !haut->isVisible()) {
        haut->show();
        if (!QTest::qWaitForWindowExposed(haut)) qWarning("souris: window not exposed");
    }
    dans_fenetre = widget->mapTo(haut, point);
    return haut->windowHandle();
}
}

namespace souris {
void appuyer(QWidget* widget, QPoint point, Qt::MouseButton bouton, Qt::KeyboardModifiers touches) {
    QPoint p;
    QWindow* f = fenetre_de(widget, point, p);
    QTest::mousePress(f, bouton, touches, p);
}

void deplacer(QWidget* widget, QPoint point) {
    QPoint p;
    QWindow* f = fenetre_de(widget, point, p);
    QTest::mouseMove(f, p);
}

void relacher(QWidget* widget, QPoint point, Qt::MouseButton bouton, Qt::KeyboardModifiers touches) {
    QPoint p;
    QWindow* f = fenetre_de(widget, point, p);
    QTest::mouseRelease(f, bouton, touches, p);
}

void double_clic(QWidget* widget, QPoint point, Qt::MouseButton bouton) {
    QPoint p;
    QWindow* f = fenetre_de(widget, point, p);
    QTest::mouseDClick(f, bouton, Qt::NoModifier, p);
}
}
