#pragma once

// Clearing the optics sheet. Nothing is unloaded and nothing of the scene model is reset: every
// element, stroke and note goes off the area, to (-5000, -5000), the templates stay where they
// are, and new items keep counting up.

// Clears at once: the frame, the handle and the pins hidden, the three tool buttons released
// and their tools off, the area's default pointer, then every note and every element moved off.
void effacer_dessin();
// Asks "Initialisation: Voulez-vous tout effacer?" (Yes/No, No by default); Yes clears.
void tout_effacer();
