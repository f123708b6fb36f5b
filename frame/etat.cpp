#include "frame/etat.h"

#include "frame/registre_activites.h"

const QString MOT_DE_PASSE_ENSEIGNANT = QStringLiteral("physique5");

void reinitialiser_etat_partage() {
    nom_eleve.clear();
    prenom_eleve.clear();
    classe_eleve.clear();
    date_evaluation.clear();
    titre_theme.clear();
    theme_courant.clear();
    option_note_fin = false;
    option_afficher_reponses = false;
    chemin_appli.clear();
    chemin_QCM.clear();
    chemin_schema.clear();
    chemin_textes.clear();
    mot_de_passe_options.clear();
    adaptation_en_cours = false;
    reponse_message = 0;
    facteur_echelle = 0.0f;
    impression_validee = false;
    index_imprimante = 0;
    reinitialiser_etats_activites();
}
