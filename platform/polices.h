#pragma once

// The font families the program's windows name, mapped onto the fonts installed with it
// (metric stand-ins), and the run time's default font for controls (MS Sans Serif 8.25 pt).
void installer_polices();
// Starts reading fontconfig's configuration in the background: called in main(), once the
// environment is settled (preparer_langue_systeme) and before the application object is made.
void lancer_lecture_polices();
// Waits until that reading is over: the main window calls it before it measures its first text
// (Qt would otherwise read the configuration a second time while the thread is reading it).
void attendre_polices();
