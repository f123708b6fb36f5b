#include "optics/drawing/icones.h"

#include "optics/sheet/etat_optique.h"
#include "platform/controles.h"
#include "platform/dessin.h"
#include "platform/nombres.h"

#include <cmath>
#include <span>

namespace {

// Where a colour of a figure comes from: a fixed value, the kind's colour table at
// index_selection, or the stroke colour the caller passes.
struct Teinte {
    enum class Origine { fixe, table, trait } origine;
    std::uint32_t valeur;
};
constexpr Teinte fixe(std::uint32_t c) { return {Teinte::Origine::fixe, c}; }
constexpr Teinte NOIR = fixe(0);
constexpr Teinte BLANC = fixe(0xFFFFFF);
constexpr Teinte GRIS = fixe(0x808080);
constexpr Teinte GRIS_CLAIR = fixe(0xC0C0C0);
constexpr Teinte ROUGE = fixe(0xFF);
constexpr Teinte TABLE{Teinte::Origine::table, 0};
constexpr Teinte TRAIT{Teinte::Origine::trait, 0};

struct QuadrilatereFigure {
    PointFigure coins[4];
    int largeur_stylo;
    Teinte stylo, remplissage;
};
struct TraitFigure {
    PointFigure de, a;
    int largeur;  // DrawWidth set first; 0 keeps the current one
    Teinte couleur;
};
struct Figure {
    const char* type;
    TableOptique<std::uint32_t>* couleurs;
    std::span<const QuadrilatereFigure> quadrilateres;
    std::span<const TraitFigure> traits;
};

// --- figures: quadrilaterals in drawing order, then strokes

constexpr QuadrilatereFigure ECRAN_Q[] = {
    {{{0.2, 0.2}, {0.2, 0.6}, {0.8, 0.7}, {0.8, 0.3}}, 2, NOIR, TABLE},  // face
};
constexpr TraitFigure ECRAN_T[] = {
    {{0.2, 0.7}, {0.8, 0.8}, 3, TRAIT},    // foot
    {{0.5, 0.55}, {0.5, 0.75}, 1, TRAIT},  // post, from inside the face
};

constexpr QuadrilatereFigure ECRAN_COUPE_Q[] = {
    {{{0.2, 0.8}, {0.8, 0.8}, {0.8, 0.7}, {0.2, 0.7}}, 2, NOIR, GRIS_CLAIR},   // foot
    {{{0.45, 0.7}, {0.5, 0.7}, {0.5, 0.2}, {0.45, 0.2}}, 1, NOIR, NOIR},       // back of the slab
    {{{0.4, 0.7}, {0.45, 0.7}, {0.45, 0.2}, {0.4, 0.2}}, 1, TABLE, TABLE},     // coloured side
};

constexpr QuadrilatereFigure CUBE_Q[] = {
    {{{0.2, 0.8}, {0.6, 0.8}, {0.6, 0.4}, {0.2, 0.4}}, 2, NOIR, TABLE},  // front
    {{{0.6, 0.8}, {0.8, 0.6}, {0.8, 0.2}, {0.6, 0.4}}, 2, NOIR, TABLE},  // side
    {{{0.2, 0.4}, {0.6, 0.4}, {0.8, 0.2}, {0.4, 0.2}}, 2, NOIR, TABLE},  // top
};

constexpr QuadrilatereFigure FILTRE_Q[] = {
    {{{0.3, 0.7}, {0.7, 0.8}, {0.7, 0.3}, {0.3, 0.2}}, 2, NOIR, NOIR},                // frame
    {{{0.35, 0.65}, {0.65, 0.725}, {0.65, 0.36}, {0.35, 0.285}}, 2, NOIR, TABLE},     // pane
};

constexpr QuadrilatereFigure FILTRE_COUPE_Q[] = {
    {{{0.45, 0.8}, {0.55, 0.8}, {0.55, 0.2}, {0.45, 0.2}}, 2, NOIR, NOIR},   // bar
    {{{0.45, 0.7}, {0.55, 0.7}, {0.55, 0.3}, {0.45, 0.3}}, 2, NOIR, TABLE},  // coloured middle
};

// A grey bar of the edge-on holed screens, 0.1 of the width wide about the mid-line, corners
// from its lower edge `bas` to its upper edge `haut` (ky).
constexpr QuadrilatereFigure barre_grise(double bas, double haut) {
    return {{{0.45, bas}, {0.55, bas}, {0.55, haut}, {0.45, haut}}, 1, NOIR, GRIS};
}
constexpr QuadrilatereFigure PERCE1_COUPE_Q[] = {barre_grise(0.8, 0.55), barre_grise(0.45, 0.2)};
// Lower, upper, then middle bar.
constexpr QuadrilatereFigure PERCE2_COUPE_Q[] = {barre_grise(0.8, 0.65), barre_grise(0.35, 0.2), barre_grise(0.45, 0.55)};

// The pupil is button-face grey: it must stay opaque where pure white would be cut out.
constexpr QuadrilatereFigure OEIL_Q[] = {
    {{{0.5, 0.45}, {0.5, 0.55}, {0.55, 0.55}, {0.55, 0.45}}, 1, NOIR, GRIS_CLAIR},
};
constexpr TraitFigure OEIL_T[] = {
    {{0.4, 0.3}, {0.5, 0.4}, 1, NOIR},  // upper lid
    {{0.5, 0.4}, {0.7, 0.5}, 0, NOIR},  // front, upper side
    {{0.7, 0.5}, {0.5, 0.6}, 0, NOIR},  // front, lower side
    {{0.5, 0.6}, {0.4, 0.7}, 0, NOIR},  // lower lid
    {{0.5, 0.4}, {0.5, 0.6}, 0, NOIR},  // back
};

constexpr QuadrilatereFigure FACE_PERCEE = {{{0.2, 0.6}, {0.8, 0.7}, {0.8, 0.3}, {0.2, 0.2}}, 2, NOIR, NOIR};
constexpr TraitFigure POST_ET_PIED[] = {
    {{0.5, 0.65}, {0.5, 0.75}, 1, NOIR},  // post
    {{0.2, 0.7}, {0.8, 0.8}, 3, NOIR},    // foot
};
constexpr QuadrilatereFigure PERCE1_Q[] = {
    FACE_PERCEE,
    {{{0.45, 0.5}, {0.55, 0.525}, {0.55, 0.425}, {0.45, 0.4}}, 2, NOIR, BLANC},  // hole
};
constexpr QuadrilatereFigure PERCE2_Q[] = {
    FACE_PERCEE,
    {{{0.45, 0.55}, {0.55, 0.575}, {0.55, 0.475}, {0.45, 0.45}}, 2, NOIR, BLANC},  // lower hole
    {{{0.45, 0.4}, {0.55, 0.425}, {0.55, 0.325}, {0.45, 0.3}}, 2, NOIR, BLANC},    // upper hole
};

constexpr QuadrilatereFigure LASER_Q[] = {
    {{{0.2, 0.4}, {0.2, 0.6}, {0.7, 0.6}, {0.7, 0.4}}, 2, NOIR, BLANC},      // body
    {{{0.7, 0.45}, {0.75, 0.45}, {0.75, 0.55}, {0.7, 0.55}}, 1, NOIR, NOIR}, // nozzle
};
// The word LASER across the body in red, one pixel wide (the first stroke sets the width).
constexpr TraitFigure rouge(double x1, double y1, double x2, double y2, int largeur = 0) {
    return {{x1, y1}, {x2, y2}, largeur, ROUGE};
}
constexpr TraitFigure LASER_T[] = {
    rouge(0.25, 0.45, 0.25, 0.55, 1), rouge(0.25, 0.55, 0.3, 0.55),                                   // L
    rouge(0.3, 0.55, 0.35, 0.45), rouge(0.35, 0.45, 0.4, 0.55), rouge(0.325, 0.5, 0.375, 0.5),         // A
    rouge(0.4, 0.45, 0.45, 0.45), rouge(0.4, 0.45, 0.4, 0.5), rouge(0.4, 0.5, 0.45, 0.5),              // S
    rouge(0.45, 0.5, 0.45, 0.55), rouge(0.45, 0.55, 0.4, 0.55),                                        //
    rouge(0.5, 0.45, 0.5, 0.55), rouge(0.5, 0.45, 0.55, 0.45), rouge(0.5, 0.5, 0.55, 0.5),             // E
    rouge(0.5, 0.55, 0.55, 0.55),                                                                      //
    rouge(0.6, 0.45, 0.6, 0.55), rouge(0.6, 0.45, 0.65, 0.45), rouge(0.65, 0.45, 0.65, 0.5),           // R
    rouge(0.65, 0.5, 0.6, 0.5), rouge(0.6, 0.5, 0.65, 0.55),                                           //
};

const Figure FIGURES[] = {
    {"ecran", &couleur_ecran, ECRAN_Q, ECRAN_T},
    {"ecran_coupe", &couleur_ecran_coupe, ECRAN_COUPE_Q, {}},
    {"cube", &couleur_cube, CUBE_Q, {}},
    {"filtre", &couleur_filtre, FILTRE_Q, {}},
    {"filtre_coupe", &couleur_filtre_coupe, FILTRE_COUPE_Q, {}},
    {"ecran_perce1_coupe", nullptr, PERCE1_COUPE_Q, {}},
    {"ecran_perce2_coupe", nullptr, PERCE2_COUPE_Q, {}},
    {"oeil", nullptr, OEIL_Q, OEIL_T},
    {"ecran_perce1", nullptr, PERCE1_Q, POST_ET_PIED},
    {"ecran_perce2", nullptr, PERCE2_Q, POST_ET_PIED},
    {"laser", nullptr, LASER_Q, LASER_T},
};

const Figure* figure(const QString& type) {
    for (const Figure& f : FIGURES)
        if (type == QLatin1String(f.type)) return &f;
    return nullptr;
}

IconeTournee tourner_figure(const Figure& f, double l, double h, float a, std::uint32_t couleur_trait) {
    const auto teinte = [&](Teinte t) {
        switch (t.origine) {
        case Teinte::Origine::table: return f.couleurs ? f.couleurs->valeur(index_selection) : 0u;
        case Teinte::Origine::trait: return couleur_trait;
        case Teinte::Origine::fixe: break;
        }
        return t.valeur;
    };
    IconeTournee r;
    for (const QuadrilatereFigure& q : f.quadrilateres)
        r.quadrilateres.append({coins_quadrilatere(q.coins, l, h, a), q.largeur_stylo, teinte(q.stylo), teinte(q.remplissage)});
    for (const TraitFigure& t : f.traits)
        r.traits.append({QLineF(tourner_point(t.de.kx, t.de.ky, l, h, a), tourner_point(t.a.kx, t.a.ky, l, h, a)), t.largeur,
                         teinte(t.couleur)});
    return r;
}

void tracer_quadrilatere(BoitePicture& image, const QPolygon& coins, int largeur, std::uint32_t stylo,
                         std::uint32_t remplissage) {
    dessin::polygone(image, {0, largeur, stylo}, coins);
    dessin::remplir_region(image, coins, remplissage);  // no region: the outline stays alone
}

void tracer_traits(BoitePicture& image, const QList<TraitTourne>& traits) {
    for (const TraitTourne& t : traits) {
        if (t.largeur > 0) image.DrawWidth(t.largeur);
        image.Line(t.ligne.x1(), t.ligne.y1(), t.ligne.x2(), t.ligne.y2(), t.couleur);
    }
}

// The eleven icons that clear: cleared picture in pixel scale, then the figure turned about its centre.
void dessiner_figure(BoitePicture& image, const char* type, std::uint32_t couleur_trait, float angle) {
    const float a = radians_icone(angle);
    image.Cls();
    image.ScaleMode(3);
    const IconeTournee icone = tourner_figure(*figure(QLatin1String(type)), image.ScaleWidth(), image.ScaleHeight(), a,
                                              couleur_trait);
    for (const QuadrilatereTourne& q : icone.quadrilateres)
        tracer_quadrilatere(image, q.coins, q.largeur_stylo, q.stylo, q.remplissage);
    tracer_traits(image, icone.traits);
}
}

