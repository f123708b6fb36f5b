#pragma once

#include <QFont>
#include <QList>
#include <QString>

// The text lines of an SVG source, placed as the renderer places them: through the translate()
// and scale() of their groups and their own, with the font they are drawn in.
struct LigneSvg {
    QString texte;
    QString famille;
    double taille;  // pixels, once scaled
    QFont police;
    double gauche, largeur;  // the advance of the whole line, after its anchor
    double base;             // the baseline
};

struct TextesSvg {
    QString largeur, hauteur, viewbox;  // of the root, as written
    QList<LigneSvg> lignes;
    QString erreur;  // a transform other than translate() then scale(), or the XML's error
};

TextesSvg lire_textes_svg(const QString& chemin);

// Statement lines keep this many pixels clear of both sides of their picture.
constexpr double MARGE_DES_LIGNES = 6;

// What a line does against that margin in a picture that wide, empty when nothing.
QString ligne_hors_marge(const LigneSvg& ligne, int largeur_image);
