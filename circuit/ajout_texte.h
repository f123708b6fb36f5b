#pragma once

#include "circuit/dialogue_texte.h"

// The circuit sheet's text dialog "Ajouter du texte": adds a free label to the sheet, or, in
// edit mode, restyles the label whose menu was opened.
class Ajout_texte final : public DialogueTexte {
    Q_OBJECT
public:
    Ajout_texte();
    void Command2_Click() override;
};
