// The results window's print, through the shared print-settings dialog.
#include "frame/result_eval.h"

void Result_eval::Command2_Click() {}
