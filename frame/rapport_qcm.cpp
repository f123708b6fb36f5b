#include "frame/rapport_word.h"

void sauvegarder_QCM_word() {}
