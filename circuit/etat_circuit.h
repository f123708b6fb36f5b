#pragma once

#include <QVariant>
#include <cstdint>

// The shared state of the circuit editor. A drawing has no document of its own: it is the
// controls of the circuit window together with these variables, which outlive the window
// (closing and reopening it keeps them; only the program's start gives the marked ones their
// values). A variable the editor keeps in a variant starts empty, which reads as 0 and false.

// Counters and wire defaults that the start-up gives their values.
inline int nb_fils = 0;                // index of the last wire created
inline std::int16_t nb_selections = 0;  // index of the last set of selection lines
inline bool trace_fil = false;         // a wire is being drawn
inline std::uint32_t couleur_fil_defaut = 0;  // &HBBGGRR of each new wire
inline float epaisseur_fil_defaut = 0.0f;     // 1 fin, 2 moyen, 4 épais
inline std::int32_t style_fil_defaut = 0;     // 1 solid, 3 dotted, 4 dash-dot
inline int nombre_textes = 0;          // free text labels added in both drawing windows
inline std::int16_t nb_textes_ajoutes = 0;

// Symbols: the last index created in the symbol and lead arrays (never reset), the kind code
// of the last pressed symbol, and the placed symbol whose pop-up menu is open.
inline QVariant nb_composants;
inline QVariant type_composant;
inline std::int16_t index_composant = 0;
// A text label is armed for dragging (true = -1).
inline std::int16_t deplacement_texte = 0;

// Tools: the wire tool (a variant: empty until a tool key), the selection tool and a selection
// rectangle being drawn (true = -1), the rectangle's opposite corner.
inline QVariant outil_fil;
inline std::int16_t outil_selection = 0;
inline std::int16_t trace_selection = 0;
inline QVariant x_fin;
inline QVariant y_fin;

// The wire handed to the wire dialog, its look before it was painted red, and whether the
// dialog was closed by one of its buttons.
inline std::int16_t index_fil = 0;
inline std::int32_t couleur_fil_avant = 0;
inline std::int32_t style_fil_avant = 0;
inline std::int16_t epaisseur_fil_avant = 0;
inline std::int16_t param_fil_ferme = 0;

// Text labels: the one whose pop-up menu was opened, and whether the text dialog restyles it
// instead of adding a label.
inline std::int16_t index_texte = 0;
inline QVariant edition_texte;

// Drag state shared by both drawing windows: the press point (grab point or stroke start, an
// empty variant until the first press), the drop result, and the question counters of the
// theme in progress.
inline QVariant x_depart;
inline QVariant y_depart;
inline QVariant x_depot;
inline float y_depot = 0.0f;
inline std::int16_t nb_questions_dessin = 0;
inline std::int16_t num_question_dessin = 0;

// Every variable above back to the state of a program not yet started.
void reinitialiser_etat_circuit();
// The values the main window's load gives them: every counter at 0, black, "moyen" and solid.
void valeurs_de_depart_circuit();

// Gives the frame what it reaches of the circuit editor: the main window's circuit button, the
// circuit window and its identification dialog in the adaptation pass, the state's start
// values and reset.
void enregistrer_circuit();
