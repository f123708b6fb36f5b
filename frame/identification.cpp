#include "frame/identification.h"

void ouvrir_identification_qcm() {}
