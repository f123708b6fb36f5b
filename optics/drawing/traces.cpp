#include "optics/drawing/traces.h"

#include "platform/controles.h"
#include "platform/dessin.h"
#include "platform/nombres.h"

#include <cmath>

namespace {
int largeur_entiere(float epaisseur) { return int(nombres::arrondi_pair(epaisseur)); }
}

double direction_fleche(float dx, float dy) {
    if (dx < 0 && dy > 0) return std::atan(double(dy) / dx) + 3.1415926;
    if (dx < 0 && dy < 0) return std::atan(double(dy) / dx) + 3.1415926;
    if (dx > 0 && dy < 0) return std::atan(double(dy) / dx) + 6.2831852;
    if (dx == 0) return dy > 0 ? 3.1415926 / 2 : 9.4247778 / 2;
    if (dy == 0) return dx > 0 ? 0.0 : 3.1415926;
    return std::atan(double(dy) / dx);
}

std::array<QPointF, 2> barbes_rayon(float x1, float y1, float x2, float y2) {
    const long double t = direction_fleche(x2 - x1, y2 - y1);
    const long double a = t - 3.1415926L / 8, b = t - 9.4247778L / 8;
    return {QPointF(float(x2 - 10 * std::cos(a)), float(y2 - 10 * std::sin(a))),
            QPointF(float(x2 + 10 * std::sin(b)), float(y2 - 10 * std::cos(b)))};
}

void dessin_trait(BoitePicture& image, float epaisseur, std::uint32_t couleur, float x1, float y1, float x2, float y2) {
    image.DrawWidth(largeur_entiere(epaisseur));
    image.Line(x1, y1, x2, y2, couleur);
}

void dessin_rayon(BoitePicture& image, float epaisseur, std::uint32_t couleur, float x1, float y1, float x2, float y2) {
    dessin_trait(image, epaisseur, couleur, x1, y1, x2, y2);
    for (const QPointF& bout : barbes_rayon(x1, y1, x2, y2)) image.Line(x2, y2, bout.x(), bout.y(), couleur);
}

void dessin_cercle(BoitePicture& image, std::int32_t style, float epaisseur, std::uint32_t couleur,
                   std::uint32_t remplissage, float gauche, float haut, float droite, float bas) {
    const auto entier = [](float v) { return int(nombres::arrondi_pair(v)); };
    dessin::ellipse(image, {style, largeur_entiere(epaisseur), couleur}, remplissage, entier(gauche), entier(haut),
                    entier(droite), entier(bas));
}
