#pragma once

#include "frame/registre_activites.h"

#include <QVariant>
#include <cstdint>

// Counters and wire defaults of the circuit editor that the start-up gives their values.
inline int nb_fils = 0;                // index of the last wire created
inline std::int16_t nb_selections = 0;  // index of the last set of selection lines
inline bool trace_fil = false;         // a wire is being drawn
inline std::uint32_t couleur_fil_defaut = 0;  // &HBBGGRR of each new wire
inline float epaisseur_fil_defaut = 0.0f;     // 1 fin, 2 moyen, 4 épais
inline std::int32_t style_fil_defaut = 0;     // 1 solid, 3 dotted, 4 dash-dot
inline int nombre_textes = 0;          // free text labels added in both drawing windows
inline std::int16_t nb_textes_ajoutes = 0;

// Drag state shared by both drawing windows: the press point (grab point or stroke start, an
// empty variant until the first press), the drop result, and the question counters of the
// theme in progress.
inline QVariant x_depart;
inline QVariant y_depart;
inline QVariant x_depot;
inline float y_depot = 0.0f;
inline std::int16_t nb_questions_dessin = 0;
inline std::int16_t num_question_dessin = 0;

inline void reinitialiser_etat_circuit() {
    nb_fils = 0;
    nb_selections = 0;
    trace_fil = false;
    couleur_fil_defaut = 0;
    epaisseur_fil_defaut = 0.0f;
    style_fil_defaut = 0;
    nombre_textes = 0;
    nb_textes_ajoutes = 0;
    x_depart = QVariant();
    y_depart = QVariant();
    x_depot = QVariant();
    y_depot = 0.0f;
    nb_questions_dessin = 0;
    num_question_dessin = 0;
}

// The values the main window's load gives them: every counter at 0, black, "moyen" and solid.
inline void valeurs_de_depart_circuit() {
    reinitialiser_etat_circuit();
    epaisseur_fil_defaut = 2.0f;
    style_fil_defaut = 1;
}

// Gives the frame the circuit state's start values and reset.
inline void enregistrer_circuit() {
    enregistrer_etat({QStringLiteral("circuit"), valeurs_de_depart_circuit, reinitialiser_etat_circuit});
}
