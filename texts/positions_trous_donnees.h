#pragma once

#include <cstdint>

// Design places of the entry boxes over the blanks of the 26 text pictures: one table per
// picture, one row per blank, in twips from the picture's top-left corner at 15 twips per
// pixel (Left, Top, Width; the height is the template box's). Row i places entry box i.
// The values are written by tools/textes/generer_textes together with the pictures
// assets/textes/<liste>/<image>.png, whose blanks they locate.
struct LigneTrou {
    std::int16_t Left, Top, Width;
};

struct TableTrous {
    const char* nom;    // "trous_elec1"
    const char* liste;  // "elec", "chimie" or "optique": the picture's list
    int image;          // 1-based index of the picture in its list
    const LigneTrou* lignes;
    int nombre_lignes;
};

inline constexpr int NOMBRE_TABLES_TROUS = 26;

// trous_elec1 .. trous_elec9, trous_chimie1 .. trous_chimie13, trous_optique1 .. trous_optique4.
extern const TableTrous tables_trous[NOMBRE_TABLES_TROUS];
