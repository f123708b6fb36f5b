#include "frame/fenetre_activite.h"

#include "frame/etat.h"
#include "frame/form1.h"
#include "platform/messages.h"

BandeauIdentite creer_bandeau_identite(QWidget* parent, double gauche, double haut, double largeur,
                                       double gauche_boites, double gauche_boites_droite) {
    auto* cadre = new CadreGroupe(parent);
    placer(cadre, gauche, haut, largeur, 855);
    cadre->fond(0xFFFFFF);
    auto boite = [cadre](const QString& texte, double g, double h, double l) {
        auto* z = new ZoneTexte(cadre, texte);
        placer(z, g, h, l, 325);
        z->setReadOnly(true);
        couleur_fond(z, 0xFFFFC0);
        return z;
    };
    return {cadre, boite(QStringLiteral("Nom:"), gauche_boites, 120, 1935),
            boite(QStringLiteral("Prénom:"), gauche_boites, 480, 1935),
            boite(QStringLiteral("Classe:"), gauche_boites_droite, 120, 1575),
            boite(QStringLiteral("Date:"), gauche_boites_droite, 480, 1575)};
}

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
