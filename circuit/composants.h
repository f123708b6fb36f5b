#pragma once

#include <array>

// The eighteen kinds of circuit symbol, one control array each (one per symbol and
// orientation). Each array's element 0 is the palette item inside its family's frame; the
// placed symbols are its further elements, inside the drawing area.

// The six families: the key of the drawing tool bar that shows the family's palette frame.
enum class Famille { pile, diode, resistance, lampe, interrupteur, moteur };
inline constexpr int NOMBRE_FAMILLES = 6;

// The leads of a placed symbol lie across (horizontal) or up and down (vertical).
enum class Orientation { horizontale, verticale };

struct TypeComposant {
    const char* tableau;   // name of the control array, "Lampe1"
    Famille famille;
    int gauche, haut;      // place of the palette item in its frame, in pixels
    int code_depot;        // stored by a left press, read by a drop
    int code_menu;         // stored by a right press or a double click, read by the pop-up menu
    Orientation orientation;
};

inline constexpr int NOMBRE_TYPES_COMPOSANTS = 18;

// In the order of their drop codes 1 to 18.
inline constexpr std::array<TypeComposant, NOMBRE_TYPES_COMPOSANTS> types_composants{{
    // tableau          famille                    gauche haut depot menu orientation
    {"Lampe1",        Famille::lampe,             16, 24,  1,  6, Orientation::horizontale},
    {"Résistance1",   Famille::resistance,        16, 24,  2,  3, Orientation::horizontale},
    {"Pile1",         Famille::pile,              24, 16,  3,  1, Orientation::horizontale},
    {"Pile2",         Famille::pile,              24, 72,  4,  2, Orientation::horizontale},
    {"diode1",        Famille::diode,             24, 16,  5,  4, Orientation::horizontale},
    {"diode2",        Famille::diode,             24, 72,  6,  5, Orientation::horizontale},
    {"Pile3",         Famille::pile,              96, 16,  7,  7, Orientation::verticale},
    {"Pile4",         Famille::pile,              96, 72,  8,  8, Orientation::verticale},
    {"Résistance2",   Famille::resistance,        72, 24,  9,  9, Orientation::verticale},
    {"diode3",        Famille::diode,             96, 16, 10, 10, Orientation::verticale},
    {"diode4",        Famille::diode,             96, 72, 11, 11, Orientation::verticale},
    {"Lampe2",        Famille::lampe,             72, 24, 12, 12, Orientation::verticale},
    {"Interrupteur1", Famille::interrupteur,      24, 24, 13, 13, Orientation::horizontale},
    {"Interrupteur2", Famille::interrupteur,      24, 80, 14, 14, Orientation::horizontale},
    {"Moteur1",       Famille::moteur,            16, 24, 15, 15, Orientation::horizontale},
    {"Interrupteur3", Famille::interrupteur,      88, 24, 16, 16, Orientation::verticale},
    {"Interrupteur4", Famille::interrupteur,      88, 80, 17, 17, Orientation::verticale},
    {"Moteur2",       Famille::moteur,            72, 24, 18, 18, Orientation::verticale},
}};

// The family's palette frame: its name and its size in pixels; all six lie at (4, 224).
struct CadrePalette {
    Famille famille;
    const char* cadre;   // "Frame_pile"
    const char* cle;     // the tool bar key that shows it, "pile"
    int largeur, hauteur;
};
inline constexpr std::array<CadrePalette, NOMBRE_FAMILLES> cadres_palettes{{
    {Famille::pile,         "Frame_pile",         "pile",         145, 137},
    {Famille::diode,        "Frame_diode",        "diode",        145, 137},
    {Famille::resistance,   "Frame_resistance",   "resistance",   161,  89},
    {Famille::lampe,        "Frame_lampe",        "lampe",        161,  89},
    {Famille::interrupteur, "Frame_interrupteur", "interrupteur", 145, 145},
    {Famille::moteur,       "Frame_moteur",       "moteur",       161,  97},
}};
inline constexpr int GAUCHE_PALETTES = 4;
inline constexpr int HAUT_PALETTES = 224;

// The order in which a clearing visits the symbol arrays, as indices into types_composants.
inline constexpr std::array<int, NOMBRE_TYPES_COMPOSANTS> ordre_effacement{
    {2, 3, 6, 7, 4, 5, 9, 10, 1, 8, 14, 17, 12, 13, 15, 16, 0, 11}};
