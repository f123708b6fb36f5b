#include "frame/fenetre_activite.h"

#include "frame/etat.h"
#include "frame/form1.h"
#include "platform/messages.h"

void FenetreActivite::afficher_identite() {
    Nom->setText(nom_eleve);
    Prenom->setText(prenom_eleve);
    Classe->setText(classe_eleve);
    Temps->setText(date_evaluation);
}

void FenetreActivite::demander_quitter(const QString& question, bool& annuler) {
    if (MsgBox(question, vb::vbYesNo, titre_application) != vb::vbYes) {
        annuler = true;
        return;
    }
    if (!adaptation_en_cours) Fenetre::obtenir<Form1>()->Show();
}
