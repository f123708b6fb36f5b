#pragma once

#include <QString>
#include <cmath>

// The run time's number conversions, which differ from Qt's own.
namespace nombres {
// Rounds halves to the even neighbour (2.5 -> 2, 3.5 -> 4).
inline double arrondi_pair(double v) { return std::nearbyint(v); }
// Int(): the largest whole number not above v (Int(-0.5) is -1).
inline double Int(double v) { return std::floor(v); }
// Val(): the leading decimal number of a text, "." as decimal point, 0 when there is none.
double Val(const QString& texte);
// Rounds halves away from zero to the given number of decimals, on the decimal value.
double arrondi_decimal(double v, int decimales);
}
