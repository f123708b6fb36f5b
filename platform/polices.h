#pragma once

// The font families the program's windows name, mapped onto the fonts installed with it
// (metric stand-ins), and the run time's default font for controls (MS Sans Serif 8.25 pt).
void installer_polices();
