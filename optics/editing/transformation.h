#pragma once

class BoitePicture;

// Turning and resizing the selected element of the optics sheet (the one named by
// type_selection and index_selection), and redrawing its icon from nothing. Everything is in
// pixels of the drawing area.

// The factors of the last resize by the handle.
inline float facteur_x = 0.0f;
inline float facteur_y = 0.0f;

// Gives a placed element its whole rectangle again (no border, pixel scale, no holes: visible
// and clickable everywhere); its picture stays.
void rendre_opaque(BoitePicture* image);

// Draws a placed element of a turning kind afresh from an empty picture at its stored angle, as
// a turn does (the lamp in the centred scale, its bulb solid), then cuts out its white. The icon
// routines read the colour tables at index_selection, which must name that element.
struct TypeElement;
void redessiner_a_son_angle(BoitePicture* element, const TypeElement& type, int index);

// Adds the turn (degrees, counter-clockwise) to the selected drawn element's angle, never
// reduced to one turn, and redraws it. Other kinds, a palette item or an element that is not
// loaded: nothing changes.
void tourner_objet(float& delta);

// Scales the selected element by fx across and fy down about its centre (a negative factor
// mirrors the shift, the size stays positive), redraws it at its new size and frames it again.
// A rayon, a trait or an unknown kind: the frame is hidden, nothing else. A palette item or an
// element not loaded: nothing. A zero or undefined factor, an element of no size, or a side
// that would pass LIMITE_COTE pixels: refused, the element stays as it was, framed again.
inline constexpr double LIMITE_COTE = 2048;
void redimensionner_objet(float fx, float fy);

// The handle released at (x, y): it goes there less its grab point, and the selected element
// takes the factors that place gives (its right edge to the handle's left, its top to the
// handle's top). The element is resized only while the selection still names the element the
// handle was put on; otherwise the frame and handle are hidden. A stroke selected: only the
// handle moves.
void redimensionner_par_ergot(float& x, float& y);
