#include "platform/controles.h"

#include "platform/attente.h"
#include "platform/couleurs.h"
#include "platform/ecran.h"
#include "platform/pointeurs.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

namespace {
const char* const PROP_TWIPS = "vb_twips";
const char* const PROP_TEXTE = "vb_couleur_texte";
const char* const PROP_FOND = "vb_couleur_fond";

void appliquer_twips(QWidget* c, const QRectF& t) {
    c->setProperty(PROP_TWIPS, t);
    c->setGeometry(ecran::twips_en_pixels_x(t.x()), ecran::twips_en_pixels_y(t.y()), ecran::twips_en_pixels_x(t.width()),
                   ecran::twips_en_pixels_y(t.height()));
}
}

QRectF twips_de(const QWidget* c) { return c->property(PROP_TWIPS).toRectF(); }

void fixer_twips(QWidget* c, const QRectF& t) { appliquer_twips(c, t); }

void placer(QWidget* c, double gauche, double haut, double largeur, double hauteur) {
    appliquer_twips(c, QRectF(gauche, haut, largeur, hauteur));
}

namespace {
QRectF twips_actuels(QWidget* c) {
    QRectF t = twips_de(c);
    if (t.isNull()) {
        const QRect g = c->geometry();
        t = QRectF(g.x() * ecran::TwipsPerPixelX(), g.y() * ecran::TwipsPerPixelY(), g.width() * ecran::TwipsPerPixelX(),
                   g.height() * ecran::TwipsPerPixelY());
    }
    return t;
}
}

void definir_gauche(QWidget* c, int px) {
    QRectF t = twips_actuels(c);
    t.moveLeft(px * double(ecran::TwipsPerPixelX()));
    c->setProperty(PROP_TWIPS, t);
    c->move(px, c->y());
}
void definir_haut(QWidget* c, int px) {
    QRectF t = twips_actuels(c);
    t.moveTop(px * double(ecran::TwipsPerPixelY()));
    c->setProperty(PROP_TWIPS, t);
    c->move(c->x(), px);
}
void definir_largeur(QWidget* c, int px) {
    QRectF t = twips_actuels(c);
    t.setWidth(px * double(ecran::TwipsPerPixelX()));
    c->setProperty(PROP_TWIPS, t);
    c->resize(qMax(0, px), c->height());
}
void definir_hauteur(QWidget* c, int px) {
    QRectF t = twips_actuels(c);
    t.setHeight(px * double(ecran::TwipsPerPixelY()));
    c->setProperty(PROP_TWIPS, t);
    c->resize(c->width(), qMax(0, px));
}

void couleur_texte(QWidget* c, std::uint32_t bgr) {
    c->setProperty(PROP_TEXTE, uint(bgr));
    QPalette p = c->palette();
    const QColor q = couleur_vb(bgr);
    p.setColor(QPalette::WindowText, q);
    p.setColor(QPalette::Text, q);
    p.setColor(QPalette::ButtonText, q);
    c->setPalette(p);
}

void couleur_fond(QWidget* c, std::uint32_t bgr) {
    c->setProperty(PROP_FOND, uint(bgr));
    QPalette p = c->palette();
    const QColor q = couleur_vb(bgr);
    p.setColor(QPalette::Window, q);
    p.setColor(QPalette::Base, q);
    p.setColor(QPalette::Button, q);
    c->setPalette(p);
    c->setAutoFillBackground(true);
    c->update();
}

std::uint32_t couleur_texte_de(const QWidget* c) {
    const QVariant v = c->property(PROP_TEXTE);
    return v.isValid() ? std::uint32_t(v.toUInt()) : vers_bgr(c->palette().color(QPalette::WindowText));
}
std::uint32_t couleur_fond_de(const QWidget* c) {
    const QVariant v = c->property(PROP_FOND);
    return v.isValid() ? std::uint32_t(v.toUInt()) : vers_bgr(c->palette().color(QPalette::Window));
}

void police(QWidget* c, const QString& famille, double points, bool gras) {
    QFont f(famille);
    f.setPointSizeF(points);
    f.setBold(gras);
    c->setFont(f);
}

int bouton_vb(Qt::MouseButton bouton) {
    switch (bouton) {
    case Qt::LeftButton: return 1;
    case Qt::RightButton: return 2;
    case Qt::MiddleButton: return 4;
    default: return 0;
    }
}

