#pragma once

#include <QColor>
#include <cstdint>

// Colours of the program are 24-bit values laid out blue-green-red (&HBBGGRR). A value
// &H80000000 + n names the system colour n (5 window background, 7 menu text, 8 window text,
// 15 button face, 18 button text, ...), taken from the application's palette.
QColor couleur_systeme(std::uint32_t valeur);
inline QColor couleur_vb(std::uint32_t bgr) {
    if (bgr & 0x80000000u) return couleur_systeme(bgr);
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
inline std::uint32_t vers_bgr(const QColor& c) {
    return std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) | (std::uint32_t(c.blue()) << 16);
}
