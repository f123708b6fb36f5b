#pragma once

#include "platform/controles.h"
#include "platform/fenetre.h"

// The password gate in front of the quiz option that shows the right answers: every change of
// that box opens it, and only the teacher password ticks the box.
class Mot_de_passe : public Fenetre {
    Q_OBJECT
public:
    Mot_de_passe();
    Etiquette* Label1;
    ZoneTexte* Text_motdepasse1;
    BoutonCommande* Go;
    BoutonCommande* Command1;
    BoitePicture* Picture1;

    // Shows the gate in front of the quiz options.
    void Show();
    void Go_Click();
    void Command1_Click();

protected:
    void Form_Load() override;
    void Form_Unload(bool& annuler) override;
};
