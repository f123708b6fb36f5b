#include "frame/options.h"
#include "frame/registre_activites.h"
#include "texts/fenetre_texte.h"
#include "texts/positions_trous.h"

namespace {
FenetreActivite* fenetre() { return Fenetre::obtenir<fenetre_texte>(); }
}

void enregistrer_textes() {
    using R = OuvreurActivite::Resultats;
    // The main window's text buttons: Electricité, Optique, Chimie.
    enregistrer_ouvreur({QStringLiteral("Picture13"), fenetre, 1, 0, true, R::cacher});
    enregistrer_ouvreur({QStringLiteral("Picture14"), fenetre, 3, 98, true, R::cacher});
    enregistrer_ouvreur({QStringLiteral("Picture15"), fenetre, 2, 98, true, R::cacher});
    enregistrer_fenetre_passe(fenetre_de_la_passe<fenetre_texte>(QStringLiteral("fenetre_texte"), 9, 2));
    enregistrer_fenetre_passe(fenetre_de_la_passe<Identification_texte>(QStringLiteral("Identification_texte"), 14, 14));
    // The blank tables are built by the main window's load, and are all 0 before it.
    enregistrer_etat({QStringLiteral("textes"), initialiser_positions_trous, vider_positions_trous});
    // The Word box of the text options shows or hides "Valider les réponses" at once, loading
    // the text window hidden when it is not loaded.
    definir_action_valider_texte([](bool visible) { Fenetre::obtenir<fenetre_texte>()->valider_texte->setVisible(visible); });
}
