#pragma once

#include <QString>
#include <cstdint>

// The sheet loaders of the quiz: with a sheet key ("Elec3", "chimie5", "Optique2") they copy
// that sheet into the working table; then they show question `numero` in the quiz window, or,
// past the last row, close the sheet (results window, report, both buttons disabled).
void afficher_question_elec(const QString& feuille, std::int16_t& numero);
void afficher_question_chimie(const QString& feuille, std::int16_t& numero);
void afficher_question_optique(const QString& feuille, std::int16_t& numero);
