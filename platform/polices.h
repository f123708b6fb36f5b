#pragma once

// The font families the program's windows name, mapped onto the fonts installed with it
// (metric stand-ins), and the run time's default font for controls (MS Sans Serif 8.25 pt).
// Also reads the list of installed fonts in the background (see polices.cpp).
void installer_polices();
// Starts reading fontconfig's configuration in the background: called in main(), once the
// environment is settled (preparer_langue_systeme) and before the application object is made.
void lancer_lecture_polices();
// Waits until the fonts read in the background are ready: the main window calls it before it
// measures its first text (Qt's list would otherwise read fontconfig's configuration a second
// time while the thread is reading it).
void attendre_polices();
