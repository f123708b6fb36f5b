#include "platform/sans_fenetre.h"

#include "platform/controles.h"
#include "platform/couleurs.h"
#include "platform/ecran.h"
#include "platform/pointeurs.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>
#include <cmath>

namespace {
const char* const PROP_COUCHE = "vb_couche_sans_fenetre";

int px(double v) { return int(std::lround(v)); }

QRect rectangle_pixels(const QRectF& r) { return QRect(px(r.x()), px(r.y()), px(r.width()), px(r.height())); }

// The dashes of a one-pixel pen of the run time's styles 2 to 5 (dash, dot, dash-dot, dash-dot-dot).
QList<qreal> tirets(int style) {
    switch (style) {
    case 2: return {18, 6};
    case 3: return {3, 3};
    case 4: return {9, 6, 3, 6};
    case 5: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

// A pen of the run time: wider than one pixel it is solid whatever the style.
QPen stylo(std::uint32_t couleur, int largeur, int style) {
    QPen p(couleur_vb(couleur));
    p.setWidth(qMax(1, largeur));
    p.setCapStyle(largeur > 1 ? Qt::RoundCap : Qt::FlatCap);
    const QList<qreal> motif = tirets(style);
    if (largeur <= 1 && !motif.isEmpty()) p.setDashPattern(motif);
    return p;
}

double twips_x(double v) { return v / ecran::TwipsPerPixelX(); }
double twips_y(double v) { return v / ecran::TwipsPerPixelY(); }
}

// --- ElementSansFenetre

ElementSansFenetre::ElementSansFenetre(QWidget* conteneur) : couche_(CoucheSansFenetre::de(conteneur)) {
    setParent(couche_);
    couche_->ajouter(this);
}

ElementSansFenetre::~ElementSansFenetre() { retirer(); }

QWidget* ElementSansFenetre::conteneur() const { return couche_ ? couche_->conteneur() : nullptr; }

void ElementSansFenetre::Visible(bool oui) { changer(visible_, oui); }

void ElementSansFenetre::ZOrder(int position) {
    if (couche_) couche_->placer_devant(this, position == 0);
}

void ElementSansFenetre::retirer() {
    if (!couche_) return;
    couche_->enlever(this);
    couche_ = nullptr;
}

void ElementSansFenetre::redessiner() const {
    if (couche_) couche_->conteneur()->update();
}

void ElementRectangle::Move(double gauche, double haut, double largeur, double hauteur) {
    changer(zone_, QRectF(gauche, haut, largeur, hauteur));
}

void ElementRectangle::placer_twips(double gauche, double haut, double largeur, double hauteur) {
    Move(twips_x(gauche), twips_y(haut), twips_x(largeur), twips_y(hauteur));
}

void ElementRectangle::mettre_a_l_echelle(double kx, double ky) {
    Move(zone_.x() * kx, zone_.y() * ky, zone_.width() * kx, zone_.height() * ky);
}

void ElementSansFenetre::copier_de(const ElementSansFenetre& m) {
    zone_ = m.zone_;
    bordure_ = m.bordure_;
    visible_ = false;
}

// --- LigneSansFenetre

LigneSansFenetre::LigneSansFenetre(QWidget* conteneur, double x1, double y1, double x2, double y2)
    : ElementSansFenetre(conteneur), ligne_(x1, y1, x2, y2) {
    redessiner();
}

void LigneSansFenetre::placer_twips(double x1, double y1, double x2, double y2) {
    changer(ligne_, QLineF(twips_x(x1), twips_y(y1), twips_x(x2), twips_y(y2)));
}

void LigneSansFenetre::mettre_a_l_echelle(double kx, double ky) {
    changer(ligne_, QLineF(ligne_.x1() * kx, ligne_.y1() * ky, ligne_.x2() * kx, ligne_.y2() * ky));
}

void LigneSansFenetre::peindre(QPainter& p) const {
    if (bordure_.style == 0) return;
    p.setPen(stylo(bordure_.couleur, bordure_.largeur, bordure_.style));
    p.drawLine(QPoint(px(ligne_.x1()), px(ligne_.y1())), QPoint(px(ligne_.x2()), px(ligne_.y2())));
}

// --- FormeSansFenetre

FormeSansFenetre::FormeSansFenetre(QWidget* conteneur) : ElementRectangle(conteneur) {}

void FormeSansFenetre::peindre(QPainter& p) const {
    const QRect r = rectangle_pixels(zone_);
    if (r.width() <= 0 || r.height() <= 0) return;
    if (interieur_.style_fond == 1) p.fillRect(r, couleur_vb(interieur_.fond));
    if (interieur_.style_remplissage == 0) p.fillRect(r, couleur_vb(interieur_.remplissage));
    const Bordure& b = bordure_;
    if (b.style == 0) return;
    if (b.largeur > 1 || tirets(b.style).isEmpty() || r.width() < 2 || r.height() < 2) {
        // A solid border inside the rectangle: a bar one pixel across is all border.
        const int l = qMin(b.largeur, qMin(r.width(), r.height()));
        const QColor c = couleur_vb(b.couleur);
        p.fillRect(QRect(r.left(), r.top(), r.width(), l), c);
        p.fillRect(QRect(r.left(), r.bottom() - l + 1, r.width(), l), c);
        p.fillRect(QRect(r.left(), r.top(), l, r.height()), c);
        p.fillRect(QRect(r.right() - l + 1, r.top(), l, r.height()), c);
        return;
    }
    p.setPen(stylo(b.couleur, 1, b.style));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

// --- EtiquetteSansFenetre

EtiquetteSansFenetre::EtiquetteSansFenetre(QWidget* conteneur, const QString& texte) : ElementRectangle(conteneur) {
    p_.texte = texte;
    p_.police = conteneur->font();
    conteneur->setMouseTracking(true);  // a label has its MouseMove with no button held too
    redessiner();
}

void EtiquetteSansFenetre::Caption(const QString& texte) {
    p_.texte = texte;
    if (p_.auto_taille) ajuster_taille();
    redessiner();
}

void EtiquetteSansFenetre::Font(const QFont& police) {
    p_.police = police;
    if (p_.auto_taille) ajuster_taille();
    redessiner();
}

void EtiquetteSansFenetre::AutoSize(bool oui) {
    p_.auto_taille = oui;
    if (oui) ajuster_taille();
    redessiner();
}

void EtiquetteSansFenetre::MouseIcon(const QImage& icone, QPoint point_chaud) {
    p_.icone = icone;
    p_.point_chaud = point_chaud;
}

void EtiquetteSansFenetre::ajuster_taille() {
    const QFontMetrics m(p_.police);
    const QSize s = p_.texte.isEmpty()
                        ? QSize(0, m.height())
                        : m.boundingRect(QRect(0, 0, 1 << 20, 1 << 20), Qt::AlignLeft | Qt::AlignTop, p_.texte).size();
    zone_.setSize(QSizeF(s));
}

void EtiquetteSansFenetre::mettre_a_l_echelle(double kx, double ky) {
    ElementRectangle::mettre_a_l_echelle(kx, ky);
    if (p_.auto_taille) ajuster_taille();
}

void EtiquetteSansFenetre::peindre(QPainter& p) const {
    const QRect r = rectangle_pixels(zone_);
    if (r.width() <= 0 || r.height() <= 0) return;
    if (p_.style_fond == 1) p.fillRect(r, couleur_vb(p_.fond));
    const Qt::Alignment a = p_.alignement == 1 ? Qt::AlignRight : p_.alignement == 2 ? Qt::AlignHCenter : Qt::AlignLeft;
    p.setFont(p_.police);
    p.setPen(couleur_vb(p_.couleur));
    p.drawText(r, int(a | Qt::AlignTop | Qt::TextWordWrap), p_.texte);
}

// --- CoucheSansFenetre

CoucheSansFenetre::CoucheSansFenetre(QWidget* conteneur) : QObject(conteneur), conteneur_(conteneur) {
    conteneur->setProperty(PROP_COUCHE, QVariant::fromValue(static_cast<QObject*>(this)));
    conteneur->installEventFilter(this);
}

CoucheSansFenetre* CoucheSansFenetre::de(QWidget* conteneur) {
    if (CoucheSansFenetre* c = si_existe(conteneur)) return c;
    return new CoucheSansFenetre(conteneur);
}

CoucheSansFenetre* CoucheSansFenetre::si_existe(const QWidget* conteneur) {
    return qobject_cast<CoucheSansFenetre*>(conteneur->property(PROP_COUCHE).value<QObject*>());
}

void CoucheSansFenetre::ajouter(ElementSansFenetre* e) { elements_.append(e); }

void CoucheSansFenetre::enlever(ElementSansFenetre* e) {
    if (elements_.removeAll(e) > 0 && e->Visible()) conteneur_->update();
}

void CoucheSansFenetre::placer_devant(ElementSansFenetre* e, bool devant) {
    if (!elements_.removeAll(e)) return;
    if (devant)
        elements_.append(e);
    else
        elements_.prepend(e);
    if (e->Visible()) conteneur_->update();
}

EtiquetteSansFenetre* CoucheSansFenetre::etiquette_a(QPointF point) const {
    for (auto it = elements_.crbegin(); it != elements_.crend(); ++it) {
        auto* e = qobject_cast<EtiquetteSansFenetre*>(*it);
        if (e && e->Visible() && e->Enabled() && rectangle_pixels(e->zone()).contains(point.toPoint())) return e;
    }
    return nullptr;
}

bool CoucheSansFenetre::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet != conteneur_) return false;
    switch (evenement->type()) {
    case QEvent::Paint: {
        if (en_peinture_ || elements_.isEmpty()) return false;
        // The container paints itself first (back colour, picture); the windowless controls
        // come over it, and the child widgets are painted after this, over both.
        en_peinture_ = true;
        QCoreApplication::sendEvent(conteneur_, evenement);
        en_peinture_ = false;
        QPainter p(conteneur_);
        p.setClipRegion(static_cast<QPaintEvent*>(evenement)->region());
        for (const ElementSansFenetre* e : std::as_const(elements_))
            if (e->Visible()) e->peindre(p);
        return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove: return souris(evenement);
    case QEvent::Leave: survoler(nullptr); return false;
    default: return false;
    }
}

bool CoucheSansFenetre::souris(QEvent* evenement) {
    auto* e = static_cast<QMouseEvent*>(evenement);
    const QPointF point = e->position();
    const auto arguments = [&](const EtiquetteSansFenetre* et) {
        const QPointF d = point - et->zone().topLeft();
        return std::pair<float, float>(float(d.x() * ecran::TwipsPerPixelX()), float(d.y() * ecran::TwipsPerPixelY()));
    };
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        QPointer<EtiquetteSansFenetre> et = etiquette_a(point);
        // A press beside the labels ends the hold of one whose release never came (it was dragged).
        appuyee_ = et;
        if (!et) return false;
        e->accept();
        double_clic_ = false;
        const auto [x, y] = arguments(et);
        emit et->MouseDown(bouton_vb(e->button()), touches_vb(e->modifiers()), x, y);
        return true;
    }
    case QEvent::MouseButtonDblClick: {
        // The second press of a double click is no new press for a label.
        EtiquetteSansFenetre* et = etiquette_a(point);
        if (!et) return false;
        e->accept();
        appuyee_ = et;
        double_clic_ = true;
        return true;
    }
    case QEvent::MouseMove: {
        // While a button is held the moves belong to what was pressed, as a window keeps its
        // grab: the pressed label, or the container when the press was beside every label (a
        // rubber band drawn across a label stays the container's).
        QPointer<EtiquetteSansFenetre> et = e->buttons() != Qt::NoButton ? appuyee_.data() : etiquette_a(point);
        survoler(et);
        if (!et) return false;
        e->accept();
        const auto [x, y] = arguments(et);
        emit et->MouseMove(boutons_vb(e->buttons()), touches_vb(e->modifiers()), x, y);
        return true;
    }
    case QEvent::MouseButtonRelease: {
        if (!appuyee_) return false;
        QPointer<EtiquetteSansFenetre> et = appuyee_;
        if (e->buttons() == Qt::NoButton) appuyee_ = nullptr;
        e->accept();
        const bool clic = !double_clic_ && e->button() == Qt::LeftButton && et->Visible() &&
                          rectangle_pixels(et->zone()).contains(point.toPoint());
        if (e->buttons() == Qt::NoButton) double_clic_ = false;
        if (clic) emit et->Click();
        return true;
    }
    default: return false;
    }
}

