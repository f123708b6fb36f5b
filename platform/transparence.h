#pragma once

class BoitePicture;
class QImage;
class QRegion;

// The region of a picture less its pure white (#FFFFFF) pixels; every other colour stays.
QRegion region_sans_blanc(const QImage& image);

// Makes the pure white pixels of a picture box holes of its window region: there the box
// neither paints nor takes the mouse, and what lies beneath shows through. The box loses its
// border first and is left in pixel scale (origin top-left, y downwards); each call starts
// again from the whole box.
void rendre_transparent(BoitePicture* image);
