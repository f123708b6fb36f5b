#include "optics/menus/angle_rotation.h"

#include "frame/adaptation.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/nombres.h"

#include <cmath>
#include <limits>

namespace {
std::function<void(float)>& rotation() {
    static std::function<void(float)> tourner;
    return tourner;
}
}

void angle_rotation::definir_rotation(std::function<void(float)> tourner) { rotation() = std::move(tourner); }

angle_rotation::angle_rotation() : Fenetre(3240, 960) {
    setWindowTitle(QStringLiteral("Angle de rotation"));
    HelpContextID = fenetre_dessin_optique::sujet_aide;
    QWidget* c = client();
    Text_angle_rotation = new ZoneTexte(c, QStringLiteral("90"));
    placer(Text_angle_rotation, 270, 210, 825, 315);
    Command1 = new BoutonCommande(c, QStringLiteral("OK"));
    placer(Command1, 2040, 240, 720, 300);
    Label1 = new Etiquette(c, QStringLiteral("degrés"));
    placer(Label1, 1155, 270, 870, 255);
    connect(Command1, &QPushButton::clicked, this, &angle_rotation::Command1_Click);
}

void angle_rotation::Form_Load() { regle_15_twips(*this); }

void angle_rotation::Command1_Click() {
    // An angle beyond single precision turns nothing; the window closes all the same.
    const std::optional<float> angle = angle_lu(Text_angle_rotation->text());
    const std::function<void(float)> tourner = rotation();
    if (angle && tourner) tourner(*angle);
    Unload();
}

void montrer_angle_rotation() { Fenetre::obtenir<angle_rotation>()->Show(); }

std::optional<float> angle_lu(const QString& texte) {
    const double v = nombres::Val(texte);
    // Above the largest single by half its last step or more, the conversion gives no number.
    constexpr float plus_grand = std::numeric_limits<float>::max();
    const double limite = double(plus_grand) + std::ldexp(1.0, 103);
    if (!std::isfinite(v) || std::fabs(v) >= limite) return std::nullopt;
    return static_cast<float>(v);
}
