#pragma once

// Screen metrics as the program sees them: twips per pixel on each axis.
// 15 at 96 dpi. Tests inject other values to exercise the adaptation code.
namespace ecran {
float TwipsPerPixelX();
float TwipsPerPixelY();
// Forces the values (tests); fixer(0, 0) goes back to the real screen.
void fixer_twips_par_pixel(float x, float y);
// Converts twips to whole pixels on the current screen (the platform's rounding).
int twips_en_pixels_x(double twips);
int twips_en_pixels_y(double twips);
}
