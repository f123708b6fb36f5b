#pragma once

#include "circuit/dialogue_texte.h"

class fenetre_dessin_optique;

// The optics sheet's text dialog "Ajouter du texte": adds a note to the drawing area, or, in
// edit mode, rewrites the note whose menu was opened last. A fixed tool window, modeless.
class Ajout_texte_optique final : public DialogueTexte {
    Q_OBJECT
public:
    Ajout_texte_optique();
    void Command2_Click() override;
};

// The tool bar's "Insérer du texte": the dialog shown with the focus in its text box, the
// area's pointer back to the default one; the drawing tool chosen stays chosen.
void inserer_texte_optique(fenetre_dessin_optique* fenetre);

// The two commands of a note's menu, on the note index_texte_optique: " Editer le texte" opens
// the dialog on its text and style, " Effacer le texte" empties it; both put the dialog in edit
// mode for that note. Neither does anything when that note is not on the open sheet.
void mnuedittexteoptique_Click();
void mnueffacertexteoptique_Click();

// Gives the menu window the two commands above and the adaptation pass the dialog.
void enregistrer_notes_optique();
