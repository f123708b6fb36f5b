#pragma once

#include "platform/controles.h"
#include "platform/fenetre.h"

// The notice shown while the program rescales its windows to the screen: no border, no title
// bar, one centred line of text. Once loaded it is only shown and hidden.
class message_resolution : public Fenetre {
    Q_OBJECT
public:
    message_resolution();
    Etiquette* Label1;

protected:
    void Form_Load() override;
};
