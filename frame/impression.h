#pragma once

// Prints the quiz window's working area through the print-settings dialog.
void imprimer_fenetre_QCM();
