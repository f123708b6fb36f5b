#pragma once

// The activities that the program is made of. Each registers with the frame what the frame
// reaches of it (its buttons of the main window, its windows in the adaptation pass, its state);
// the program, its tests and its benchmarks call this once before the main window loads.
#include "circuit/etat_circuit.h"
#include "optics/enregistrement_optique.h"
#include "quiz/fenetre_qcm.h"
#include "texts/fenetre_texte.h"

inline void enregistrer_modules() {
    enregistrer_qcm();
    enregistrer_circuit();
    enregistrer_optique();
    enregistrer_textes();
}
