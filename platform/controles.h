#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>
#include <cstdint>
#include <optional>

// The standard controls of the program, with the run time's behaviour where it differs
// from Qt's: labels top-aligned, wrapped and plain text; clicks and mouse moves as signals;
// buttons that never answer Enter; colours given as &HBBGGRR values.

// Places a control in its container in twips (design values for 15 twips per pixel),
// converted to pixels on the current screen. The twips are kept for the resolution adaptation.
void placer(QWidget* controle, double gauche, double haut, double largeur, double hauteur);
// Moves or sizes a control in pixels (the activity windows' unit); keeps the twips in step.
void definir_gauche(QWidget* controle, int px);
void definir_haut(QWidget* controle, int px);
void definir_largeur(QWidget* controle, int px);
void definir_hauteur(QWidget* controle, int px);
// The kept twips of a control (x, y, width, height); empty when it was never placed.
QRectF twips_de(const QWidget* controle);
void fixer_twips(QWidget* controle, const QRectF& twips);

void couleur_texte(QWidget* controle, std::uint32_t bgr);
void couleur_fond(QWidget* controle, std::uint32_t bgr);
std::uint32_t couleur_texte_de(const QWidget* controle);
std::uint32_t couleur_fond_de(const QWidget* controle);
void police(QWidget* controle, const QString& famille, double points, bool gras = false);

// The run time's mouse arguments: Button 1 left, 2 right, 4 middle (added up for the buttons
// held during a move); Shift 1 shift, 2 control, 4 alt.
int bouton_vb(Qt::MouseButton bouton);
int boutons_vb(Qt::MouseButtons boutons);
int touches_vb(Qt::KeyboardModifiers touches);

// A label: text top-left, wrapped, never rich text; transparent or on its back colour.
class Etiquette : public QLabel {
    Q_OBJECT
public:
    explicit Etiquette(QWidget* parent, const QString& texte = QString());
    void transparente(bool oui);
    void centree(bool oui);
    void bordure(bool oui);
signals:
    void clic();
    void mouvement(Qt::MouseButtons boutons, int x, int y);

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    // The second press of a double click is no new click.
    void mouseDoubleClickEvent(QMouseEvent* e) override;

private:
    bool appuye_ = false;
};

// A picture box: back colour (white unless set), a stored picture drawn at (0, 0), and a
// persistent image that drawing goes into (the run time's AutoRedraw). Its mouse events are
// the run time's: MouseDown, MouseUp, MouseMove with Button, Shift and X, Y in the box's scale,
// and DblClick; a double click comes as MouseDown, MouseUp, DblClick, MouseUp (the second press
// is no new MouseDown, and no second click). The simpler clic and mouvement serve plain buttons.
class BoitePicture : public QWidget {
    Q_OBJECT
public:
    explicit BoitePicture(QWidget* parent);
    // The stored picture; setting it also starts the persistent image from it.
    void definir_image(const QImage& image);
    const QImage& Picture() const { return picture_; }
    // The persistent image at the box's size (what is drawn and shown).
    QImage& Image();
    void effacer_image();
    // Notes whether the image covers the box, after its mask changed (image and size changes
    // are noted by the box itself).
    void noter_couverture();
    bool bordure() const { return bordure_; }
    void definir_bordure(bool oui);
    // Fit-its-content sizing: the box takes the size of its picture when it gets one.
    void AutoSize(bool oui) { auto_taille_ = oui; }
    // What the box shows, as a picture of its size (its device context).
    QImage rendu() const;
    // Its own mouse pointer (see pointeurs.h); 99 shows its MouseIcon.
    void MousePointer(int valeur);
    int MousePointer() const;
    void MouseIcon(const QImage& icone, QPoint point_chaud = QPoint(-1, -1));
    // A point given in the box's pixels, in the box's scale: the X, Y of its mouse events.
    QPointF vers_echelle(QPointF pixels) const;

