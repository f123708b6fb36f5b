#pragma once

#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRectF>
#include <QString>
#include <cstdint>

class QPainter;
class QWidget;
class CoucheSansFenetre;

// Windowless controls: lines, shapes and labels that have no window of their own and are painted
// by their container, over its back colour and picture and under its child widgets. All the
// windowless controls of one container share one stacking order: a new one goes on top, ZOrder
// changes it, hidden ones are skipped. Lines and shapes take no mouse: the container gets it.
// Places are in the container's pixels (its scale); the *_twips setters take the design twips.
class ElementSansFenetre : public QObject {
    Q_OBJECT
public:
    ~ElementSansFenetre() override;
    QWidget* conteneur() const;
    bool Visible() const { return visible_; }
    void Visible(bool oui);
    // 0 brings it in front of the container's other windowless controls, 1 sends it behind them.
    void ZOrder(int position = 0);
    // Rescales its place (adapter_resolution): across by kx, down by ky.
    virtual void mettre_a_l_echelle(double kx, double ky) = 0;
    // Placed in design twips (placer_twips), which adapter_resolution rescales; a place given in
    // pixels is the same on every screen.
    bool place_en_twips() const { return en_twips_; }
    // Takes it out of its container at once (an unloaded element of a control array).
    void retirer();

protected:
    explicit ElementSansFenetre(QWidget* conteneur);
    void redessiner() const;
    // A change repaints the container only when it shows: the same value again, or a change to a
    // hidden control, leaves the container alone.
    template <class V>
    void changer(V& propriete, const V& valeur) {
        if (propriete == valeur) return;
        const bool montre = visible_;
        propriete = valeur;
        if (montre || visible_) redessiner();
    }
    // The border that lines and shapes publish.
    std::uint32_t BorderColor() const { return bordure_.couleur; }
    void BorderColor(std::uint32_t bgr) { changer(bordure_.couleur, bgr); }
    int BorderWidth() const { return bordure_.largeur; }
    void BorderWidth(int pixels) { changer(bordure_.largeur, qMax(1, pixels)); }
    int BorderStyle() const { return bordure_.style; }
    void BorderStyle(int style) { changer(bordure_.style, style); }
    // A copy loaded from its model: the place and border, hidden.
    void copier_de(const ElementSansFenetre& modele);

    struct Bordure {
        std::uint32_t couleur = 0x80000008;  // window text
        int largeur = 1;
        int style = 1;
    };
    QRectF zone_;
    Bordure bordure_;
    bool en_twips_ = false;

private:
    friend class CoucheSansFenetre;
    virtual void peindre(QPainter& p) const = 0;
    QPointer<CoucheSansFenetre> couche_;
    bool visible_ = true;
};

// A windowless control with a rectangle: a shape or a label, placed in the container's pixels.
class ElementRectangle : public ElementSansFenetre {
    Q_OBJECT
public:
    const QRectF& zone() const { return zone_; }
    void Move(double gauche, double haut, double largeur, double hauteur);
    void placer_twips(double gauche, double haut, double largeur, double hauteur);
    double Left() const { return zone_.x(); }
    double Top() const { return zone_.y(); }
    double Width() const { return zone_.width(); }
    double Height() const { return zone_.height(); }
    void Left(double v) { Move(v, zone_.y(), zone_.width(), zone_.height()); }
    void Top(double v) { Move(zone_.x(), v, zone_.width(), zone_.height()); }
    void Width(double v) { Move(zone_.x(), zone_.y(), v, zone_.height()); }
    void Height(double v) { Move(zone_.x(), zone_.y(), zone_.width(), v); }
    void mettre_a_l_echelle(double kx, double ky) override;

protected:
    using ElementSansFenetre::ElementSansFenetre;
};

// The run time's Line: from (X1, Y1) to (X2, Y2) in any direction. BorderStyle 0 transparent,
// 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside solid; a line wider than one
// pixel is drawn solid whatever its style.
class LigneSansFenetre : public ElementSansFenetre {
    Q_OBJECT
public:
    explicit LigneSansFenetre(QWidget* conteneur, double x1 = 0, double y1 = 0, double x2 = 0, double y2 = 0);
    double X1() const { return ligne_.x1(); }
    double Y1() const { return ligne_.y1(); }
    double X2() const { return ligne_.x2(); }
    double Y2() const { return ligne_.y2(); }
    void X1(double v) { changer(ligne_, QLineF(v, ligne_.y1(), ligne_.x2(), ligne_.y2())); }
    void Y1(double v) { changer(ligne_, QLineF(ligne_.x1(), v, ligne_.x2(), ligne_.y2())); }
    void X2(double v) { changer(ligne_, QLineF(ligne_.x1(), ligne_.y1(), v, ligne_.y2())); }
    void Y2(double v) { changer(ligne_, QLineF(ligne_.x1(), ligne_.y1(), ligne_.x2(), v)); }
    void placer_twips(double x1, double y1, double x2, double y2);
    using ElementSansFenetre::BorderColor;
    using ElementSansFenetre::BorderStyle;
    using ElementSansFenetre::BorderWidth;
    void mettre_a_l_echelle(double kx, double ky) override;

private:
    friend LigneSansFenetre* copier_controle(const LigneSansFenetre& modele);
    void peindre(QPainter& p) const override;
    QLineF ligne_;
};

