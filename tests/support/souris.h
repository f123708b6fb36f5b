#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

// A pupil's mouse: events sent to the top-level QWindow of a widget, at the window coordinates
// of a point given in the widget, so that Qt itself chooses the receiver (masks, holes, the
// implicit grab of a press) as it does for real input. The window is shown first if needed.
// The buttons held are carried by the moves; each step lets the events be handled.
namespace souris {
void appuyer(QWidget* widget, QPoint point, Qt::MouseButton bouton = Qt::LeftButton,
             Qt::KeyboardModifiers touches = Qt::NoModifier);
void deplacer(QWidget* widget, QPoint point);
void relacher(QWidget* widget, QPoint point, Qt::MouseButton bouton = Qt::LeftButton,
              Qt::KeyboardModifiers touches = Qt::NoModifier);
// Press, release, double click, release, as the system delivers a double click.
void double_clic(QWidget* widget, QPoint point, Qt::MouseButton bouton = Qt::LeftButton);
}
