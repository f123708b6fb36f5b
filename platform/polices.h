#pragma once

// The font families the program's windows name, mapped onto the fonts installed with it
// (metric stand-ins), and the run time's default font for controls (MS Sans Serif 8.25 pt).
void installer_polices();
// Starts fontconfig's own initialisation on a thread: called once the application object exists
// (it does nothing before), so that nothing changes the environment or the locale meanwhile.
// When the system refuses the thread, nothing is started: Qt reads it before the first text.
void lancer_lecture_polices();
// Waits until that reading is over: the start calls it before anything measures a text.
void attendre_polices();
