#pragma once

#include <QString>
#include <cstdint>

// State of the run shared by every window of the application frame. Values before the main
// window's load are those of a fresh program (empty texts, 0, false); its load gives them
// their start values.

// The pupil identity: empty until the first identification, "Aucun" when declined.
inline QString nom_eleve;
inline QString prenom_eleve;
inline QString classe_eleve;
inline QString date_evaluation;

inline QString titre_theme;    // title of the quiz topic in progress
inline QString theme_courant;  // code of the theme in progress in the open activity window

inline bool option_note_fin = false;           // show the results window when a quiz sheet ends
inline bool option_afficher_reponses = false;  // show right/wrong and the correction

inline QString chemin_appli;   // folder of the program file
inline QString chemin_QCM;     // folder of the quiz reports
inline QString chemin_schema;  // folder of the circuit and optics reports
inline QString chemin_textes;  // folder of the text reports

inline QString mot_de_passe_options;  // the teacher password of the options

inline bool adaptation_en_cours = false;  // every window is being loaded and unloaded to rescale it
inline std::int16_t reponse_message = 0;  // answer code of the last message box that stored one

inline float facteur_echelle = 0.0f;     // print scale
inline bool impression_validee = false;  // the print-settings dialog was validated
inline std::int16_t index_imprimante = 0;

// The teacher password compiled into the program.
extern const QString MOT_DE_PASSE_ENSEIGNANT;

// Puts every shared variable of the program back to its state before the main window loads.
void reinitialiser_etat_partage();
