#pragma once

#include "circuit/composants.h"
#include "frame/fenetre_activite.h"
#include "frame/identification.h"
#include "platform/images.h"
#include "platform/sans_fenetre.h"
#include "platform/tableau_controles.h"

#include <array>

class QActionGroup;
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

    ListeImages List_schema;
    ListeImages List_serie_deriv;
    ListeImages List_assoc_pile;
    ListeImages List_court_circuit;
    ListeImages ImageList_command1;
    ListeImages ImageList1;
    ListeImages ImageList2;
    // The answers: one snapshot per validated sheet and per BMP save, numbered from 1.
    ListeImages tableau_reponse_DESSIN;

    static const std::array<ThemeDessin, 4>& themes();

    void Command1_Click();
    void Label_theme_Click(const ThemeDessin& theme);
    void Valid_Click();
    void Continue_Click();
    void Toolbar1_ButtonClick(const QString& cle) override;
    void Toolbar2_ButtonClick(const QString& cle);

    // Every change of the drawing area's enabled state goes through here.
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
    // The snapshot of the window's area into the answers, at Count + 1.
    void garder_instantane(BoitePicture* tampon);
    QActionGroup* groupe_outils_ = nullptr;
};

class Identification_dessin final : public IdentificationPour<fenetre_dessin> {
public:
    Identification_dessin()
        : IdentificationPour(7650, 2955, QStringLiteral("Vantarel - Identification"), QStringLiteral("Aucun")) {}
};

// Prints the circuit window's area (height margin 70).
void imprimer_fenetre_dessin();