float radians_icone(float angle) {
    double degres = angle;
    if (!std::isfinite(degres)) degres = 0;  // a sum of turns that overflowed has no direction left
    if (std::fabs(degres) >= 1e15) degres = std::fmod(degres, 360.0);
    return float(degres * 3.1415926 / 180);
}

QPointF tourner_point(double kx, double ky, double l, double h, float a) {
    const double u = kx * l - l / 2;
    const double v = h / 2 - ky * std::fabs(h);
    const double c = std::cos(double(a)), s = std::sin(double(a));
    return QPointF(l / 2 + u * c - v * s, h / 2 - (u * s + v * c));
}

QPolygon coins_quadrilatere(const PointFigure (&coins)[4], double l, double h, float a) {
    QPolygon p;
    for (const PointFigure& c : coins) {
        const QPointF t = tourner_point(c.kx, c.ky, l, h, a);
        p << QPoint(int(nombres::arrondi_pair(t.x())), int(nombres::arrondi_pair(t.y())));
    }
    return p;
}

void remplir_quadrilatere(BoitePicture& image, const PointFigure (&coins)[4], float a, int largeur_stylo,
                          std::uint32_t couleur_stylo, std::uint32_t remplissage) {
    tracer_quadrilatere(image, coins_quadrilatere(coins, image.ScaleWidth(), image.ScaleHeight(), a), largeur_stylo,
                        couleur_stylo, remplissage);
}

