#pragma once

#include "frame/fenetre_activite.h"
#include "frame/identification.h"
#include "platform/images.h"
#include "platform/tableau_controles.h"

#include <QList>
#include <QMap>

class positions_trous;

// One theme of the fill-in texts: the label that starts it and what it shows.
struct ThemeTexte {
    const char* etiquette;  // "Label_elec1"
    const char* legende;    // the label's caption on its panel
    const char* code;       // stored in theme_courant: "elec1", "chimie14", "Optique3"
    const char* titre;      // shown in Label_titre
    int taille_titre;       // points at 15 twips per pixel
    int sujet;              // panel: 0 electricity, 1 chemistry, 2 optics
    int image;              // 1-based picture of the subject's list of text pictures
    const char* table;      // its blank table, "trous_chimie13"
    int haut;               // the label's top in its panel, pixels
    int largeur;            // the label's width, pixels
};

// The window in which a pupil fills in the blanks of a text of one subject.
class fenetre_texte : public FenetreActivite {
    Q_OBJECT
public:
    fenetre_texte();
    // Its help topic, which its dialogs share.
    static constexpr int sujet_aide = 4;

    BoitePicture *Command1, *Command2, *Command3;                      // the subject tabs
    BoitePicture *themes_electricite, *Themes_chimie, *Themes_optique;  // their sliding panels
    BoitePicture *Picture1, *Picture2, *Picture13;                      // the panels' picture strips
    Ligne* Line1;
    CadreGroupe* Titre;
    Etiquette* Label_titre;
    BoitePicture* cadre_texte;
    BoutonCommande* valider_texte;
    // The entry boxes: element 0 is the design-time box, the others copies made per text.
    TableauControles<ZoneTexte> Text;

    ListeImages ImageList_command1;
    ListeImages ImageList_command2;
    ListeImages ImageList_command3;

    // The theme labels by name ("Label_elec1" ... "Label_optique4").
    QMap<QString, Etiquette*> etiquettes_themes;
    // The 22 themes, in the order of their panels.
    static const QList<ThemeTexte>& themes_textes();
    static const ThemeTexte* theme(const QString& etiquette);
    // Picture i of a subject's text pictures (decoded when first shown).
    static QImage image_texte(int sujet, int image);

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Savoir_MouseMove();
    // The 22 theme clicks share one loading.
    void Label_theme_Click(const ThemeTexte& theme);
    // The word-processor report of the filled text.
    void valider_texte_Click();

protected:
    void montrer_identification() override;
};

class Identification_texte final : public IdentificationPour<fenetre_texte> {
public:
    Identification_texte() : IdentificationPour(7530, 2985, QStringLiteral("Identification"), QStringLiteral("Annuler")) {}
};

// Prints the text window's working area (height margin 45).
void imprimer_fenetre_texte();

// Gives the frame what it reaches of the texts: the three text buttons of the main window, the
// text window and its dialog in the adaptation pass, the blank tables built at start-up, and the
// options' "Valider les réponses" button.
void enregistrer_textes();
