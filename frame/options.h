#pragma once

// The Word box of the quiz options (Check3 ticked), read when a quiz sheet ends; reading it
// loads the options dialog hidden, in its design state, when it was never opened.
bool case_word_qcm_cochee();
