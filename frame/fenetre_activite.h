#pragma once

#include "platform/controles.h"
#include "platform/fenetre.h"

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
