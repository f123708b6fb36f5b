#include "platform/ecran.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace {
float force_x = 0;
float force_y = 0;

float depuis_dpi(bool horizontal) {
    QScreen* s = QGuiApplication::primaryScreen();
    if (!s) return 15.0f;
    const double dpi = horizontal ? s->logicalDotsPerInchX() : s->logicalDotsPerInchY();
    return dpi > 0 ? float(1440.0 / dpi) : 15.0f;
}
}

namespace ecran {
float TwipsPerPixelX() { return force_x > 0 ? force_x : depuis_dpi(true); }
float TwipsPerPixelY() { return force_y > 0 ? force_y : depuis_dpi(false); }

void fixer_twips_par_pixel(float x, float y) {
    force_x = x;
    force_y = y;
}

int twips_en_pixels_x(double twips) { return int(std::lround(twips / TwipsPerPixelX())); }
int twips_en_pixels_y(double twips) { return int(std::lround(twips / TwipsPerPixelY())); }
}
