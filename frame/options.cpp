#include "frame/options.h"

bool case_word_qcm_cochee() { return false; }
