#pragma once

#include <QString>
#include <functional>

// The Word boxes of the three options dialogs, read by the activities when they need them.
// Reading one loads its dialog hidden, in its design state, when it is not loaded.
bool case_word_qcm_cochee();     // Options_QCM.Check3 (unticked at design)
bool case_word_dessin_cochee();  // Options_DESSIN.Check1 (ticked at design)
bool case_word_textes_cochee();  // Options_TEXTES.Check1 (ticked at design)

// The folder of the program file, which every options dialog shows in its folder box when it
// is created (the start-up puts the same text into chemin_appli).
QString dossier_programme();

// What shows (true) or hides (false) the text window's "Valider les réponses" button. Every
// change of the Word box of Options_TEXTES calls it at once, validated or not. The text
// window's module registers it once at start-up; the action loads the text window hidden
// when it is not loaded. Without an action nothing is called.
using ActionBoutonValiderTexte = std::function<void(bool visible)>;
void definir_action_valider_texte(ActionBoutonValiderTexte action);
