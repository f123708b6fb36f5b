#pragma once

// The commands of the optics sheet's pop-up menus, one routine per family, and the turn of the
// rotation-angle window. Each acts on the element that the selection names when it runs, and only
// on a placed one of a loaded sheet: a palette item, a template, an element that was never
// loaded or a closed sheet leave everything as it was.

// Gives the menu window its command routines (all but the text notes') and the rotation-angle
// window its turn. Runs when the optics activity registers.
void enregistrer_commandes_optique();

// Deleted elements go there, left of the drawing area, out of sight and out of the mouse's reach.
inline constexpr double GAUCHE_ELEMENT_EFFACE = -3000;
