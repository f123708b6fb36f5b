#pragma once

// Writes the quiz answer log of the sheet just ended into a word-processor document.
void sauvegarder_QCM_word();