void CoucheSansFenetre::survoler(EtiquetteSansFenetre* e) {
    if (e == survolee_.data()) return;
    survolee_ = e;
    if (e && e->MousePointer() != 0)
        pointeurs::definir_survol(conteneur_, pointeurs::curseur(e->MousePointer(), e->MouseIcon(), e->p_.point_chaud));
    else
        pointeurs::definir_survol(conteneur_, std::nullopt);
}

QList<ElementSansFenetre*> elements_sans_fenetre(QWidget* racine) {
    QList<ElementSansFenetre*> liste;
    const auto ajouter = [&liste](const QWidget* w) {
        if (const CoucheSansFenetre* c = CoucheSansFenetre::si_existe(w)) liste.append(c->elements());
    };
    ajouter(racine);
    for (const QWidget* w : racine->findChildren<QWidget*>()) ajouter(w);
    return liste;
}

// --- copies of a control array's element 0

LigneSansFenetre* copier_controle(const LigneSansFenetre& m) {
    auto* c = new LigneSansFenetre(m.conteneur(), m.X1(), m.Y1(), m.X2(), m.Y2());
    c->copier_de(m);
    return c;
}

FormeSansFenetre* copier_controle(const FormeSansFenetre& m) {
    auto* c = new FormeSansFenetre(m.conteneur());
    c->copier_de(m);
    c->interieur_ = m.interieur_;
    return c;
}

EtiquetteSansFenetre* copier_controle(const EtiquetteSansFenetre& m) {
    auto* c = new EtiquetteSansFenetre(m.conteneur());
    c->copier_de(m);
    c->p_ = m.p_;
    return c;
}

void detruire_controle(ElementSansFenetre* element) {
    element->retirer();
    element->deleteLater();
}
