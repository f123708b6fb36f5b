#pragma once

#include <QImage>
#include <QPointF>
#include <QRectF>
#include <functional>

class QObject;
class QWidget;

// The run time's manual drag and drop of controls, run by one controller over the mouse events
// of the pressed widget (its implicit grab), without QDrag.
//
// A drag moves no control: an image follows the pointer (the source's DragIcon centred on the
// pointer, or, when the icon is empty, the outline of the source's rectangle, which keeps the
// point where the source was grabbed) until the button is released. Meanwhile no mouse handler
// of any control runs: the moves, presses and the release go to the controller alone.
// - DragOver(Source, X, Y, State) goes to the control under the pointer when it has a drag-over
//   handler: State 0 when the pointer comes onto it (or is on it when the drag begins), 2 at each
//   move over it, 1 when it leaves it (for another control, a child of it included, or for no
//   control at all).
// - At the release, DragDrop(Source, X, Y) goes to the control under the pointer when it has a
//   drop handler; elsewhere nothing happens. Then the source's end notice learns whether a drop
//   handler ran.
// - The control under the pointer is the front-most visible, enabled child that takes the mouse
//   there: the white holes of a window region, and widgets transparent for the mouse, let the
//   pointer through to what lies beneath; a hidden control, a disabled one and the children of
//   a disabled one take nothing (the pointer falls on their container). The dragged control is
//   a target like any other.
// X and Y are in the receiving control's pixels, from its top-left corner.
//
// Controls are QWidgets, or the QObjects of windowless controls that a container declares
// (declarer_sans_fenetre): these take drops and drags as their own rectangle, in front of their
// container and under its child widgets.
namespace glisser {

constexpr int manuel = 0;       // DragMode: drags are begun by code (Drag)
constexpr int automatique = 1;  // DragMode: a left press then a move drags the control

constexpr int entree = 0;  // State of DragOver: the pointer comes onto the control
constexpr int sortie = 1;  // it leaves the control
constexpr int survol = 2;  // it moves over the control

constexpr int annuler = 0;     // Drag: ends the drag, no drop
constexpr int commencer = 1;   // Drag: begins dragging the control
constexpr int deposer = 2;     // Drag: ends the drag with a drop where the pointer is

using GestionDragOver = std::function<void(QObject* Source, float X, float Y, int State)>;
using GestionDragDrop = std::function<void(QObject* Source, float X, float Y)>;
// Told at the end of each drag of the control whether a drop handler ran.
using NoticeFin = std::function<void(bool depot)>;

// Handlers of a control; an empty function removes one. They live as long as the control.
void DragOver(QObject* controle, GestionDragOver gestion);
void DragDrop(QObject* controle, GestionDragDrop gestion);
void fin_du_glisser(QObject* controle, NoticeFin notice);
// True when the control has a drop handler.
bool prend_les_depots(const QObject* controle);

// DragMode: manuel (the default) or automatique. In automatic mode a left press on the control
// reaches it as usual; once the pointer has moved the platform's start distance with the button
// held, the control is dragged with the point of that press as grab point, and neither the moves
// before nor the release reach it. A release before that distance is an ordinary click.
void DragMode(QObject* controle, int mode);
int DragMode(const QObject* controle);
// DragIcon: the image that follows the pointer; an empty image shows the outline. A change
// during the drag of the control shows at once.
void DragIcon(QObject* controle, const QImage& icone);
QImage DragIcon(const QObject* controle);
// The drag settings (mode and icon) of a model control given to a copy of it, as a control
// array's Load does; the handlers are not copied.
void copier_reglages(const QObject* modele, QObject* copie);

// The run time's Drag method: commencer begins dragging the control from the pointer's place
// (from a press handler: the point pressed), annuler ends the current drag with no drop,
// deposer ends it with a drop where the pointer is. A drag begun while a button is held ends at
// its release; begun with no button held, at the next release.
void Drag(QObject* source, int action = commencer);
bool en_cours();
QObject* source();

// The pointer, in screen pixels, as the mouse events give it: a move during a drag, and the
// release that ends it. The controller calls them itself; tests may too.
void deplacer(QPointF ecran);
void relacher(QPointF ecran);
// The pointer's last place on the screen that the mouse events gave (during a drag: where it is).
QPointF pointeur();

// A windowless control of a container at a point: the control and its rectangle, both in the
// container's pixels; no control: a null one.
struct SansFenetre {
    QObject* controle = nullptr;
    QRectF zone;
};
using RechercheSansFenetre = std::function<SansFenetre(QPointF point)>;
// Declares how to find the windowless controls of a container (the front-most visible, enabled
// one at a point); an empty function withdraws the declaration.
void declarer_sans_fenetre(QWidget* conteneur, RechercheSansFenetre recherche);
// The same for the windowless labels that the container paints (sans_fenetre.h).
void declarer_etiquettes(QWidget* conteneur);

}  // namespace glisser
