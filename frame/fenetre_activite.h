#pragma once

#include "platform/controles.h"
#include "platform/fenetre.h"

// The identity strip shared by the quiz and results windows: a white frame holding four
// read-only boxes (name and first name on the left, class and date on the right).
struct BandeauIdentite {
    CadreGroupe* cadre;
    ZoneTexte* nom;
    ZoneTexte* prenom;
    ZoneTexte* classe;
    ZoneTexte* date;
};
BandeauIdentite creer_bandeau_identite(QWidget* parent, double gauche, double haut, double largeur,
                                       double gauche_boites, double gauche_boites_droite);

// What every activity window (quiz, texts, circuits, optics) offers the shared services:
// the four identity boxes, the working area box, and the quit that brings the main window back.
class FenetreActivite : public Fenetre {
    Q_OBJECT
public:
    ZoneTexte* Nom = nullptr;
    ZoneTexte* Prenom = nullptr;
    ZoneTexte* Classe = nullptr;
    ZoneTexte* Temps = nullptr;
    // The picture box framing the working area, whose size bounds the printed and saved copy.
    BoitePicture* Savoir = nullptr;

    // Writes the shared identity into the four boxes.
    void afficher_identite();

protected:
    using Fenetre::Fenetre;
    // The module's quit question; Yes unloads and, outside the resolution pass, shows Form1.
    void demander_quitter(const QString& question, bool& annuler);
};
