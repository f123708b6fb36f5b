#include "platform/transparence.h"

#include "platform/controles.h"

#include <QImage>
#include <QRegion>

QRegion region_sans_blanc(const QImage& image) {
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    QRegion zone;
    // Runs of non-white pixels, row by row: the same region as cutting white pixels one by one.
    for (int y = 0; y < img.height(); ++y) {
        const QRgb* ligne = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        int x = 0;
        while (x < img.width()) {
            while (x < img.width() && (ligne[x] & 0xFFFFFF) == 0xFFFFFF) ++x;
            const int debut = x;
            while (x < img.width() && (ligne[x] & 0xFFFFFF) != 0xFFFFFF) ++x;
            if (x > debut) zone += QRect(debut, y, x - debut, 1);
        }
    }
    return zone;
}

void rendre_transparent(BoitePicture* image) {
    image->definir_bordure(false);
    image->ScaleMode(3);  // pixels, y downwards: later presses and drops report the box's pixels
    const QRegion zone = region_sans_blanc(image->rendu());
    // An empty mask would make the widget whole again: a region outside it hides it all.
    image->setMask(zone.isEmpty() ? QRegion(-1, -1, 1, 1) : zone);
    image->noter_couverture();
}
