#pragma once

#include "frame/fenetre_activite.h"
#include "frame/identification.h"
#include "platform/images.h"
#include "platform/sans_fenetre.h"
#include "platform/tableau_controles.h"

#include <QString>
#include <array>

class QAction;
class QActionGroup;
class QToolBar;

// One optics theme: its panel label, its code, its title and the base size of that title, its
// statement pictures.
struct ThemeOptique {
    const char* code;     // theme_courant: "optique1" ... "optique4"
    const char* legende;  // the label on the panel
    const char* titre;    // the title shown over the sheet
    int taille_titre;     // base font size of the title, in points
    const char* liste;    // name of the statement list
    int questions;
    double haut_twips;    // top of the label in the panel
};

// The window of the optics drawing activity: a sliding panel of four themes; the sheet with its
// statement, its palette of sixteen optical elements and its drawing area; "Valider le résultat"
// stores a snapshot of the window, "Continuer" goes to the next statement or, after the last,
// has every snapshot written into a report.
class fenetre_dessin_optique : public FenetreActivite {
    Q_OBJECT
public:
    fenetre_dessin_optique();
    // Its help topic, which its dialogs share.
    static constexpr int sujet_aide = 6;

    static const std::array<ThemeOptique, 4>& themes();

    BoitePicture* Command3;
    BoitePicture* Themes_optique;
    std::array<Etiquette*, 5> Label_optique{};  // elements 1 to 4
    CadreGroupe* Titre;
    Etiquette* Label_titre;
    // The sheet, hidden until a theme starts; it holds the palette and the drawing area.
    BoitePicture* cadre_dessin_optique;
    Etiquette* Label_num_question_dessin;
    BoitePicture* Dessin_enonce;
    BoutonCommande* Valid;
    BoutonCommande* Continue;
    // The drawing area, white, in pixels: placed elements, strokes, notes, handle and pins.
    BoitePicture* cadre_optique;
    // The sheet's tools: 1 "Rayon", 2 "Trait", 3 "Cercle et ellipse" (one exclusive group that
    // code can release), 4 "Insérer du texte", 5 a separator, 6 "Curseur standard", 7 "Tout effacer".
    QToolBar* Toolbar_optique;
    QActionGroup* outils_optique;
    QAction* bouton_optique(int index) const { return boutons_optique_.at(index); }

    // The resize handle (5 x 5, green) and the end pins of a ray or line (7 x 7, red).
    BoitePicture* ergot;
    BoitePicture* ergot1;
    BoitePicture* ergot2;
    // The selection frame (also the ellipse's rubber band) and the rubber band of rays and lines.
    LigneSansFenetre* Line1_optique;
    LigneSansFenetre* Line2_optique;
    LigneSansFenetre* Line3_optique;
    LigneSansFenetre* Line4_optique;
    LigneSansFenetre* rayon_virtuel;
    // The text notes; element 0 is the hidden template.
    TableauControles<EtiquetteSansFenetre> Texte_ajout_Optique;

    // The snapshot buffer and the snapshots, in the order taken.
    BoitePicture* copie_cadre_dessin_optique;
    ListeImages tableau_reponse_DESSIN_optique;

    ListeImages ImageList_command3;
    ListeImages ImageList_toolbar_optique;
    ListeImages ImageList_icone_optique;
    ListeImages List_sources;
    ListeImages List_faisceau;
    ListeImages List_ombre;
    ListeImages List_STL;

    // The control array of an element kind ("lampe" ... "cercle"), nullptr for any other name.
    // Element 0 is the palette item (the sixteen palette kinds) or a hidden template in the
    // drawing area ("rayon", "trait", "cercle").
    TableauControles<BoitePicture>* tableau(const QString& type);
    // The statement list of a theme code, nullptr for any other code.
    const ListeImages* liste_enonces(const QString& code);

    // The four theme labels share one theme start, by their row of themes().
    void Label_optique_Click(int numero);
    void Valid_Click();
    void Continue_Click();
    // Copies the window's top-left area into the buffer and adds it to the snapshots.
    void prendre_instantane();

    // The presses and drops of the placed elements, of the palette items (Index 0), of the
    // drawing area and of the resize handle. X, Y are pixels of the receiving control.
    void element_MouseDown(const QString& type, int Index, int Button, int Shift, float X, float Y);
    void element_DragDrop(const QString& type, int Index, QObject* Source, float X, float Y);
    void cadre_optique_Click();
    void cadre_optique_DragDrop(QObject* Source, float X, float Y);
    void ergot_MouseDown(int Button, int Shift, float X, float Y);
    // Loads element n of a kind that is framed (element_encadre) with its press and drop
    // handlers: hidden, where its template is; nullptr when it cannot be loaded.
    BoitePicture* charger_element(const QString& type, int n);

    // The text notes. Note n loaded with its handlers, hidden, where the template is (nullptr when
    // it cannot be); note i when it lies on the area (loaded, not the template, not cleared away).
    EtiquetteSansFenetre* ajouter_note(int n);
    EtiquetteSansFenetre* note_sur_l_aire(int i);
    // A click opens the note's menu; a press or a move over a note (X, Y in twips) arms it, so
    // that a press and a move drag it.
    void Texte_ajout_Optique_Click(int Index);
    void Texte_ajout_Optique_MouseDown(int Index, int Button, int Shift, float X, float Y);
    // A dragged control released over the area or over element Index: true when it was a note,
    // whose drop is then done.
    bool note_deposee_sur_l_aire(QObject* Source, float X, float Y);
    bool note_deposee_sur_element(const BoitePicture* cible, int Index, QObject* Source, float X, float Y);

protected:
    void charger_activite() override;
    void montrer_identification() override;
    BoitePicture* tampon_capture() override { return copie_cadre_dessin_optique; }
    void capture_prise(BoitePicture* tampon) override;

private:
    void creer_feuille();
    void creer_palette();
    void creer_aides_de_dessin();
    void creer_barre_optique();
    void brancher_placement();
    void brancher_element(const QString& type, BoitePicture* element);
    void brancher_notes();
    void dessiner_modeles();
    void afficher_question();
    // The statement lists in the order of themes().
    std::array<ListeImages*, 4> listes_enonces();

    std::array<TableauControles<BoitePicture>, 19> tableaux_;  // in the order of types_elements()
    std::array<QAction*, 8> boutons_optique_{};                // 1 to 7
};

class Identification_dessin_optique final : public IdentificationPour<fenetre_dessin_optique> {
public:
    Identification_dessin_optique()
        : IdentificationPour(7470, 3000, QStringLiteral("Vantarel - Identification"), QStringLiteral("Aucun")) {}
};

// Prints the optics window's working area (height margin 45).
void imprimer_fenetre_dessin_optique();

// Writes every snapshot of the optics window into a report in chemin_schema.
void sauvegarder_schema_optique_word();
