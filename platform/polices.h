#pragma once

// The font families the program's windows name, mapped onto the fonts installed with it
// (metric stand-ins), and the run time's default font for controls (MS Sans Serif 8.25 pt).
// Also reads the list of installed fonts in the background (see polices.cpp).
void installer_polices();
