#pragma once

#include "frame/options_dialogues.h"
#include "platform/controles.h"
#include "platform/fenetre.h"

#include <QRectF>
#include <vector>
#include <cstdint>

class LigneSansFenetre;
class FormeSansFenetre;

// What the two wire dialogs share: a colour swatch that opens the colour dialog, three widths
// (" fin", " moyen", " épais") and three styles (" plein", " pointillé", " alterné") with their
// sample strokes, "Valider" and "Annuler" on a background picture. The dotted and dash-dot
// styles are offered only with the thin width. Every change of an option runs its handler,
// whether the pupil or the code made it. The buttons only hide a dialog, so it shows its last
// choices again; its close box unloads it, and it comes back in its design state.
class DialogueFil : public Fenetre {
    Q_OBJECT
public:
    // The controls both dialogs place, by their names.
    enum class Controle {
        Label3, couleur_fil, Label2, Frame1, Option4, Option5, Option6,
        Label4, Frame2, Option7, Option3, Option8, Command2, Command1
    };
    // One control: its caption and its place in twips (in its frame for the options).
    struct Place {
        Controle controle;
        const char* legende;
        QRectF twips;
    };

    BoitePicture* couleur_fil = nullptr;
    Etiquette* Label2 = nullptr;
    Etiquette* Label3 = nullptr;
    Etiquette* Label4 = nullptr;
    CadreGroupe* Frame1 = nullptr;
    CadreGroupe* Frame2 = nullptr;
    BoutonOption* Option4 = nullptr;  // " fin"
    BoutonOption* Option5 = nullptr;  // " moyen"
    BoutonOption* Option6 = nullptr;  // " épais"
    BoutonOption* Option7 = nullptr;  // " plein"
    BoutonOption* Option3 = nullptr;  // " pointillé"
    BoutonOption* Option8 = nullptr;  // " alterné"
    BoutonCommande* Command2 = nullptr;  // "Valider"
    BoutonCommande* Command1 = nullptr;  // "Annuler"

    void Option4_Click();
    void Option5_Click();
    void Option6_Click();
    // The colour dialog, always opened on the window-text colour; Cancel keeps the swatch.
    void couleur_fil_Click();
    virtual void Command1_Click() = 0;
    virtual void Command2_Click() = 0;

    // The look the options and the swatch stand for: width 1, 2 or 4; style 1, 3 or 4.
    int largeur_choisie() const;
    int style_choisi() const;
    std::uint32_t couleur_choisie() const { return couleur_fil->BackColor(); }

protected:
    DialogueFil(double largeur, double hauteur, const QString& fond, const std::vector<Place>& places);

    // Hooks the option handlers to their options; done once the design state is set.
    void brancher_options();
    // Selects an option, running its handler even when it was selected already.
    static void choisir(BoutonOption* option);
    // The three styles enabled or not.
    void styles_actifs(bool oui);
    // The 15-twips rule, then the circuit window's sheet disabled (the window loaded first if
    // need be), unless the adaptation pass is loading the dialog.
    void Form_Load() override;
    // " moyen" selects " plein" once more after greying the styles.
    bool plein_apres_moyen_ = false;
};

// The dialog of a selected wire: deletes it, or gives it a colour, width and style, and can
// keep that look for the next wires. It acts on wire index_fil and ends the selection's wait
// however it closes.
class Param_fil final : public DialogueFil {
    Q_OBJECT
public:
    Param_fil();

    Etiquette* Label1 = nullptr;
    BoutonOption* Option1 = nullptr;  // " Supprimer ce fil"
    BoutonOption* Option2 = nullptr;  // "Modifier la couleur de ce fil"
    CaseACocher* Check1 = nullptr;    // "Conserver ces paramètres pour les autres fils"
    FormeSansFenetre* cadre_gris = nullptr;

    void Option1_Click();
    void Option2_Click();
    void Check1_Click();
    void Command1_Click() override;
    void Command2_Click() override;

protected:
    // The close box while the dialog is open for a wire: as "Annuler".
    void Form_Unload(bool& annuler) override;

private:
    // The swatch, the width, the style and the check box usable or greyed.
    void modification_active(bool oui);
    void remettre_aspect();
    void fermer();
};

// The dialog of the look of the next wires, opened from the circuit window's tool bar, which
// it disables while it shows.
class Param_fil2 final : public DialogueFil {
    Q_OBJECT
public:
    Param_fil2();
    void Command1_Click() override;
    void Command2_Click() override;

protected:
    void Form_Unload(bool& annuler) override;

private:
    void rendre_la_main();
};
