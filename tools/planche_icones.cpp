// Sheet of the optical element icons, to be looked at by eye: each of the thirteen drawn kinds at
// 0, 45 and 90 degrees in pictures of 40 x 40 and 80 x 80, then rays in four directions, a segment
// and ellipses (solid and dotted, filled and not). Every picture is laid on a tinted sheet with its
// pure white cut out, as on the optics sheet, and shown twice its size, pixel for pixel.
// Usage: planche_icones OUT.png
#include "optics/drawing/icones.h"
#include "optics/drawing/traces.h"
#include "optics/sheet/etat_optique.h"
#include "platform/controles.h"

#include <QApplication>
#include <QPainter>

namespace {
constexpr int LOUPE = 2;
constexpr int CELLULE = 80 * LOUPE + 16;
constexpr int TITRE = 170;
const QColor FEUILLE(214, 236, 250);

BoitePicture* image_vierge(QWidget* parent, int cote) {
    auto* b = new BoitePicture(parent);
    b->resize(cote, cote);
    b->BackColor(0xFFFFFF);
    b->ForeColor(0);
    b->Cls();
    return b;
}

// The picture on the sheet: white left out, the rest enlarged pixel for pixel.
void poser(QPainter& p, const QImage& image, int x, int y) {
    QImage decoupee = image.convertToFormat(QImage::Format_ARGB32);
    for (int j = 0; j < decoupee.height(); ++j)
        for (int i = 0; i < decoupee.width(); ++i)
            if ((decoupee.pixel(i, j) & 0xFFFFFF) == 0xFFFFFF) decoupee.setPixel(i, j, 0);
    p.drawImage(x, y, decoupee.scaled(decoupee.size() * LOUPE, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

QImage icone(const TypeElement& type, int cote, float angle) {
    QWidget parent;
    BoitePicture* b = image_vierge(&parent, cote);
    b->FillStyle(type.remplissage_plein ? 0 : 1);
    if (QLatin1String(type.nom) == QLatin1String("lampe")) {
        // The lamp turns about its scale's origin: the centre, y upwards.
        b->ScaleWidth(cote);
        b->ScaleHeight(-cote);
        b->ScaleTop(cote / 2.0);
        b->ScaleLeft(-cote / 2.0);
    }
    dessiner_icone(type, *b, angle);
    return b->Image().copy();
}
}

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    if (argc < 2) {
        qWarning("usage: planche_icones OUT.png");
        return 2;
    }
    reinitialiser_etat_optique();
    reinitialiser_chargement_optique();  // the kinds' own colours at entry 0, as the sheet's templates
    const float angles[] = {0, 45, 90};
    QList<const TypeElement*> types;
    for (const TypeElement& t : types_elements())
        if (t.angles) types << &t;
    const int lignes = int(types.size()) + 2;
    QImage planche(TITRE + 6 * CELLULE, lignes * CELLULE + 20, QImage::Format_RGB32);
    planche.fill(FEUILLE);
    QPainter p(&planche);
    QFont police("DejaVu Sans");
    police.setPixelSize(13);
    p.setFont(police);
    for (int c = 0; c < 6; ++c)
        p.drawText(TITRE + c * CELLULE, 14, QStringLiteral("%1 x %1, %2°").arg(c < 3 ? 40 : 80).arg(angles[c % 3]));
    for (int l = 0; l < types.size(); ++l) {
        const int y = 20 + l * CELLULE;
        p.drawText(8, y + CELLULE / 2, QLatin1String(types[l]->nom));
        for (int c = 0; c < 6; ++c) poser(p, icone(*types[l], c < 3 ? 40 : 80, angles[c % 3]), TITRE + c * CELLULE, y);
    }
    // Strokes: four rays (right, up, down-left, left), a segment, then ellipses.
    QWidget parent;
    int y = 20 + int(types.size()) * CELLULE;
    p.drawText(8, y + CELLULE / 2, "rayons, trait");
    const char* directions[] = {"horizontal_gauche_droite", "vertical_montant", "droite_gauche_descendant",
                                "horizontal_droite_gauche"};
    for (int c = 0; c < 5; ++c) {
        BoitePicture* b = image_vierge(&parent, 80);
        const auto [debut, fin] = *extremites_trace(directions[qMin(c, 3)], 80, 80, marge_rayon);
        if (c < 4)
            dessin_rayon(*b, 2, 0xFF, debut.x(), debut.y(), fin.x(), fin.y());
        else
            dessin_trait(*b, 2, 0, 5, 75, 75, 20);
        poser(p, b->Image(), TITRE + c * CELLULE, y);
    }
    y += CELLULE;
    p.drawText(8, y + CELLULE / 2, "ellipses");
    struct Ellipse {
        int style;
        float largeur;
        std::uint32_t remplissage;
    };
    const Ellipse ellipses[] = {{0, 1, 0xFFFFFF}, {2, 1, 0xFFFFFF}, {2, 3, 0xFFFFFF}, {0, 2, 0xFFFF}, {2, 1, 0xFF00}};
    for (int c = 0; c < 5; ++c) {
        BoitePicture* b = image_vierge(&parent, 80);
        dessin_cercle(*b, ellipses[c].style, ellipses[c].largeur, 0xFF0000, ellipses[c].remplissage, 5, 15, 75, 65);
        poser(p, b->Image(), TITRE + c * CELLULE, y);
    }
    p.end();
    return planche.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
