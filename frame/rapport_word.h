#pragma once

// Writes the quiz answer log of the sheet just ended into a word-processor document
// "evaluation_QCM_<name>_<first name>_<dd_mm_yyyy>.doc" in the folder of quiz reports (with
// " (2)", " (3)"... before ".doc" when that name is taken): the pupil's identity, each answered
// question with its right answer and the pupil's answer, and the indicative mark. Any failure
// shows one message with its cause, closes the report's documents and leaves the program going.
void sauvegarder_QCM_word();