int boutons_vb(Qt::MouseButtons boutons) {
    return (boutons & Qt::LeftButton ? 1 : 0) | (boutons & Qt::RightButton ? 2 : 0) | (boutons & Qt::MiddleButton ? 4 : 0);
}

int touches_vb(Qt::KeyboardModifiers touches) {
    return (touches & Qt::ShiftModifier ? 1 : 0) | (touches & Qt::ControlModifier ? 2 : 0) | (touches & Qt::AltModifier ? 4 : 0);
}

// --- clicks: a left press then a release inside the control

namespace {
bool appui_gauche(QMouseEvent* e) {
    e->accept();
    return e->button() == Qt::LeftButton;
}
bool clic_termine(QMouseEvent* e, bool& appuye, const QRect& zone) {
    const bool clique = appuye && e->button() == Qt::LeftButton && zone.contains(e->position().toPoint());
    appuye = false;
    e->accept();
    return clique;
}
}

// --- Etiquette

Etiquette::Etiquette(QWidget* parent, const QString& texte) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setMouseTracking(true);
    setText(texte);
}

void Etiquette::transparente(bool oui) {
    setAutoFillBackground(!oui);
    setAttribute(Qt::WA_TranslucentBackground, oui);
}

void Etiquette::centree(bool oui) { setAlignment((oui ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop); }

void Etiquette::bordure(bool oui) {
    setFrameShape(oui ? QFrame::Box : QFrame::NoFrame);
    setLineWidth(1);
}

void Etiquette::mousePressEvent(QMouseEvent* e) { appuye_ = appui_gauche(e); }
void Etiquette::mouseReleaseEvent(QMouseEvent* e) {
    if (clic_termine(e, appuye_, rect())) emit clic();
}
void Etiquette::mouseDoubleClickEvent(QMouseEvent* e) { e->accept(); }

void Etiquette::mouseMoveEvent(QMouseEvent* e) {
    e->accept();  // a move handled here must not reach the container's own move handler
    emit mouvement(e->buttons(), int(e->position().x()), int(e->position().y()));
}

// --- BoitePicture

BoitePicture::BoitePicture(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    couleur_fond(this, 0xFFFFFF);
}

void BoitePicture::definir_image(const QImage& image) {
    picture_ = image;
    if (auto_taille_ && !image.isNull()) resize(image.size());
    image_ = QImage();
    image_a_la_taille();
    noter_couverture();
    update();
}

QImage& BoitePicture::Image() {
    // The caller may draw into the image or replace it: the box is filled with its back colour
    // before each paint again.
    setAttribute(Qt::WA_OpaquePaintEvent, false);
    setAutoFillBackground(true);
    return image_a_la_taille();
}

void BoitePicture::noter_couverture() {
    // An image without transparency that covers the whole box hides the back colour: Qt then
    // does not fill the box before painting it (the same pixels, one fill fewer each repaint).
    const bool couverte = !image_.isNull() && !image_.hasAlphaChannel() && image_.width() >= width() &&
                          image_.height() >= height();
    // A masked box so covered is painted over its container rather than cut out of it: the
    // container then repaints in one piece, where it would otherwise reach the screen as a strip
    // for every row of every mask beside it (slow on an X display with many masked boxes).
    const bool masquee = !mask().isEmpty();
    setAttribute(Qt::WA_OpaquePaintEvent, couverte && !masquee);
    setAutoFillBackground(!(couverte && masquee));
}

QImage& BoitePicture::image_a_la_taille() {
    const QSize taille(qMax(1, width()), qMax(1, height()));
    if (image_.size() != taille) {
        QImage nouvelle(taille, QImage::Format_RGB32);
        nouvelle.fill(palette().color(QPalette::Window));
        QPainter p(&nouvelle);
        // The stored picture lies beneath the drawing, so a box that grows shows more of it.
        if (!picture_.isNull()) p.drawImage(0, 0, picture_);
        if (!image_.isNull()) p.drawImage(0, 0, image_);
        p.end();
        image_ = nouvelle;
    }
    return image_;
}

void BoitePicture::effacer_image() {
    picture_ = QImage();
    image_ = QImage();
    noter_couverture();
    update();
}

void BoitePicture::definir_bordure(bool oui) {
    bordure_ = oui;
    update();
}

QImage BoitePicture::rendu() const {
    QImage img(qMax(1, width()), qMax(1, height()), QImage::Format_RGB32);
    img.fill(palette().color(QPalette::Window));
    QPainter p(&img);
    if (!picture_.isNull()) p.drawImage(0, 0, picture_);
    if (!image_.isNull()) p.drawImage(0, 0, image_);
    return img;
}

void BoitePicture::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!image_.isNull())
        p.drawImage(0, 0, image_);
    else if (!picture_.isNull())
        p.drawImage(0, 0, picture_);
    if (bordure_) {
        p.setPen(QColor(128, 128, 128));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void BoitePicture::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (!image_.isNull()) image_a_la_taille();
    if (testAttribute(Qt::WA_OpaquePaintEvent) || !autoFillBackground()) noter_couverture();
}