// The run time's Shape, a rectangle: its border (as a line's), its back when BackStyle is 1
// (opaque), and its fill when FillStyle is 0 (solid; 1, the default, is transparent).
class FormeSansFenetre : public ElementRectangle {
    Q_OBJECT
public:
    explicit FormeSansFenetre(QWidget* conteneur);
    using ElementSansFenetre::BorderColor;
    using ElementSansFenetre::BorderStyle;
    using ElementSansFenetre::BorderWidth;
    std::uint32_t BackColor() const { return interieur_.fond; }
    void BackColor(std::uint32_t bgr) { changer(interieur_.fond, bgr); }
    int BackStyle() const { return interieur_.style_fond; }
    void BackStyle(int style) { changer(interieur_.style_fond, style); }
    std::uint32_t FillColor() const { return interieur_.remplissage; }
    void FillColor(std::uint32_t bgr) { changer(interieur_.remplissage, bgr); }
    int FillStyle() const { return interieur_.style_remplissage; }
    void FillStyle(int style) { changer(interieur_.style_remplissage, style); }

private:
    friend FormeSansFenetre* copier_controle(const FormeSansFenetre& modele);
    void peindre(QPainter& p) const override;
    struct Interieur {
        std::uint32_t fond = 0x80000005;  // window background
        int style_fond = 0;
        std::uint32_t remplissage = 0;
        int style_remplissage = 1;
    };
    Interieur interieur_;
};

// The run time's Label: its caption, font and colours, on its back colour when BackStyle is 1
// (opaque, the default) or on what lies beneath when 0. It takes the mouse by its rectangle,
// in front of the container: Click (left press and release on it), MouseDown and MouseMove,
// whose X, Y are the pointer's offset from its top-left corner in twips, as the run time gave
// them for a label. While the mouse is over it, its pointer (if not 0) shows.
class EtiquetteSansFenetre : public ElementRectangle {
    Q_OBJECT
public:
    explicit EtiquetteSansFenetre(QWidget* conteneur, const QString& texte = QString());
    const QString& Caption() const { return p_.texte; }
    void Caption(const QString& texte);
    const QFont& Font() const { return p_.police; }
    void Font(const QFont& police);
    std::uint32_t ForeColor() const { return p_.couleur; }
    void ForeColor(std::uint32_t bgr) { changer(p_.couleur, bgr); }
    std::uint32_t BackColor() const { return p_.fond; }
    void BackColor(std::uint32_t bgr) { changer(p_.fond, bgr); }
    int BackStyle() const { return p_.style_fond; }
    void BackStyle(int style) { changer(p_.style_fond, style); }
    // 0 left, 1 right, 2 centre.
    int Alignment() const { return p_.alignement; }
    void Alignment(int a) { changer(p_.alignement, a); }
    // The label takes the size of its caption (after each change of caption or font).
    bool AutoSize() const { return p_.auto_taille; }
    void AutoSize(bool oui);
    bool Enabled() const { return p_.actif; }
    void Enabled(bool oui) { p_.actif = oui; }
    int MousePointer() const { return p_.pointeur; }
    void MousePointer(int valeur) { p_.pointeur = valeur; }
    void MouseIcon(const QImage& icone, QPoint point_chaud = QPoint(-1, -1));
    const QImage& MouseIcon() const { return p_.icone; }
    void mettre_a_l_echelle(double kx, double ky) override;
signals:
    void Click();
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);

private:
    friend class CoucheSansFenetre;
    friend EtiquetteSansFenetre* copier_controle(const EtiquetteSansFenetre& modele);
    void peindre(QPainter& p) const override;
    void ajuster_taille();
    struct Proprietes {
        QString texte;
        QFont police;
        std::uint32_t couleur = 0x80000012;  // button text
        std::uint32_t fond = 0x8000000F;     // button face
        int style_fond = 1;
        int alignement = 0;
        bool auto_taille = false;
        bool actif = true;
        int pointeur = 0;
        QImage icone;
        QPoint point_chaud{-1, -1};
    };
    Proprietes p_;
};

// The windowless controls of one container, bottom first; made on the container's first one.
// It paints them after the container's own painting and hands the mouse to its labels.
class CoucheSansFenetre : public QObject {
    Q_OBJECT
public:
    static CoucheSansFenetre* de(QWidget* conteneur);
    static CoucheSansFenetre* si_existe(const QWidget* conteneur);
    QWidget* conteneur() const { return conteneur_; }
    const QList<ElementSansFenetre*>& elements() const { return elements_; }
    // The front-most visible, enabled label at a point of the container (pixels), or nullptr.
    EtiquetteSansFenetre* etiquette_a(QPointF point) const;

protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

private:
    explicit CoucheSansFenetre(QWidget* conteneur);
    friend class ElementSansFenetre;
    void ajouter(ElementSansFenetre* e);
    void enlever(ElementSansFenetre* e);
    void placer_devant(ElementSansFenetre* e, bool devant);
    bool souris(QEvent* evenement);
    void survoler(EtiquetteSansFenetre* e);
    QWidget* conteneur_;
    QList<ElementSansFenetre*> elements_;
    QPointer<EtiquetteSansFenetre> appuyee_;
    QPointer<EtiquetteSansFenetre> survolee_;
    bool double_clic_ = false;
    bool en_peinture_ = false;
};

// Every windowless control of a container and of the containers inside it, container by
// container in the order of findChildren, each container's bottom first (the walk that
// adapter_resolution makes to rescale them).
QList<ElementSansFenetre*> elements_sans_fenetre(QWidget* racine);

// Copies of the element 0 of a control array (TableauControles): in the model's container, on
// top, hidden, with every property of the model.
LigneSansFenetre* copier_controle(const LigneSansFenetre& modele);
FormeSansFenetre* copier_controle(const FormeSansFenetre& modele);
EtiquetteSansFenetre* copier_controle(const EtiquetteSansFenetre& modele);
void detruire_controle(ElementSansFenetre* element);
