#pragma once

#include "platform/controles.h"
#include "platform/fenetre.h"
#include "platform/images.h"

#include <QList>
#include <QRectF>
#include <cstdint>
#include <utility>

class QAction;
class QGridLayout;

// The identity strip shared by the quiz and results windows: a white frame holding four
// read-only boxes (name and first name on the left, class and date on the right).
struct BandeauIdentite {
    CadreGroupe* cadre;
    ZoneTexte* nom;
    ZoneTexte* prenom;
    ZoneTexte* classe;
    ZoneTexte* date;
};
BandeauIdentite creer_bandeau_identite(QWidget* parent, double gauche, double haut, double largeur,
                                       double gauche_boites, double gauche_boites_droite);

// The tool bar of an activity window: picture buttons laid out in rows of a given number of
// columns, each an action named by its key. A click reports the key.
class BarreOutils : public QWidget {
    Q_OBJECT
public:
    BarreOutils(QWidget* parent, int colonnes, QSize taille_bouton, QSize taille_image);
    QAction* ajouter(const QString& cle, const QString& infobulle, const QImage& image);
    // An empty place of a given width in pixels between buttons (the run time's separator).
    void ajouter_separateur(int largeur);
signals:
    void bouton_clique(const QString& cle);

private:
    QGridLayout* grille_;
    int colonnes_;
    QSize taille_bouton_;
    QSize taille_image_;
};

// The banner across the top of an activity window: a picture holding the label "Evaluations"
// and the activity's title. Places in twips.
struct DefinitionBanniere {
    QRectF place;
    QString image;  // resource of the picture
    QSize taille_image;
    QRectF place_evaluations;
    QString titre;
    QRectF place_titre;
};

// A tab button with its sliding panel of theme labels. Places in twips in the client area;
// widths in pixels.
struct DefinitionOnglet {
    QRectF place_bouton;
    QRectF place_panneau;     // at its design width; the load shuts it
    std::uint32_t fond;       // the panel's back colour
    QString bande;            // resource of the strip picture at the panel's left edge
    ListeImages images;       // the tab's pictures: 1 shut, 2 open
    QString infobulle;
    int largeur_ouverte;      // width once open
    int debut_ouverture;      // first width of an opening
    std::uint32_t couleur_repos;  // text colour of the labels not under the mouse
};

// What every activity window (quiz, texts, circuits, optics) shares: the banner, the tool bar
// Toolbar1 routed by key, the identity boxes, the working area Savoir, the sliding theme
// panels with their hover colours, the BMP save, the print, the identification, the quit
// question and the pause that tells whether the window survived it.
class FenetreActivite : public Fenetre {
    Q_OBJECT
public:
    BoitePicture* Picture7 = nullptr;
    Etiquette* Evaluations = nullptr;
    Etiquette* Label6 = nullptr;
    ZoneTexte* Nom = nullptr;
    ZoneTexte* Prenom = nullptr;
    ZoneTexte* Classe = nullptr;
    ZoneTexte* Temps = nullptr;
    // The picture box framing the working area, whose size bounds the printed and saved copy.
    BoitePicture* Savoir = nullptr;
    // Hidden buffer of the BMP save: keeps the capture as its persistent image.
    BoitePicture* copie_savoir = nullptr;
    BarreOutils* Toolbar1 = nullptr;

    // Writes the shared identity into the four boxes.
    void afficher_identite();
    // Shows a theme's title at a base size of `facteur` points, scaled as the screen is:
    // twips per pixel x facteur / 15 points (14 gives 11.2 at 12 twips per pixel).
    static void afficher_titre(Etiquette* titre, const QString& texte, int facteur);

    // The tool bar's keys shared by every activity window: "Enregistrer_sous", "Imprimer",
    // "Quitter" and the window's identification key. Other keys are the window's own.
    virtual void Toolbar1_ButtonClick(const QString& cle);

    // The sliding panels, by their index in the order they were added.
    int nombre_onglets() const { return int(onglets_.size()); }
    BoitePicture* bouton_onglet(int i) const { return onglets_.at(i).bouton; }
    BoitePicture* panneau(int i) const { return onglets_.at(i).panneau; }
    BoitePicture* bande(int i) const { return onglets_.at(i).bande; }
    const QList<Etiquette*>& etiquettes(int i) const { return onglets_.at(i).etiquettes; }
    // The picture (1 shut, 2 open) a tab button shows.
    int image_onglet(const BoitePicture* bouton) const;

