#include "platform/fenetre.h"

#include "platform/attente.h"
#include "platform/ecran.h"

#include "platform/controles.h"
#include "platform/pointeurs.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>
#include <cmath>

ZoneClient::ZoneClient(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setMouseTracking(true);
}

void ZoneClient::definir_image_fond(const QImage& image) {
    fond_ = image;
    update();
}

void ZoneClient::paintEvent(QPaintEvent* e) {
    if (fond_.isNull()) return;
    QPainter p(this);
    // The region left around the child controls is painted one rectangle at a time: a plain
    // rectangle is copied line by line, where the whole region would go through the general
    // blending, which hands a large picture out to a pool of threads started for it. At a
    // fractional pixel ratio, rectangles side by side would not meet on the screen's pixels.
    const qreal ratio = devicePixelRatioF();
    if (ratio != std::floor(ratio)) {
        p.drawImage(0, 0, fond_);
        return;
    }
    for (const QRect& r : e->region()) {
        p.setClipRect(r);
        p.drawImage(r.topLeft(), fond_, r);
    }
}

void ZoneClient::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
    emit mouvement();
}

namespace {
QList<QPointer<Fenetre>>& registre() {
    static QList<QPointer<Fenetre>> liste;
    return liste;
}
bool fin_programme = false;
}

Fenetre::Fenetre(double largeur_twips, double hauteur_twips, Qt::WindowFlags drapeaux)
    : QWidget(nullptr, drapeaux), largeur_twips_(largeur_twips), hauteur_twips_(hauteur_twips) {
    setAttribute(Qt::WA_DeleteOnClose, false);
    disposition_ = new QVBoxLayout(this);
    disposition_->setContentsMargins(0, 0, 0, 0);
    disposition_->setSpacing(0);
    disposition_->setSizeConstraint(QLayout::SetFixedSize);
    client_ = new ZoneClient(this);
    client_->setObjectName("client");
    client_->setAutoFillBackground(true);
    disposition_->addWidget(client_);
    appliquer_taille();
}

Fenetre::~Fenetre() = default;

void Fenetre::couleur_de_fond(std::uint32_t bgr) { couleur_fond(client_, bgr); }

void Fenetre::ajouter_barre(QWidget* barre) { disposition_->insertWidget(disposition_->count() - 1, barre); }

void Fenetre::definir_taille_twips(double largeur, double hauteur) {
    largeur_twips_ = largeur;
    hauteur_twips_ = hauteur;
    appliquer_taille();
}

void Fenetre::appliquer_taille() {
    client_->setFixedSize(ecran::twips_en_pixels_x(largeur_twips_), ecran::twips_en_pixels_y(hauteur_twips_));
}

void Fenetre::enregistrer(Fenetre* f) { registre().append(f); }

void Fenetre::Show() {
    // Nothing opens any more once the program is ending.
    if (!vivante_ || fin_programme) return;
    if (!deja_montree_ && centree_au_premier_affichage) {
        adjustSize();
        if (QScreen* ecran = QGuiApplication::primaryScreen()) {
            const QRect zone = ecran->availableGeometry();
            move(zone.center() - QPoint(width() / 2, height() / 2));
        }
    }
    deja_montree_ = true;
    show();
    raise();
    activateWindow();
}

void Fenetre::Hide() {
    if (!vivante_) return;
    hide();
}

bool Fenetre::Unload() {
    if (!vivante_) return true;
    if (!fin_programme) {
        bool annuler = false;
        QPointer<Fenetre> moi(this);
        Form_Unload(annuler);
        if (!moi) return true;
        if (annuler) return false;
        if (!vivante_) return true;  // unloaded again from inside its own unload handler
    }
    vivante_ = false;
    registre().removeAll(QPointer<Fenetre>(this));
    hide();
    // Handlers of this window may be waiting below (a pause): it goes once they have returned.
    detruire_plus_tard(this);
    return true;
}

void Fenetre::MousePointer(int valeur) {
    pointeur_ = valeur;
    pointeurs::definir(this, valeur);
}

void Fenetre::closeEvent(QCloseEvent* e) {
    // The close box is an unload: the window goes away only when its handler lets it.
    e->ignore();
    // A disabled window takes no input: its close box does nothing until it is enabled again.
    if (!isEnabled() && !fin_programme) return;
    if (vivante_) Unload();
}

QList<Fenetre*> Fenetre::fenetres_chargees() {
    QList<Fenetre*> liste;
    for (const QPointer<Fenetre>& f : registre())
        if (f && f->vivante()) liste.append(f.data());
    return liste;
}

void Fenetre::tout_detruire() {
    const QList<QPointer<Fenetre>> copie = registre();
    registre().clear();
    for (const QPointer<Fenetre>& f : copie) {
        if (!f) continue;
        f->vivante_ = false;
        f->hide();
        delete f.data();
    }
}

bool Fenetre::fin_du_programme() { return fin_programme; }
void Fenetre::terminer_programme() { fin_programme = true; }
void Fenetre::reinitialiser_fin_du_programme() { fin_programme = false; }
