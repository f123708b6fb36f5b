#pragma once

#include <QPolygon>
#include <QRect>
#include <cstdint>

class BoitePicture;
class QImage;

// Drawing straight onto a picture box's persistent image in device pixels, whatever its scale:
// the system's pens, solid brushes, polygons, regions, ellipses and stretched copies. Aliased.
namespace dessin {

// A pen: style 0 solid, 2 dotted; a pen wider than one pixel is solid whatever its style.
struct Stylo {
    int style = 0;
    int largeur = 1;
    std::uint32_t couleur = 0;
};

// The outline through the points in their order, closed back to the first.
void polygone(BoitePicture& surface, const Stylo& stylo, const QPolygon& points);
// The region inside the points (odd-even rule) painted with a solid brush. When the points
// enclose no region nothing is painted and the result is false.
bool remplir_region(BoitePicture& surface, const QPolygon& points, std::uint32_t couleur);
// The ellipse inscribed in the rectangle from (gauche, haut) to (droite, bas), the right column
// and the bottom row excluded; corners given the other way round are swapped. Outlined with the
// pen, its inside painted with a solid brush.
void ellipse(BoitePicture& surface, const Stylo& stylo, std::uint32_t remplissage, int gauche, int haut, int droite,
             int bas);
// The part `depuis` of a picture copied onto the part `vers` of the surface, stretched to it by
// taking the nearest pixel (no blending, so no new colour appears). Empty parts copy nothing.
void copie_etiree(BoitePicture& surface, const QRect& vers, const QImage& source, const QRect& depuis);

}
