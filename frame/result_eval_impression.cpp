// The results window's print, through the shared print-settings dialog: its Picture1 as the
// area, no margins, so the copy's scale is exactly the chosen factor.
#include "frame/impression.h"
#include "frame/result_eval.h"

void Result_eval::Command2_Click() { imprimer_zone(this, Picture1, 0, 0); }