    // A click on a tab: a panel wider than 20 pixels shuts from its open width down to 0,
    // any other opens from its first width up to its open width, 8 pixels a step, each step
    // after a 1 ms pause; then the tab shows its shut or open picture. Nothing guards a slide:
    // a click during a pause runs a whole slide of its own inside it. Returns false when the
    // window was unloaded during a pause (the slide then stops there).
    bool basculer_panneau(int i);
    // Shuts a panel from its open width, whatever its width, and shows the tab shut.
    bool fermer_panneau(int i);

    // Pauses (pumping events); false when the window was unloaded meanwhile, in which case the
    // caller must not touch it any more.
    [[nodiscard]] bool pause(int ms);

protected:
    // A window of the fixed frame, "Vantarel", client area in twips.
    FenetreActivite(double largeur_twips, double hauteur_twips);

    void creer_banniere(const DefinitionBanniere& banniere);
    // The identity strip on Savoir (its boxes become Nom, Prenom, Classe and Temps; places as
    // creer_bandeau_identite) and the theme's title, centred at its place between the boxes:
    // red Arial 14.25 points on white, hidden until a theme shows it. Returns the strip and
    // the title.
    std::pair<CadreGroupe*, Etiquette*> creer_identite_et_titre(double gauche, double haut, double largeur,
                                                                double gauche_boites, double gauche_boites_droite,
                                                                const QRectF& place_titre);
    // The tool bar above the client area (outside the captured area), or inside it at a place
    // in twips (inside the captured area).
    void creer_barre(int colonnes, QSize taille_bouton, QSize taille_image);
    void placer_barre_au_dessus();
    void placer_barre(double gauche, double haut, double largeur, double hauteur);
    void ajouter_bouton_barre(const QString& cle, const QString& infobulle, const QImage& image);
    // The four buttons that the quiz and text windows share, in this order: "Enregistrer_sous"
    // (a diskette), "Imprimer" (a printer), "Quitter" (a red cross) and "Identification" (a
    // question mark over a form), their pictures at the given size.
    void ajouter_boutons_barre_communs(QSize taille_image);


    int ajouter_onglet(const DefinitionOnglet& onglet);
    // A theme label on panel i: left 375 twips, 195 twips high, Arial 6.75 points, on the
    // panel's colour, pointing hand; a move over it turns it red and its neighbours back.
    Etiquette* ajouter_etiquette(int i, const QString& legende, double haut, double largeur);
    // A move over a label: red for it, the rest colour for the other labels of its panel.
    void survoler_etiquette(Etiquette* etiquette);
    // A move over a panel's background: every label of that panel to its rest colour.
    void reposer_etiquettes(int i);

    // Window settings each window gives in its constructor.
    void definir_question_quitter(const QString& question) { question_quitter_ = question; }
    void definir_cle_identification(const QString& cle) { cle_identification_ = cle; }
    // Height margin of the captured and printed area below Savoir (45, or 70 in the circuits).
    void definir_marge_hauteur(int marge) { marge_hauteur_ = marge; }
    int marge_hauteur() const { return marge_hauteur_; }

    // The load shared by every activity window: the 15-twips rule, the identity, every panel
    // shut; then the window's own steps.
    void Form_Load() final;
    virtual void charger_activite() {}
    // The module's quit question; Yes unloads (closing the print settings of a print of this
    // window still waiting on them, and its identification dialog) and, outside the adaptation
    // pass, shows Form1.
    void Form_Unload(bool& annuler) final;

    // Shows the window's own identification dialog (the window has disabled itself).
    virtual void montrer_identification() = 0;

    // The BMP save: the focus to the banner, the capture into the buffer, the hook, then the
    // Save As dialog and the checked write (a cancelled dialog ends quietly).
    void enregistrer_sous_bmp();
    // The buffer of the capture (copie_savoir unless the window keeps its own).
    virtual BoitePicture* tampon_capture() { return copie_savoir; }
    // Called with the buffer holding the capture, before the Save As dialog opens.
    virtual void capture_prise(BoitePicture* tampon) { Q_UNUSED(tampon); }
    // Sizes a buffer to Savoir + 60 by Savoir + the height margin and copies the client area
    // from its top-left corner into it, 1:1.
    void capturer_aire(BoitePicture* tampon);

private:
    struct Onglet {
        BoitePicture* bouton;
        BoitePicture* panneau;
        BoitePicture* bande;
        ListeImages images;
        int largeur_ouverte;
        int debut_ouverture;
        std::uint32_t couleur_repos;
        QList<Etiquette*> etiquettes;
    };
    bool glisser(int i, bool ouvrir);
    void montrer_onglet(int i, int image);

    QList<Onglet> onglets_;
    QString question_quitter_;
    QString cle_identification_ = QStringLiteral("Identification");
    int marge_hauteur_ = 45;
    bool impression_en_attente_ = false;  // its print waits on the settings dialog
};
