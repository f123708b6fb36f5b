#pragma once

// Shows the quiz window's identification dialog (the quiz window has disabled itself).
void ouvrir_identification_qcm();
