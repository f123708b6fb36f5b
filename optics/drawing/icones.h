#pragma once

#include <QLineF>
#include <QList>
#include <QPointF>
#include <QPolygon>
#include <QString>
#include <cstdint>

class BoitePicture;

// The icons of the drawn optical elements, each painted into the element's own picture turned by
// its angle (degrees, counter-clockwise on screen). Figures are points (kx, ky): fractions of the
// picture's width and height, from the top-left corner, ky downwards. Pure white parts of an icon
// become see-through once the caller cuts white out of the picture.

// The angle in radians held as a 32-bit float, pi being 3.1415926. An angle of 1e15 degrees or
// more is first reduced by whole turns (beyond that a float no longer tells the turns apart);
// an infinite or undefined angle is taken as 0.
float radians_icone(float angle);

// A figure point turned by `a` radians about the centre of a picture of W x H pixels.
QPointF tourner_point(double kx, double ky, double largeur, double hauteur, float a);

struct PointFigure {
    double kx, ky;
};

// The four turned corners, each rounded to the nearest pixel, halves to even.
QPolygon coins_quadrilatere(const PointFigure (&coins)[4], double largeur, double hauteur, float a);
// A quadrilateral of the figure: outlined by a solid pen, then its inside filled over the
// outline's inner side. Reads the picture's pixel size.
void remplir_quadrilatere(BoitePicture& image, const PointFigure (&coins)[4], float a, int largeur_stylo,
                          std::uint32_t couleur_stylo, std::uint32_t remplissage);

// One icon turned into pixels, as it is drawn: the quadrilaterals first, then the strokes.
struct QuadrilatereTourne {
    QPolygon coins;
    int largeur_stylo;
    std::uint32_t stylo, remplissage;
};
struct TraitTourne {
    QLineF ligne;  // ends unrounded
    int largeur;   // DrawWidth set before the stroke; 0 leaves it as it was
    std::uint32_t couleur;
};
struct IconeTournee {
    QList<QuadrilatereTourne> quadrilateres;
    QList<TraitTourne> traits;
};
// The eleven icons that clear their picture, by kind name ("ecran" ... "laser"), in a picture of
// W x H pixels; colours from the kind's table at index_selection and from `couleur_trait`.
// Empty for any other name.
IconeTournee icone_tournee(const QString& type, double largeur, double hauteur, float angle,
                           std::uint32_t couleur_trait = 0);

void dessin_ecran(BoitePicture& image, const std::uint32_t& couleur, float angle);
void dessin_lampe(BoitePicture& image, const std::uint32_t& couleur, float angle);
void dessin_ecran_coupe(BoitePicture& image, const std::uint32_t& couleur, float angle);
void dessin_cube(BoitePicture& image, const std::uint32_t& couleur, float angle);
void dessin_filtre(BoitePicture& image, const std::uint32_t& couleur, float angle);
void dessin_filtre_coupe(BoitePicture& image, const std::uint32_t& couleur, float angle);
void dessin_ecran_perce1_coupe(BoitePicture& image, float angle);
void dessin_ecran_perce2_coupe(BoitePicture& image, float angle);
void dessin_oeil(BoitePicture& image, float angle);
void dessin_ecran_perce1(BoitePicture& image, float angle);
void dessin_ecran_perce2(BoitePicture& image, float angle);
void dessin_laser(BoitePicture& image, float angle);
void dessin_bouledemi(BoitePicture& image, float angle);

// The lamp in the picture's own scale: its six strokes (in scale units) and its bulb.
struct LampeTournee {
    QList<TraitTourne> traits;
    QPointF centre_ampoule;
    double rayon_ampoule;  // horizontal scale units
};
LampeTournee lampe_tournee(const BoitePicture& image, float angle);

// The black half of the ball: the start and end angles handed to the circle drawing, and the
// rules of the range loop that acted, in order ("a" start just above 0, "b" end set from the
// start, "c" whole turns removed).
struct BornesBouleDemi {
    float debut, fin;
    QString regles;
};
BornesBouleDemi bornes_bouledemi(float a);
