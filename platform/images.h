#pragma once

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// A built-in picture by its resource path (":/assets/..."). An SVG source comes as the build
// rendered it: at the size its root <svg> element declares (an invalid taille asks for that
// size) or at one of the extra sizes the root lists in data-tailles. A size the build did not
// make is scaled from the declared one, pixel for pixel, and noted in images_hors_construction().
// A PNG source is loaded as it is (scaled pixel for pixel when another size is asked).
// A missing picture is an empty image. Nothing is kept between calls: each call uncompresses the
// picture, or for a small one takes its pixels straight from the program's data.
QImage image_integree(const QString& chemin, QSize taille = QSize());

// A picture from the pixels the build renders an SVG into (see tools/rendu_images.cpp); an empty
// image when the bytes are not such pixels.
QImage image_de_pixels_rendus(const QByteArray& pixels);

// A picture file read in the format its name's extension gives. Qt would otherwise offer the
// file to every image-format plugin installed first, loading each of them.
QImage lire_image(const QString& chemin);

// The SVG pictures asked at a size the build did not render, as "path WIDTHxHEIGHT".
QStringList images_hors_construction();

// An image list: pictures numbered from 1. A list made from a folder holds no pixels: each
// picture is uncompressed when asked for, so a list costs nothing until a picture is shown and
// keeps nothing once it is gone.
class ListeImages {
public:
    ListeImages() = default;
    // Pictures 1..nombre of the folder ":/assets/<dossier>/<n>.svg" (or .png) at that size.
    static ListeImages depuis_dossier(const QString& dossier, int nombre, QSize taille);
    int Count() const { return int(elements_.size()); }
    // Picture i (1-based); an empty image outside the list.
    QImage image(int i) const;
    void ajouter(const QImage& image) { elements_.append({QString(), QSize(), image}); }
    void vider() { elements_.clear(); }

private:
    struct Element {
        QString base;  // a built-in picture without its extension, or empty for an image given as it is
        QSize taille;
        QImage image;
    };
    QList<Element> elements_;
};
