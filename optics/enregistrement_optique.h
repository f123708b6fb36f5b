#pragma once

// What the optics activity registers with the frame.
#include "frame/registre_activites.h"
#include "optics/menus/angle_rotation.h"
#include "optics/sheet/etat_optique.h"

inline void enregistrer_optique() {
    // The scene model has no start values of its own: the sheet's load resets what it uses.
    enregistrer_etat({QStringLiteral("optique"), nullptr, reinitialiser_etat_optique});
    enregistrer_fenetre_passe(fenetre_de_la_passe<angle_rotation>(QStringLiteral("angle_rotation"), 3, 7));
}
