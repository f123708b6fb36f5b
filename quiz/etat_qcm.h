#pragma once

#include <QString>
#include <QVector>
#include <array>
#include <cstdint>

// State of the quiz sheet in progress and its answer log.

// The answer log: entries 1 to nb_reponses_QCM of three parallel arrays (index 0 unused).
constexpr int TAILLE_RELEVE_QCM = 100;
inline std::int16_t nb_reponses_QCM = 0;
inline std::array<QString, TAILLE_RELEVE_QCM + 1> questions_posees;
inline std::array<QString, TAILLE_RELEVE_QCM + 1> corrections;
inline std::array<QString, TAILLE_RELEVE_QCM + 1> reponses_eleve;

// Empties the answer log: no entry, every text empty.
void vider_releve_QCM();

// The working copy of the sheet in progress: rows 1..n (row 0 unused), 11 fields each
// (index 0 unused, 1..11 as the sheet's columns).
using LigneQCM = std::array<QString, 12>;
inline QVector<LigneQCM> tableau_QCM;
inline std::int16_t nb_questions_QCM = 0;
inline std::int16_t question_courante_QCM = 0;
inline float nb_justes = 0.0f;
inline QString bonne_reponse;
inline QString texte_correction;
inline std::int16_t choix_eleve = 0;

void reinitialiser_etat_qcm();
