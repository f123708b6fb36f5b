// The main window's menus that open the identification and the options dialogs: each disables
// the main window, then shows its dialog modeless; the dialog enables the main window again.
#include "frame/form1.h"
#include "frame/identification.h"
#include "frame/options_dialogues.h"

void Form1::mnuidentifier_Click() {
    setEnabled(false);
    Identification* dialogue = Fenetre::obtenir<Identification>();
    dialogue->Show();
}

void Form1::mnuoptionsDESSIN_Click() {
    setEnabled(false);
    Fenetre::obtenir<Options_DESSIN>()->Show();
}

void Form1::mnuoptionsQCM_Click() {
    setEnabled(false);
    Fenetre::obtenir<Options_QCM>()->Show();
}

void Form1::mnuoptionstexte_Click() {
    setEnabled(false);
    Fenetre::obtenir<Options_TEXTES>()->Show();
}
