#include "frame/etat.h"
#include "frame/rapport_images.h"
#include "texts/fenetre_texte.h"

// The report of the filled text: the panels shut and a pause, then one capture of the window's
// area with the words typed, written after the pupil's identity; its file is announced.
void fenetre_texte::valider_texte_Click() {
    const ModeleRapportImages modele{QStringLiteral("evaluation_texte_"), QStringLiteral("VANTAREL - Evaluation texte à trous"),
                                     QStringLiteral("Sauvegarde du fichier au format Word impossible"), false, true};
    sauvegarder_images_word(
        this, {themes_electricite, Themes_chimie, Themes_optique},
        [this] {
            capturer_aire(copie_savoir);
            cadre_texte->setFocus();
            ListeImages capture;
            capture.ajouter(copie_savoir->Image());
            return capture;
        },
        copie_savoir, chemin_textes, modele);
}
