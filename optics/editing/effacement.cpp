#include "optics/editing/effacement.h"

#include "optics/editing/selection.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/messages.h"

#include <QAction>

namespace {
// The arrays in the order the clearing walks them.
const char* const ORDRE_EFFACEMENT[19] = {"lampe",        "laser",        "ecran_perce1_coupe", "ecran_perce2_coupe",
                                          "ecran",        "ecran_coupe",  "ecran_perce1",       "ecran_perce2",
                                          "filtre",       "filtre_coupe", "cube",               "oeil",
                                          "bouledemi",    "soleil",       "terre",              "lune",
                                          "trait",        "rayon",        "cercle"};
constexpr double HORS_FEUILLE = -5000;
}

void effacer_dessin() {
    fenetre_dessin_optique* f = Fenetre::obtenir<fenetre_dessin_optique>();
    deselectionner();
    f->ergot1->hide();
    f->ergot2->hide();
    for (int i = 1; i <= 3; ++i) f->bouton_optique(i)->setChecked(false);
    outil_rayon = false;
    outil_trait = false;
    outil_cercle = false;
    f->cadre_optique->MousePointer(0);
    for (const auto& [i, note] : f->Texte_ajout_Optique.elements()) {
        note->Left(HORS_FEUILLE);
        note->Top(HORS_FEUILLE);
    }
    for (const char* nom : ORDRE_EFFACEMENT) {
        TableauControles<BoitePicture>* tableau = f->tableau(QString::fromLatin1(nom));
        BoitePicture* modele = tableau->element(0);
        const float haut = float(modele->Top());
        const float gauche = float(modele->Left());
        for (const auto& [i, element] : tableau->elements()) {
            element->Left(HORS_FEUILLE);
            element->Top(HORS_FEUILLE);
        }
        modele->Top(haut);
        modele->Left(gauche);
    }
}

void tout_effacer() {
    if (MsgBox(QStringLiteral("Initialisation: Voulez-vous tout effacer?"), vb::vbYesNo | vb::vbDefaultButton2) ==
        vb::vbYes)
        effacer_dessin();
}
