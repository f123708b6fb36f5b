#pragma once

#include "platform/controles.h"
#include "platform/fenetre.h"

// The about box: the program's title, version and credits on its picture, and "OK".
class Apropos : public Fenetre {
    Q_OBJECT
public:
    Apropos();
    BoutonCommande* Command1;
    void Command1_Click();

protected:
    void Form_Load() override;
};
