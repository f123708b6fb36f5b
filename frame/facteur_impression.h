#pragma once

#include "platform/controles.h"
#include "platform/fenetre.h"

#include <QComboBox>
#include <array>

// "Impression": the print-settings dialog. Each load starts a fresh choice (first printer,
// "Couleur", "Standard", one copy, "Portrait", "A4", "Normal (x1)"); "Valider" applies the
// choices to the printer object, sets facteur_echelle and impression_validee, and unloads the
// dialog. The print procedures wait on it through attendre_reglages_impression().
class Facteur_impression : public Fenetre {
    Q_OBJECT
public:
    Facteur_impression();

    Etiquette* Label1;
    Etiquette* Label2;
    Etiquette* Label3;
    Etiquette* Label4;
    Etiquette* Label5;
    Etiquette* Label6;
    Etiquette* Label7;
    QComboBox* nom_imprimante;
    QComboBox* Mode_impression;
    QComboBox* Qualite_impression;
    ZoneTexte* Nb_copies;
    QComboBox* orientation;
    QComboBox* taille_page;
    BoutonOption* reduit;
    BoutonOption* normal;
    BoutonOption* agrandit;
    BoutonOption* personnalise;
    ZoneTexte* Text1;
    BoutonCommande* Command2;
    // The small pictures down the left edge, beside the labels, top to bottom.
    std::array<BoitePicture*, 7> Image{};

    // A choice of the printer list or a typed name: the position in the list of the item
    // whose text is the one shown, -1 when no item has that text.
    void nom_imprimante_Change();
    // "Valider".
    void Command2_Click();

    // The number of the choice this dialog's load started; every load starts a new one.
    int numero_choix() const { return numero_choix_; }
    // The number of the last choice that "Valider" ended (0: none yet).
    static int dernier_choix_valide();

protected:
    void Form_Load() override;

private:
    int numero_choix_ = 0;
};

// Shows the print-settings dialog modeless (created for a fresh choice unless it is open, so
// a second request shares the open one) and handles events until its "Valider" succeeds (true)
// or the dialog goes away without it, by its close box or an unload (false). The caller stays
// enabled and live meanwhile.
bool attendre_reglages_impression();
