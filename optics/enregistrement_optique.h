#pragma once

// Gives the frame what it reaches of the optics activity: the main window's optics drawing
// button, the optics window and its identification dialog in the adaptation pass, and the reset
// of the scene model (which has no start values of its own: the sheet's load resets what it uses).
void enregistrer_optique();
