#pragma once

#include <QImage>
#include <QList>
#include <QString>

// A built-in picture by its resource path (":/assets/..."): an SVG is rendered at the given
// size on a white ground, without anti-aliasing leaving near-white fringes on white; a PNG is
// loaded as it is. A missing picture is an empty image.
QImage image_integree(const QString& chemin, QSize taille = QSize());

// An image list: pictures numbered from 1.
class ListeImages {
public:
    ListeImages() = default;
    // Loads pictures 1..nombre of the folder ":/assets/<dossier>/<n>.svg" (or .png) at that size.
    static ListeImages depuis_dossier(const QString& dossier, int nombre, QSize taille);
    int Count() const { return int(images_.size()); }
    // Picture i (1-based); an empty image outside the list.
    QImage image(int i) const;
    void ajouter(const QImage& image) { images_.append(image); }
    void vider() { images_.clear(); }

private:
    QList<QImage> images_;
};
