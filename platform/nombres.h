#pragma once

#include <QString>
#include <cmath>

// The run time's number conversions, which differ from Qt's own.
namespace nombres {
// Rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double arrondi_pair(double v) { return std::nearbyint(v); }
// Int(): the largest whole number not above v (Int(-0.5) is -1).
inline double Int(double v) { return std::floor(v); }
// Val(): the leading number of a text, 0 when there is none; blanks are skipped anywhere.
// Decimal with "." as decimal point and an exponent after E or D ("1D2" is 100); &H hexadecimal
// and &O octal, read as the run time's 16-bit integers up to &HFFFF (&HFFFF is -1) and as
// 32-bit ones beyond; a number too large for 32 bits gives 0.
double Val(const QString& texte);
// Rounds halves away from zero to the given number of decimals, on the decimal value.
double arrondi_decimal(double v, int decimales);
}
