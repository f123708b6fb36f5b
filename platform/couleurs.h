#pragma once

#include <QColor>
#include <cstdint>

// Colours of the program are 24-bit values laid out blue-green-red (&HBBGGRR).
inline QColor couleur_vb(std::uint32_t bgr) {
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
inline std::uint32_t vers_bgr(const QColor& c) {
    return std::uint32_t(c.red()) | (std::uint32_t(c.green()) << 8) | (std::uint32_t(c.blue()) << 16);
}