IconeTournee icone_tournee(const QString& type, double l, double h, float angle, std::uint32_t couleur_trait) {
    const Figure* f = figure(type);
    return f ? tourner_figure(*f, l, h, radians_icone(angle), couleur_trait) : IconeTournee{};
}

void dessin_ecran(BoitePicture& image, const std::uint32_t& couleur, float angle) {
    dessiner_figure(image, "ecran", couleur, angle);
}
void dessin_ecran_coupe(BoitePicture& image, const std::uint32_t& couleur, float angle) {
    dessiner_figure(image, "ecran_coupe", couleur, angle);
}
void dessin_cube(BoitePicture& image, const std::uint32_t& couleur, float angle) {
    dessiner_figure(image, "cube", couleur, angle);
}
void dessin_filtre(BoitePicture& image, const std::uint32_t& couleur, float angle) {
    dessiner_figure(image, "filtre", couleur, angle);
}
void dessin_filtre_coupe(BoitePicture& image, const std::uint32_t& couleur, float angle) {
    dessiner_figure(image, "filtre_coupe", couleur, angle);
}
void dessin_ecran_perce1_coupe(BoitePicture& image, float angle) { dessiner_figure(image, "ecran_perce1_coupe", 0, angle); }
void dessin_ecran_perce2_coupe(BoitePicture& image, float angle) { dessiner_figure(image, "ecran_perce2_coupe", 0, angle); }
void dessin_oeil(BoitePicture& image, float angle) { dessiner_figure(image, "oeil", 0, angle); }
void dessin_ecran_perce1(BoitePicture& image, float angle) { dessiner_figure(image, "ecran_perce1", 0, angle); }
void dessin_ecran_perce2(BoitePicture& image, float angle) { dessiner_figure(image, "ecran_perce2", 0, angle); }
void dessin_laser(BoitePicture& image, float angle) { dessiner_figure(image, "laser", 0, angle); }

