#include "quiz/banques.h"

void charger_questions_elec() {}
