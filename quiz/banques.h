#pragma once

#include "platform/images.h"

#include <QString>
#include <QVector>
#include <array>

// The question banks of the quiz: 23 sheets, one per topic, of rows of 11 text fields.

// Columns of a row (index 0 unused).
enum ColonneQCM : int {
    numero_exercice = 1,
    numero_question = 2,
    enonce = 3,
    reponse_1 = 4,  // reponse_2 .. reponse_5 follow
    numero_bonne_reponse = 9,
    correction = 10,
    numero_image = 11,
};

// A sheet: rows 1..n (index 0 unused), each row's fields 1..11 (index 0 unused).
using LigneFeuille = std::array<QString, 12>;
using feuille_QCM = QVector<LigneFeuille>;

// A row as written in the program's constant data: the 11 fields in column order, UTF-8.
struct LigneSource {
    const char* champs[11];
};

enum class Matiere { electricite, chimie, optique };

// One row of the table of sheets.
struct DefinitionFeuille {
    feuille_QCM* feuille;
    const char* nom;          // the sheet's variable name, "feuille_elec1"
    const char* code_theme;   // stored in theme_courant by the topic click, "elec1"
    const char* cle;          // passed to the loader to copy the sheet, "Elec1"
    const char* titre;        // title shown while the topic is in progress
    const char* liste_images; // the picture list of the sheet, "Elec1"
    int nb_images;
    int nb_lignes;
    Matiere matiere;
};

inline feuille_QCM feuille_elec1, feuille_elec2, feuille_elec3, feuille_elec4, feuille_elec5, feuille_elec6,
    feuille_elec7, feuille_elec8, feuille_elec9;
inline feuille_QCM feuille_chimie2, feuille_chimie3, feuille_chimie5, feuille_chimie6, feuille_chimie7,
    feuille_chimie8, feuille_chimie9, feuille_chimie10, feuille_chimie13, feuille_chimie14;
inline feuille_QCM feuille_Optique1, feuille_Optique2, feuille_Optique3, feuille_Optique4;

// The 23 sheets in the order of the banks.
const QVector<DefinitionFeuille>& table_feuilles();
// The row of the table whose sheet key (or, for codes_theme, theme code) is exactly this text.
const DefinitionFeuille* feuille_de_cle(const QString& cle);
const DefinitionFeuille* feuille_de_code(const QString& code);

// Fill the sheets of a subject with their built-in texts (every cell assigned, "" included).
void charger_questions_elec();
void charger_questions_chimie();
void charger_questions_optique();

// Assigns every cell of a sheet from its constant rows (used by the three fill procedures).
void remplir_feuille(feuille_QCM& feuille, const LigneSource* lignes, int nombre);
template <int N>
void remplir_feuille(feuille_QCM& feuille, const LigneSource (&lignes)[N]) {
    remplir_feuille(feuille, lignes, N);
}

// Size of the question pictures as rendered from their sources.
inline constexpr int LARGEUR_IMAGE_QCM = 344;
inline constexpr int HAUTEUR_IMAGE_QCM = 160;

// The picture list of a sheet, built from the assets ":/assets/quiz/<liste>/<n>.svg".
ListeImages liste_images_qcm(const DefinitionFeuille& definition);