// --- the lamp: drawn in the caller's scale, turned about that scale's origin

LampeTournee lampe_tournee(const BoitePicture& image, float angle) {
    const float a = radians_icone(angle);
    const double sl = image.ScaleLeft(), st = image.ScaleTop(), sw = image.ScaleWidth(), sh = image.ScaleHeight();
    const double c = std::cos(double(a)), s = std::sin(double(a));
    const auto placer_point = [&](double kx, double ky) {
        const double x = kx * sw + sl, y = ky * std::fabs(sh) - st;
        return QPointF(x * c - y * s, y * c + x * s);
    };
    struct Trait {
        PointFigure de, a;
        int largeur;
    };
    static constexpr Trait TRAITS[] = {
        {{0.15, 0.2}, {0.15, 0.8}, 1},   // back of the housing
        {{0.15, 0.8}, {0.7, 0.8}, 0},    // side
        {{0.15, 0.2}, {0.7, 0.2}, 0},    // other side
        {{0.15, 0.5}, {0.4, 0.5}, 2},    // stem, three strokes
        {{0.15, 0.52}, {0.4, 0.52}, 0},
        {{0.15, 0.48}, {0.4, 0.48}, 0},
    };
    LampeTournee r;
    for (const Trait& t : TRAITS)
        r.traits.append({QLineF(placer_point(t.de.kx, t.de.ky), placer_point(t.a.kx, t.a.ky)), t.largeur, 0});
    r.centre_ampoule = placer_point(0.5, 0.5);
    r.rayon_ampoule = image.Height() / 5;
    return r;
}

void dessin_lampe(BoitePicture& image, const std::uint32_t& couleur, float angle) {
    LampeTournee lampe = lampe_tournee(image, angle);
    for (TraitTourne& t : lampe.traits) t.couleur = couleur;
    tracer_traits(image, lampe.traits);
    image.DrawWidth(1);
    image.FillColor(couleur_lampe.valeur(index_selection));
    image.Circle(lampe.centre_ampoule.x(), lampe.centre_ampoule.y(), lampe.rayon_ampoule);
}

// --- the half-lit ball: a white disc, then its black half as a closed pie

BornesBouleDemi bornes_bouledemi(float a) {
    double debut = -(double(a) + 9.4247778 / 2);
    double fin = -(double(a) + 3.1415926 / 2);
    QString regles;
    for (;;) {
        if (debut > 0 && debut < 0.0001) {
            debut = -6.2831852;
            regles += 'a';
        }
        if (debut >= -6.2831852 && debut < 0.0001) {
            fin = debut >= -3.1415926 ? debut - 3.1415926 : debut + 3.1415926;
            regles += 'b';
        }
        if (!(debut < -6.2831852 || debut > 0.0001)) break;
        const double k = std::floor(debut / 6.2831852) + 1;
        debut -= k * 2 * 3.1415926;
        regles += 'c';
    }
    return {float(debut), float(fin), regles};
}

void dessin_bouledemi(BoitePicture& image, float angle) {
    const float a = radians_icone(angle);
    image.DrawWidth(1);
    image.FillColor(0xFFFFFF);
    const auto disque = [&image](std::optional<double> debut, std::optional<double> fin) {
        const double l = image.ScaleWidth(), h = image.ScaleHeight();
        image.Circle(l / 2, std::fabs(h) / 2, 3 * l / 8, 0u, debut, fin);
    };
    disque(std::nullopt, std::nullopt);
    image.FillColor(0);
    const BornesBouleDemi b = bornes_bouledemi(a);
    disque(double(b.debut), double(b.fin));
}
