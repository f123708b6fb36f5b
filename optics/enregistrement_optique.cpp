#include "optics/enregistrement_optique.h"

#include "frame/registre_activites.h"
#include "optics/menus/angle_rotation.h"
#include "optics/menus/commandes_optique.h"
#include "optics/notes/ajout_texte_optique.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"

namespace {
FenetreActivite* fenetre_optique() { return Fenetre::obtenir<fenetre_dessin_optique>(); }
}

void enregistrer_optique() {
    // Picture12 opens the sheet without a pause and touches no tab; it closes the results window.
    enregistrer_ouvreur({QStringLiteral("Picture12"), fenetre_optique, 0, 0, false,
                         OuvreurActivite::Resultats::decharger});
    enregistrer_fenetre_passe(fenetre_de_la_passe<fenetre_dessin_optique>(QStringLiteral("fenetre_dessin_optique"), 7, 4));
    enregistrer_fenetre_passe(
        fenetre_de_la_passe<Identification_dessin_optique>(QStringLiteral("Identification_dessin_optique"), 12, 12));
    enregistrer_fenetre_passe(fenetre_de_la_passe<angle_rotation>(QStringLiteral("angle_rotation"), 3, 7));
    enregistrer_notes_optique();
    enregistrer_etat({QStringLiteral("optique"), nullptr, reinitialiser_etat_optique});
    enregistrer_commandes_optique();
}
