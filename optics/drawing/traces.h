#pragma once

#include <QPointF>
#include <array>
#include <cstdint>

class BoitePicture;

// What the pupil traces on the optics sheet, each in the stroke's own picture, which is neither
// cleared nor turned: a ray with its arrowhead, a plain segment, an ellipse.

// The segment from (x1, y1) to (x2, y2) in the picture's scale, `epaisseur` pixels wide (nearest
// whole number, halves to even), and at (x2, y2) two barbs of 10 units pointing back along it.
void dessin_rayon(BoitePicture& image, float epaisseur, std::uint32_t couleur, float x1, float y1, float x2, float y2);
void dessin_trait(BoitePicture& image, float epaisseur, std::uint32_t couleur, float x1, float y1, float x2, float y2);
// The ellipse inscribed in (gauche, haut)-(droite, bas), device pixels of the picture whatever its
// scale: outline of pen style 0 solid or 2 dotted (dotted only one pixel wide), inside filled with
// `remplissage` (pure white becomes see-through once white is cut out).
void dessin_cercle(BoitePicture& image, std::int32_t style, float epaisseur, std::uint32_t couleur,
                   std::uint32_t remplissage, float gauche, float haut, float droite, float bas);

// The direction of a ray in radians from 0 to 2 pi, from +x towards +y (clockwise on screen);
// a ray of no length points up.
double direction_fleche(float dx, float dy);
// The far ends of the two barbs of a ray ending at (x2, y2).
std::array<QPointF, 2> barbes_rayon(float x1, float y1, float x2, float y2);
