#pragma once

#include "circuit/composants.h"
#include "frame/fenetre_activite.h"
#include "frame/identification.h"
#include "platform/images.h"
#include "platform/sans_fenetre.h"
#include "platform/tableau_controles.h"

#include <QLineF>
#include <array>

class QActionGroup;
class QMenu;
class fenetre_dessin;

// One circuit theme: its label on the theme panel, its code, the title shown above the sheet,
// its number of questions and its statement pictures.
struct ThemeDessin {
    int etiquette;          // its label, Label_elec<etiquette>
    const char* code;       // theme_courant, "elec4"
    const char* titre;
    int questions;
    ListeImages fenetre_dessin::* enonces;
};

// The circuit window: the pupil picks a theme, reads each statement, draws its circuit on the
// sheet and validates it; each validated sheet is kept as a snapshot of the window for the
// teacher's report. Its drawing is the set of its controls (symbols, leads, wires, labels) and
// the circuit editor's shared state; nothing of it is stored on disk.
class fenetre_dessin : public FenetreActivite {
    Q_OBJECT
public:
    fenetre_dessin();
    // Its help topic, which its dialogs share.
    static constexpr int sujet_aide = 5;

    // The theme panel, its tab and its nine labels (elements 1 to 9).
    BoitePicture* Command1 = nullptr;
    BoitePicture* themes_electricite = nullptr;
    std::array<Etiquette*, 10> Label_elec{};

    CadreGroupe* Titre = nullptr;
    Etiquette* Label_titre = nullptr;
    // The working area, shown by a theme click, and what it holds.
    BoitePicture* cadre_dessin = nullptr;
    BoutonCommande* Valid = nullptr;
    BoutonCommande* Continue = nullptr;
    // The six palettes, in the order of the Famille values.
    std::array<CadreGroupe*, NOMBRE_FAMILLES> palettes{};
    CadreGroupe* Frame_pile = nullptr;
    CadreGroupe* Frame_diode = nullptr;
    CadreGroupe* Frame_resistance = nullptr;
    CadreGroupe* Frame_lampe = nullptr;
    CadreGroupe* Frame_interrupteur = nullptr;
    CadreGroupe* Frame_moteur = nullptr;
    BoitePicture* Cadre = nullptr;
    BoitePicture* Dessin_enonce = nullptr;
    Etiquette* Label_num_question_dessin = nullptr;
    // The drag image of a symbol outside the drawing area (hidden, in Cadre).
    BoitePicture* icone = nullptr;
    // The snapshot buffer.
    BoitePicture* copie_cadre_dessin = nullptr;

    // The drawing tool bar: 32 buttons, 1 to 18, 26, 29 and 31 separators (nullptr here);
    // 19 to 25 a group of which one stays pressed.
    BarreOutils* Toolbar2 = nullptr;
    std::array<QAction*, 33> boutons_Toolbar2{};
    // The pressed state of button i of Toolbar2, and its release by code.
    bool Value(int bouton) const;
    void relacher(int bouton);

    // The symbol arrays, in the order of types_composants, with their element 0 in its palette.
    std::array<TableauControles<BoitePicture>, NOMBRE_TYPES_COMPOSANTS> symboles;
    TableauControles<BoitePicture>& symbole(const char* tableau);
    // The leads before and after symbol n, the wires, their rubber bands, the four sides of the
    // selection rectangles and the free text labels, all in Cadre.
    TableauControles<FormeSansFenetre> traitav;
    TableauControles<FormeSansFenetre> traitap;
    TableauControles<LigneSansFenetre> fil;
    TableauControles<LigneSansFenetre> fil_virtuel;
    std::array<TableauControles<LigneSansFenetre>, 5> fil_selection;  // elements 1 to 4
    TableauControles<EtiquetteSansFenetre> Texte_ajout;

    // The symbol pictures, black (the palette items') and red, in the order of types_composants.
    std::array<QImage, NOMBRE_TYPES_COMPOSANTS> images_noires;
    std::array<QImage, NOMBRE_TYPES_COMPOSANTS> images_rouges;

    ListeImages List_schema;
    ListeImages List_serie_deriv;
    ListeImages List_assoc_pile;
    ListeImages List_court_circuit;
    ListeImages ImageList_command1;
    ListeImages ImageList1;
    ListeImages ImageList2;
    // The pointers of the wire tool (1) and of the selection tool (2).
    ListeImages curseur_list;
    // The answers: one snapshot per validated sheet and per BMP save, numbered from 1.
    ListeImages tableau_reponse_DESSIN;

    static const std::array<ThemeDessin, 4>& themes();

    void Command1_Click();
    void Label_theme_Click(const ThemeDessin& theme);
    void Valid_Click();
    void Continue_Click();
    void Toolbar1_ButtonClick(const QString& cle) override;
    void Toolbar2_ButtonClick(const QString& cle);

