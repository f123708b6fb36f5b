// Drawing into a picture box: clearing, the scale, the pen width and fill, Line and Circle.
// Everything is drawn aliased into the box's persistent image, in whole device pixels.
#include "platform/controles.h"
#include "platform/couleurs.h"
#include "platform/ecran.h"
#include "platform/nombres.h"

#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
// Whole device pixels, halves to even; far-off values are held within reach of an int.
int pixel_entier(double v) { return int(nombres::arrondi_pair(std::clamp(v, -1e8, 1e8))); }

QPen stylo_trait(std::uint32_t couleur, int largeur) {
    return QPen(couleur_vb(couleur), largeur, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// An angle of the circle drawing brought into [0, 2 pi), in sixteenths of a degree for Qt.
int seiziemes_de_degre(double radians) {
    const double tour = 2 * M_PI;
    double r = std::fmod(radians, tour);
    if (r < 0) r += tour;
    return int(std::lround(r * 180.0 / M_PI * 16.0));
}
}

void BoitePicture::BackColor(std::uint32_t bgr) { couleur_fond(this, bgr); }
std::uint32_t BoitePicture::BackColor() const { return couleur_fond_de(this); }
void BoitePicture::ForeColor(std::uint32_t bgr) { couleur_texte(this, bgr); }
std::uint32_t BoitePicture::ForeColor() const { return couleur_texte_de(this); }

void BoitePicture::Cls() {
    QImage& image = Image();
    image.fill(couleur_vb(BackColor()));
    if (!picture_.isNull()) {
        QPainter p(&image);
        p.drawImage(0, 0, picture_);
    }
    update();
}

void BoitePicture::figer_image() {
    picture_ = Image();
    update();
}

// --- place and size, kept as set

QRectF BoitePicture::position_actuelle() const {
    if (!echelle_.position.isNull() && echelle_.posee == geometry()) return echelle_.position;
    return QRectF(geometry());
}

void BoitePicture::poser(const QRectF& position) {
    const QRectF p(position.x(), position.y(), qMax(0.0, position.width()), qMax(0.0, position.height()));
    const QRect pixels(pixel_entier(p.x()), pixel_entier(p.y()), pixel_entier(p.width()), pixel_entier(p.height()));
    const double tx = ecran::TwipsPerPixelX(), ty = ecran::TwipsPerPixelY();
    fixer_twips(this, QRectF(p.x() * tx, p.y() * ty, p.width() * tx, p.height() * ty));
    setGeometry(pixels);
    echelle_.position = p;
    echelle_.posee = geometry();
}

double BoitePicture::Left() const { return position_actuelle().x(); }
double BoitePicture::Top() const { return position_actuelle().y(); }
double BoitePicture::Width() const { return position_actuelle().width(); }
double BoitePicture::Height() const { return position_actuelle().height(); }

namespace {
QRectF avec_valeur(const QRectF& r, int rang, double v) {
    double c[4] = {r.x(), r.y(), r.width(), r.height()};
    c[rang] = v;
    return QRectF(c[0], c[1], c[2], c[3]);
}
}

void BoitePicture::Left(double v) { poser(avec_valeur(position_actuelle(), 0, v)); }
void BoitePicture::Top(double v) { poser(avec_valeur(position_actuelle(), 1, v)); }
void BoitePicture::Width(double v) { poser(avec_valeur(position_actuelle(), 2, v)); }
void BoitePicture::Height(double v) { poser(avec_valeur(position_actuelle(), 3, v)); }

// --- scale

void BoitePicture::ScaleMode(int mode) {
    if (mode == 3) {
        echelle_.mode = 3;
    } else if (mode == 0 && echelle_.mode == 3) {
        echelle_.gauche = 0;
        echelle_.haut = 0;
        echelle_.largeur = width();
        echelle_.hauteur = height();
        echelle_.mode = 0;
    }
}

double BoitePicture::ScaleLeft() const { return echelle_.mode == 3 ? 0.0 : echelle_.gauche; }
double BoitePicture::ScaleTop() const { return echelle_.mode == 3 ? 0.0 : echelle_.haut; }
double BoitePicture::ScaleWidth() const { return echelle_.mode == 3 ? double(width()) : echelle_.largeur; }
double BoitePicture::ScaleHeight() const { return echelle_.mode == 3 ? double(height()) : echelle_.hauteur; }

void BoitePicture::ScaleLeft(double v) {
    ScaleMode(0);
    echelle_.gauche = v;
}
void BoitePicture::ScaleTop(double v) {
    ScaleMode(0);
    echelle_.haut = v;
}
// A scale of no extent has no meaning: such a value is refused and the scale kept.
void BoitePicture::ScaleWidth(double v) {
    if (v == 0) return;
    ScaleMode(0);
    echelle_.largeur = v;
}
void BoitePicture::ScaleHeight(double v) {
    if (v == 0) return;
    ScaleMode(0);
    echelle_.hauteur = v;
}

QPointF BoitePicture::echelle_vers_pixels(QPointF point) const {
    if (echelle_.mode == 3) return point;
    return QPointF((point.x() - echelle_.gauche) * width() / echelle_.largeur,
                   (point.y() - echelle_.haut) * height() / echelle_.hauteur);
}

QPointF BoitePicture::pixels_vers_echelle(QPointF pixels) const {
    if (echelle_.mode == 3) return pixels;
    const double l = qMax(1, width()), h = qMax(1, height());
    return QPointF(echelle_.gauche + pixels.x() * echelle_.largeur / l, echelle_.haut + pixels.y() * echelle_.hauteur / h);
}

// --- Line and Circle

void BoitePicture::Line(double x1, double y1, double x2, double y2, std::uint32_t couleur) {
    const QPointF a = echelle_vers_pixels(QPointF(x1, y1)), b = echelle_vers_pixels(QPointF(x2, y2));
    const QPoint pa(pixel_entier(a.x()), pixel_entier(a.y())), pb(pixel_entier(b.x()), pixel_entier(b.y()));
    QPainter p(&Image());
    p.setPen(stylo_trait(couleur, echelle_.largeur_trait));
    if (pa == pb)
        p.drawPoint(pa);
    else
        p.drawLine(pa, pb);
    p.end();
    update();
}

void BoitePicture::Circle(double x, double y, double rayon, std::optional<std::uint32_t> couleur,
                          std::optional<double> debut, std::optional<double> fin) {
    const QPointF c = echelle_vers_pixels(QPointF(x, y));
    const double unite = echelle_.mode == 3 ? 1.0 : width() / echelle_.largeur;
    const int r = pixel_entier(std::fabs(rayon * unite));
    const QPoint centre(pixel_entier(c.x()), pixel_entier(c.y()));
    const QRect cadre(centre.x() - r, centre.y() - r, 2 * r, 2 * r);
    QPainter p(&Image());
    p.setPen(stylo_trait(couleur.value_or(ForeColor()), echelle_.largeur_trait));
    const bool plein = echelle_.style_remplissage == 0;
    const QBrush fond = plein ? QBrush(couleur_vb(echelle_.couleur_remplissage)) : QBrush(Qt::NoBrush);
    if (!debut && !fin) {
        p.setBrush(fond);
        p.drawEllipse(cadre);
    } else {
        const double a0 = debut.value_or(0.0), a1 = fin.value_or(2 * M_PI);
        const int depart = seiziemes_de_degre(std::fabs(a0));
        int etendue = seiziemes_de_degre(std::fabs(a1)) - depart;
        if (etendue <= 0) etendue += 360 * 16;
        const auto bout = [&](double a) {
            return QPoint(centre.x() + pixel_entier(r * std::cos(std::fabs(a))),
                          centre.y() - pixel_entier(r * std::sin(std::fabs(a))));
        };
        if (a0 < 0 && a1 < 0) {
            p.setBrush(fond);
            p.drawPie(cadre, depart, etendue);
        } else {
            p.drawArc(cadre, depart, etendue);
            if (a0 < 0) p.drawLine(centre, bout(a0));
            if (a1 < 0) p.drawLine(centre, bout(a1));
        }
    }
    p.end();
    update();
}