void BoitePicture::MousePointer(int valeur) { pointeurs::definir(this, valeur); }
int BoitePicture::MousePointer() const { return pointeurs::valeur(this); }
void BoitePicture::MouseIcon(const QImage& icone, QPoint point_chaud) { pointeurs::definir_icone(this, icone, point_chaud); }

QPointF BoitePicture::vers_echelle(QPointF pixels) const { return pixels_vers_echelle(pixels); }

// Each signal may run a handler that unloads the window: nothing is touched after it then.
void BoitePicture::mousePressEvent(QMouseEvent* e) {
    appuye_ = appui_gauche(e);
    const QPointF p = vers_echelle(e->position());
    emit MouseDown(bouton_vb(e->button()), touches_vb(e->modifiers()), float(p.x()), float(p.y()));
}

void BoitePicture::mouseReleaseEvent(QMouseEvent* e) {
    const bool clique = clic_termine(e, appuye_, rect());
    const QPointF p = vers_echelle(e->position());
    QPointer<BoitePicture> moi(this);
    emit MouseUp(bouton_vb(e->button()), touches_vb(e->modifiers()), float(p.x()), float(p.y()));
    if (moi && clique) emit clic();
}

void BoitePicture::mouseDoubleClickEvent(QMouseEvent* e) {
    e->accept();
    appuye_ = false;
    emit DblClick();
}

void BoitePicture::mouseMoveEvent(QMouseEvent* e) {
    e->accept();
    QPointer<BoitePicture> moi(this);
    emit mouvement(e->buttons(), int(e->position().x()), int(e->position().y()));
    if (!moi) return;
    const QPointF p = vers_echelle(e->position());
    emit MouseMove(boutons_vb(e->buttons()), touches_vb(e->modifiers()), float(p.x()), float(p.y()));
}

// --- BoutonCommande

BoutonCommande::BoutonCommande(QWidget* parent, const QString& texte) : QPushButton(texte, parent) {
    setAutoDefault(false);
    setDefault(false);
}

// --- ZoneTexte

ZoneTexte::ZoneTexte(QWidget* parent, const QString& texte) : QLineEdit(texte, parent) {
    setCursorPosition(0);
    // A text set by the program (setText leaves the box unmodified) starts at its first letter;
    // typing, and a text set in the box being edited, keep the cursor where Qt puts it.
    connect(this, &QLineEdit::textChanged, this, [this] {
        if (!isModified() && !en_edition()) setCursorPosition(0);
    });
}

bool ZoneTexte::en_edition() const { return !isReadOnly() && window()->focusWidget() == this; }

void ZoneTexte::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    // The focus gone to another control of the window; another window or the box's own menu
    // taking it leaves the box its window's focus, being edited.
    if (!en_edition()) setCursorPosition(0);
}

ZoneTexte::DepuisLeDebut::DepuisLeDebut(const QWidget* zone) {
    for (ZoneTexte* z : zone->findChildren<ZoneTexte*>()) {
        const int position = z->cursorPosition();
        if (position == 0 && !z->hasSelectedText()) continue;
        int ancre = position;
        if (z->hasSelectedText()) ancre = position == z->selectionStart() ? z->selectionEnd() : z->selectionStart();
        curseurs_ << Curseur{z, ancre, position};
        z->setCursorPosition(0);
    }
}

ZoneTexte::DepuisLeDebut::~DepuisLeDebut() {
    for (const Curseur& c : curseurs_) {
        if (!c.boite) continue;
        if (c.ancre == c.position)
            c.boite->setCursorPosition(c.position);
        else
            c.boite->setSelection(c.ancre, c.position - c.ancre);
    }
}

// --- CadreGroupe (a frame: the run time's Frame control)

CadreGroupe::CadreGroupe(QWidget* parent, const QString& titre) : QGroupBox(titre, parent) { mettre_a_jour_style(); }