    // A press on element Index of symbol array k (the index of types_composants): a right press
    // records the pop-up target, any other starts dragging the element.
    void symbole_MouseDown(std::size_t k, int Index, int Button, float X, float Y);
    // A drop on the sheet: a text label where it was released, a palette item as a new symbol
    // with its two leads, a placed symbol moved; symbols on the 8-pixel grid.
    void Cadre_DragDrop(QObject* Source, float X, float Y);
    void Cadre_DragOver(QObject* Source, float X, float Y, int State);
    // A drop on element Index of symbol array k: only a text label lands there.
    void symbole_DragDrop(std::size_t k, int Index, QObject* Source, float X, float Y);

    // The pop-up menu of a placed symbol, from a right press or a double click on element
    // Index of symbol array k; its commands act on type_composant and index_composant.
    void symbole_DblClick(std::size_t k, int Index);
    void mnunoir_Click();
    void mnurouge_Click();
    void mnueffacer_Click();
    // "effacer", then "Couleur" with "Noir" and "Rouge".
    QMenu* mnuflottant = nullptr;
    QAction* mnueffacer = nullptr;
    QMenu* mnucouleur = nullptr;
    QAction *mnunoir = nullptr, *mnurouge = nullptr;

    // Text labels: label n loaded with its handlers; a click opens its menu, a press or a move
    // over it arms it for dragging from that point.
    EtiquetteSansFenetre* ajouter_texte(int n);
    void Texte_ajout_Click(int Index);
    void Texte_ajout_MouseDown(int Index, int Button, int Shift, float X, float Y);
    void mnuedittexte_Click();
    void mnueffacertexte_Click();
    QMenu* mnuflottanttexte = nullptr;
    QAction* mnuedittexte = nullptr;
    QAction* mnueffacertexte = nullptr;
    // Shows the text dialog, which closes with this window.
    void montrer_Ajout_texte();

    // The sheet's mouse: with the wire tool a press starts a wire on the grid, a move stretches
    // its rubber band and the release lays it with the default look; with the selection tool a
    // drag draws a dotted rectangle whose release hands each wire it encloses to Param_fil, in
    // turn, waiting for each dialog to close. A right press offers to take back the last wire.
    // X, Y are the sheet's pixels, outside it too while a press holds the mouse.
    void Cadre_MouseDown(int Button, int Shift, float X, float Y);
    void Cadre_MouseMove(int Button, int Shift, float X, float Y);
    void Cadre_MouseUp(int Button, int Shift, float X, float Y);
    // True while a selection waits on the dialog of one of its wires.
    bool attente_Param_fil() const { return attente_param_fil_; }

    // Every change of the drawing area's enabled state goes through here. The sheet is enabled
    // only while the exercise lets the pupil draw (no theme yet, or a question being answered)
    // and no wire's dialog is open; otherwise enabling leaves it as it is.
    void activer_Cadre(bool actif);

protected:
    void montrer_identification() override;
    BoitePicture* tampon_capture() override { return copie_cadre_dessin; }
    // A BMP save also adds its snapshot to the answers, saved or not.
    void capture_prise(BoitePicture* tampon) override;

private:
    void creer_zone_de_travail();
    void creer_palettes();
    void creer_elements_du_cadre();
    void creer_Toolbar2();
    // The drag settings of the palette items and the handlers of element i of symbol array k.
    void preparer_palettes();
    void brancher_symbole(std::size_t k, int i);
    // The window's pointer: 5 over every symbol, 0 over the background, Savoir and the palettes.
    void brancher_pointeurs();
    void pointeur_symbole();
    bool eventFilter(QObject* objet, QEvent* evenement) override;
    void montrer_palette(Famille famille);
    void creer_mnuflottant();
    void creer_mnuflottanttexte();
    // The menu's target: the kind of the menu code in type_composant and its element, if any.
    BoitePicture* cible_du_menu(std::size_t* k) const;
    void colorer_cible(bool rouge);
    // Text label i at Left, Top in Cadre, in front; armed no more.
    void poser_texte(int i, double gauche, double haut);
    // Leads of symbol i of kind k for its corner (L, T).
    void poser_traits(std::size_t k, int i, double L, double T);
    // The snapshot of the window's area into the answers, at Count + 1.
    void garder_instantane(BoitePicture* tampon);
    QActionGroup* groupe_outils_ = nullptr;

    // Wires (fils.cpp).
    void brancher_Cadre();
    void debut_outil(float X, float Y);
    // Takes back the wire of the highest index; false when there is none but the template.
    bool defaire_dernier_fil();
    // The four sides of selection set k laid on these segments (1 to 4), then shown or hidden.
    void poser_cotes(int k, const std::array<QLineF, 4>& cotes);
    void montrer_cotes(int k, bool oui);
    // The current set as the rectangle from the press point to (X, Y), shown.
    void poser_rectangle(float X, float Y);
    // The search of the wires a rectangle encloses; false when the window was closed meanwhile.
    bool selectionner_fils(float X, float Y);
    // Shows Param_fil and handles events until it closes; false when the window was closed.
    bool attendre_Param_fil();
    bool attente_param_fil_ = false;
};

class Identification_dessin final : public IdentificationPour<fenetre_dessin> {
public:
    Identification_dessin()
        : IdentificationPour(7650, 2955, QStringLiteral("Vantarel - Identification"), QStringLiteral("Aucun")) {}
};

// Prints the circuit window's area (height margin 70).
void imprimer_fenetre_dessin();
