// The main window's menus that open the identification and the options dialogs.
#include "frame/form1.h"

void Form1::mnuidentifier_Click() {}
void Form1::mnuoptionsDESSIN_Click() {}
void Form1::mnuoptionsQCM_Click() {}
void Form1::mnuoptionstexte_Click() {}