void CadreGroupe::couleur_titre(std::uint32_t bgr) {
    couleur_titre_ = bgr;
    mettre_a_jour_style();
}
void CadreGroupe::fond(std::uint32_t bgr) {
    fond_ = bgr;
    couleur_fond(this, bgr);
    mettre_a_jour_style();
}

void CadreGroupe::mettre_a_jour_style() {
    // Selects this frame alone, so that nested frames keep their own colours.
    const QString cle = QString::number(reinterpret_cast<quintptr>(this), 16);
    setProperty("vb_cadre", cle);
    const QColor t = couleur_vb(couleur_titre_);
    const QColor f = couleur_vb(fond_);
    setStyleSheet(QStringLiteral("QGroupBox[vb_cadre=\"%1\"] { background-color: %2; border: 1px solid #a0a0a0;"
                                 " margin-top: 7px; }"
                                 "QGroupBox[vb_cadre=\"%1\"]::title { subcontrol-origin: margin; left: 7px;"
                                 " padding: 0 2px; color: %3; }")
                      .arg(cle, f.name(), t.name()));
}

// --- BoutonOption

BoutonOption::BoutonOption(QWidget* parent, const QString& texte) : QRadioButton(texte, parent) {}

void BoutonOption::Value(bool oui) {
    if (oui) {
        setChecked(true);
        return;
    }
    const bool exclusif = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusif);
}

// --- Ligne

Ligne::Ligne(QWidget* parent, double x1, double y1, double x2, double y2, std::uint32_t couleur)
    : QWidget(parent), couleur_(couleur) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const double x = qMin(x1, x2), y = qMin(y1, y2);
    const double tx = ecran::TwipsPerPixelX(), ty = ecran::TwipsPerPixelY();
    placer(this, x, y, qMax(std::abs(x2 - x1), tx), qMax(std::abs(y2 - y1), ty));
}

void Ligne::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), couleur_vb(couleur_));
}

// --- copies of a control array's element 0

namespace {
void copier_commun(const QWidget& m, QWidget& c) {
    c.hide();
    c.setProperty(PROP_TWIPS, m.property(PROP_TWIPS));
    c.setGeometry(m.geometry());
    c.setProperty(PROP_TEXTE, m.property(PROP_TEXTE));
    c.setProperty(PROP_FOND, m.property(PROP_FOND));
    if (m.testAttribute(Qt::WA_SetPalette)) c.setPalette(m.palette());
    c.setAutoFillBackground(m.autoFillBackground());
    c.setAttribute(Qt::WA_TranslucentBackground, m.testAttribute(Qt::WA_TranslucentBackground));
    if (m.testAttribute(Qt::WA_SetFont)) c.setFont(m.font());
    c.setEnabled(!m.testAttribute(Qt::WA_Disabled));
    c.setToolTip(m.toolTip());
    if (!m.styleSheet().isEmpty()) c.setStyleSheet(m.styleSheet());
    pointeurs::copier(&m, &c);
}
}

BoitePicture* copier_controle(const BoitePicture& m) {
    auto* c = new BoitePicture(m.parentWidget());
    copier_commun(m, *c);
    c->picture_ = m.picture_;
    c->image_ = m.image_;
    c->bordure_ = m.bordure_;
    c->auto_taille_ = m.auto_taille_;
    c->echelle_ = m.echelle_;
    c->noter_couverture();
    return c;
}

namespace {
// A control with a text: the text and its alignment besides what every control copies, then
// what is its kind's own.
template <class T, class Propres>
T* copie_avec_texte(const T& m, Propres propres) {
    auto* c = new T(m.parentWidget(), m.text());
    copier_commun(m, *c);
    c->setAlignment(m.alignment());
    propres(*c);
    return c;
}
}

Etiquette* copier_controle(const Etiquette& m) {
    return copie_avec_texte(m, [&m](Etiquette& c) {
        c.setWordWrap(m.wordWrap());
        c.setFrameStyle(m.frameStyle());
    });
}

ZoneTexte* copier_controle(const ZoneTexte& m) {
    return copie_avec_texte(m, [&m](ZoneTexte& c) {
        c.setReadOnly(m.isReadOnly());
        c.setMaxLength(m.maxLength());
        c.setFrame(m.hasFrame());
    });
}

void detruire_controle(QWidget* controle) {
    controle->hide();
    detruire_plus_tard(controle);
}
