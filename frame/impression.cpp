#include "frame/impression.h"

void imprimer_fenetre_QCM() {}