    // --- Drawing and scale (implemented in boite_dessin.cpp) ---
    // Colours &HBBGGRR: Cls clears to BackColor; the circle outline defaults to ForeColor.
    void BackColor(std::uint32_t bgr);
    std::uint32_t BackColor() const;
    void ForeColor(std::uint32_t bgr);
    std::uint32_t ForeColor() const;
    // Clears the drawing: back colour, then the stored picture at (0, 0).
    void Cls();
    // Picture = Image: the drawing becomes the stored picture.
    void figer_image();
    // Place and size in the container's pixels, read back as set (82.5 stays 82.5). The widget
    // sits on whole pixels: each of the four values rounded to the nearest, halves to even.
    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;
    void Left(double v);
    void Top(double v);
    void Width(double v);
    void Height(double v);
    // ScaleMode 3: pixels, origin top-left, y downwards; ScaleWidth and ScaleHeight are then the
    // whole-pixel size. Setting one of the four scale values gives a user scale (ScaleMode 0);
    // a negative ScaleHeight turns y upwards, a negative ScaleWidth x leftwards.
    void ScaleMode(int mode);
    int ScaleMode() const { return echelle_.mode; }
    double ScaleLeft() const;
    double ScaleTop() const;
    double ScaleWidth() const;
    double ScaleHeight() const;
    void ScaleLeft(double v);
    void ScaleTop(double v);
    void ScaleWidth(double v);
    void ScaleHeight(double v);
    // A point of the scale in pixels of the box, and back.
    QPointF echelle_vers_pixels(QPointF point) const;
    QPointF pixels_vers_echelle(QPointF pixels) const;
    // Pen width of Line and Circle in pixels (at least 1); fill of closed circles: FillStyle 0
    // solid in FillColor, 1 transparent.
    void DrawWidth(int largeur) { echelle_.largeur_trait = qMax(1, largeur); }
    int DrawWidth() const { return echelle_.largeur_trait; }
    void FillColor(std::uint32_t bgr) { echelle_.couleur_remplissage = bgr; }
    std::uint32_t FillColor() const { return echelle_.couleur_remplissage; }
    void FillStyle(int style) { echelle_.style_remplissage = style; }
    int FillStyle() const { return echelle_.style_remplissage; }
    // A segment between two points of the scale, ends included, DrawWidth wide.
    void Line(double x1, double y1, double x2, double y2, std::uint32_t couleur);
    // A true circle about (x, y) whose radius is in horizontal scale units. Without angles it is
    // whole and filled by FillColor under a solid FillStyle. Angles are radians counter-clockwise
    // from the right; the arc runs counter-clockwise from start to end; a negative angle stands for
    // its size and adds a radius to that end; both negative make a closed pie, filled likewise.
    void Circle(double x, double y, double rayon, std::optional<std::uint32_t> couleur = std::nullopt,
                std::optional<double> debut = std::nullopt, std::optional<double> fin = std::nullopt);
    // --- end of drawing and scale

signals:
    void clic();
    void mouvement(Qt::MouseButtons boutons, int x, int y);
    void MouseDown(int Button, int Shift, float X, float Y);
    void MouseUp(int Button, int Shift, float X, float Y);
    void MouseMove(int Button, int Shift, float X, float Y);
    void DblClick();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QImage& image_a_la_taille();

    QImage picture_;
    QImage image_;
    bool bordure_ = false;
    bool auto_taille_ = false;
    bool appuye_ = false;
    friend BoitePicture* copier_controle(const BoitePicture& modele);

    // Drawing state; a copy of the control copies it whole.
    struct EtatDessin {
        int mode = 3;  // ScaleMode: 3 pixels, 0 user scale
        double gauche = 0, haut = 0, largeur = 0, hauteur = 0;  // user scale
        int largeur_trait = 1;
        std::uint32_t couleur_remplissage = 0;
        int style_remplissage = 1;
        QRectF position;  // Left, Top, Width, Height as set
        QRect posee;      // where that put the widget (a move by other means drops `position`)
    } echelle_;
    void poser(const QRectF& position);
    QRectF position_actuelle() const;
};

// A command button: no default, no auto-default (Enter clicks nothing), no focus frame on click.
class BoutonCommande : public QPushButton {
    Q_OBJECT
public:
    explicit BoutonCommande(QWidget* parent, const QString& texte);
};

// A text box; Locked makes it read-only as the run time's boxes. A box that is not being edited
// shows its text from its start, cut at the right: the text the program gives it, and what the
// pupil typed once the focus has gone to another control. A box is being edited while it is the
// focus of its window and not read-only; its own menu or another window taking the focus for a
// while leaves it so, with its cursor where it was.
class ZoneTexte : public QLineEdit {
    Q_OBJECT
public:
    explicit ZoneTexte(QWidget* parent, const QString& texte = QString());
    bool en_edition() const;

    // While it lives, every box in `zone` shows its text from its start, the box being edited
    // too: a snapshot of a window for the teacher. Then each takes back its cursor and selection.
    class DepuisLeDebut {
    public:
        explicit DepuisLeDebut(const QWidget* zone);
        ~DepuisLeDebut();
        DepuisLeDebut(const DepuisLeDebut&) = delete;
        DepuisLeDebut& operator=(const DepuisLeDebut&) = delete;

    private:
        struct Curseur {
            QPointer<ZoneTexte> boite;
            int ancre, position;
        };
        QList<Curseur> curseurs_;
    };

protected:
    void focusOutEvent(QFocusEvent* e) override;
};

// A frame with a caption whose colour and font can be set.
class CadreGroupe : public QGroupBox {
    Q_OBJECT
public:
    explicit CadreGroupe(QWidget* parent, const QString& titre = QString());
    void couleur_titre(std::uint32_t bgr);
    void fond(std::uint32_t bgr);

private:
    void mettre_a_jour_style();
    std::uint32_t couleur_titre_ = 0;
    std::uint32_t fond_ = 0xFFFFFF;
};

// An option button whose value can be cleared by code even when its group is exclusive.
class BoutonOption : public QRadioButton {
    Q_OBJECT
public:
    explicit BoutonOption(QWidget* parent, const QString& texte = QString());
    void Value(bool oui);
};

// A line drawn on its container (a thin widget): horizontal or vertical, 1 pixel wide.
class Ligne : public QWidget {
    Q_OBJECT
public:
    Ligne(QWidget* parent, double x1, double y1, double x2, double y2, std::uint32_t couleur = 0);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    std::uint32_t couleur_;
};

// Copies of the element 0 of a control array (TableauControles): a new control in the model's
// container, hidden, with its place (twips and pixels), colours, font, enabled state, pointer
// and what is its kind's own (picture, caption, text, alignment, border).
BoitePicture* copier_controle(const BoitePicture& modele);
Etiquette* copier_controle(const Etiquette& modele);
ZoneTexte* copier_controle(const ZoneTexte& modele);
// Removes an unloaded element at once from view; it is deleted when control returns to the loop.
void detruire_controle(QWidget* controle);
