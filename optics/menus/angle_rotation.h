#pragma once

#include "platform/controles.h"
#include "platform/fenetre.h"

#include <functional>
#include <optional>

// "Angle de rotation": the pupil types an angle in degrees; "OK" turns the element selected on
// the optics sheet at that moment by that angle, counter-clockwise for a positive one, and
// closes the window. Modeless, single instance; the close box turns nothing.
class angle_rotation : public Fenetre {
    Q_OBJECT
public:
    angle_rotation();

    ZoneTexte* Text_angle_rotation;
    BoutonCommande* Command1;
    Etiquette* Label1;

    void Command1_Click();

    // The turning routine the optics sheet gives at its load (turns the selected element by that
    // many degrees); none at first, and "OK" then only closes.
    static void definir_rotation(std::function<void(float)> tourner);

protected:
    void Form_Load() override;
};

// Shows the window modeless, loading it first when it is not loaded; an open one is only
// shown again, with its text as the pupil left it.
void montrer_angle_rotation();

// A typed angle as the window reads it: the text's leading number (Val), in single precision;
// nothing when it is no finite single-precision number ("1E39").
std::optional<float> angle_lu(const QString& texte);
