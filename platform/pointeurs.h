#pragma once

#include <QCursor>
#include <QImage>
#include <QPoint>
#include <optional>

class QWidget;

// The run time's mouse pointers. A value names a system pointer (0 default, 1 arrow, 2 cross,
// 3 I-beam, 5 four arrows, 6-9 the sizing arrows, 10 up arrow, 11 hourglass, 12 no drop,
// 13 arrow and hourglass, 14 arrow and question mark, 15 size all) or, 99, the control's own
// picture (its MouseIcon).
//
// Which pointer shows over a control is decided here alone, in this order: the pointer of its
// window when that is not 0 (it shows over every control of the window), then the pointer that
// a windowless control under the mouse lends its container, then the control's own pointer,
// then the control's natural cursor (an I-beam in a text box, the default elsewhere).
namespace pointeurs {
// The cursor of a value; 99 uses the picture, whose hot spot is given or else its centre.
QCursor curseur(int valeur, const QImage& icone = QImage(), QPoint point_chaud = QPoint(-1, -1));

// A control's own pointer. On a window, the window's pointer, which every control then shows.
void definir(QWidget* controle, int valeur);
int valeur(const QWidget* controle);
// A control's own picture for the value 99.
void definir_icone(QWidget* controle, const QImage& icone, QPoint point_chaud = QPoint(-1, -1));
QImage icone(const QWidget* controle);
QPoint point_chaud(const QWidget* controle);
// Gives a copy the pointer and the picture of its model.
void copier(const QWidget* modele, QWidget* copie);

// The pointer a windowless control under the mouse lends its container (none: its own again).
void definir_survol(QWidget* conteneur, const std::optional<QCursor>& curseur);

// The cursor that shows over a control now, by the order above (tests, checks).
Qt::CursorShape forme_montree(const QWidget* controle);
}
