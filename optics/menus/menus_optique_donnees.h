#pragma once

#include <array>
#include <cstdint>

// The eight pop-up menus of the optics sheet, as one table: every menu in display order, a
// pop-up first, then its items, a sub-menu header followed by its own items. An item's place
// in its menu is its rank among the rows of that menu, which is how the pictures are set.

// What a chosen item does. A family takes its item's value as its parameter.
enum class FamilleCommande {
    en_tete,             // a pop-up or a sub-menu header: no command
    effacer,             // delete the element
    taille,              // resize by the value, as both factors
    rotation,            // turn by the value, in degrees
    autre_angle,         // open the rotation-angle window
    lumiere_lampe,       // light colour of a lamp (&HBBGGRR value)
    couleur_element,     // colour of a screen, cube, filter or edge-on filter
    couleur_ecran_coupe, // colour of an edge-on screen
    epaisseur_trace,     // pen width of a ray or line, in pixels
    couleur_trace,       // colour of a ray or line
    epaisseur_cercle,    // outline width of an ellipse, in pixels
    style_cercle,        // outline pen style of an ellipse: 0 solid, 2 dotted
    couleur_cercle,      // outline colour of an ellipse
    remplissage_cercle,  // fill colour of an ellipse (&HFFFFFF: see-through)
    plan,                // stacking place among the area's elements: 0 in front, 1 behind
    editer_texte,        // rewrite the note through the text window
    effacer_texte,       // empty the note
};
inline constexpr int NOMBRE_FAMILLES_COMMANDES = int(FamilleCommande::effacer_texte) + 1;

struct LigneMenuOptique {
    int niveau;               // 0 a pop-up, 1 an item of a pop-up, 2 an item of a sub-menu
    const char* nom;          // the menu's name, unique
    const char* legende;      // below the top level, with its leading blank
    int image;                // picture of icone_menu set on the item, 0 none
    FamilleCommande famille;  // en_tete for pop-ups and sub-menu headers
    double valeur;            // the family's parameter (factor, degrees, colour, width, style, place)
};

inline constexpr int NOMBRE_LIGNES_MENUS_OPTIQUE = 133;
const std::array<LigneMenuOptique, NOMBRE_LIGNES_MENUS_OPTIQUE>& lignes_menus_optique();

// The pop-up a text note opens.
inline constexpr const char* MENU_TEXTE_OPTIQUE = "mnuflottanttexteoptique";
