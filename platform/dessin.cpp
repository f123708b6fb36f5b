#include "platform/dessin.h"

#include "platform/controles.h"
#include "platform/couleurs.h"

#include <QPainter>
#include <QRegion>

namespace dessin {

namespace {
QPen stylo_qt(const Stylo& s) {
    const int largeur = qMax(1, s.largeur);
    const Qt::PenStyle style = s.style == 2 && largeur == 1 ? Qt::DotLine : Qt::SolidLine;
    return QPen(couleur_vb(s.couleur), largeur, style, Qt::RoundCap, Qt::RoundJoin);
}
}

void polygone(BoitePicture& surface, const Stylo& stylo, const QPolygon& points) {
    QPainter p(&surface.Image());
    p.setPen(stylo_qt(stylo));
    p.setBrush(Qt::NoBrush);
    p.drawPolygon(points);
    p.end();
    surface.update();
}

bool remplir_region(BoitePicture& surface, const QPolygon& points, std::uint32_t couleur) {
    const QRegion region(points, Qt::OddEvenFill);
    if (region.isEmpty()) return false;
    QPainter p(&surface.Image());
    for (const QRect& r : region) p.fillRect(r, couleur_vb(couleur));
    p.end();
    surface.update();
    return true;
}

void ellipse(BoitePicture& surface, const Stylo& stylo, std::uint32_t remplissage, int gauche, int haut, int droite,
             int bas) {
    const QRect cadre = QRect(QPoint(qMin(gauche, droite), qMin(haut, bas)), QPoint(qMax(gauche, droite), qMax(haut, bas)));
    // Qt's rectangle of w x h pixels covers w + 1 columns with a thin pen: one less on each side.
    if (cadre.width() < 2 || cadre.height() < 2) return;
    QPainter p(&surface.Image());
    p.setPen(stylo_qt(stylo));
    p.setBrush(couleur_vb(remplissage));
    p.drawEllipse(cadre.adjusted(0, 0, -2, -2));
    p.end();
    surface.update();
}

void copie_etiree(BoitePicture& surface, const QRect& vers, const QImage& source, const QRect& depuis) {
    if (vers.isEmpty() || depuis.isEmpty()) return;
    const QImage morceau = source.copy(depuis).scaled(vers.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QPainter p(&surface.Image());
    p.drawImage(vers.topLeft(), morceau);
    p.end();
    surface.update();
}

}
