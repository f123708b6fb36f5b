#include "frame/adaptation.h"

#include "platform/controles.h"
#include "platform/ecran.h"
#include "platform/fenetre.h"
#include "platform/nombres.h"
#include "platform/sans_fenetre.h"

#include <QComboBox>

namespace {
int compteur = 0;
std::function<void(Fenetre&)> observateur_;
}

int nombre_adaptations() { return compteur; }
void remettre_compteur_adaptations() { compteur = 0; }
void observer_adaptations(std::function<void(Fenetre&)> observateur) { observateur_ = std::move(observateur); }

void regle_15_twips(Fenetre& fenetre) {
    const float tx = ecran::TwipsPerPixelX();
    const float ty = ecran::TwipsPerPixelY();
    if (tx == 15.0f && ty == 15.0f) return;
    const float largeur = float(double(tx) * fenetre.largeur_twips() / 15.0);
    fenetre.definir_taille_twips(largeur, fenetre.hauteur_twips());
    const float hauteur = float(double(ty) * fenetre.hauteur_twips() / 15.0);
    fenetre.definir_taille_twips(fenetre.largeur_twips(), hauteur);
    adapter_resolution(fenetre);
}

void adapter_resolution(Fenetre& fenetre) {
    ++compteur;
    if (observateur_) observateur_(fenetre);
    const float tx = ecran::TwipsPerPixelX();
    const float kx = tx / 15.0f;
    const float ky = ecran::TwipsPerPixelY() / 15.0f;

    // The controls are those placed on the window (they keep their twips), in creation order.
    QList<QWidget*> controles;
    for (QWidget* w : fenetre.client()->findChildren<QWidget*>())
        if (!twips_de(w).isNull()) controles.append(w);
    // Fonts are read before any is changed: a control must not inherit a font already scaled.
    QList<QFont> polices;
    for (QWidget* w : controles) polices.append(w->font());

    // Below 8 points once scaled, a font becomes Arial; its size follows the horizontal factor.
    auto police_adaptee = [tx, kx](QFont f) {
        const double taille = f.pointSizeF();
        if (taille <= 0) return f;
        if (nombres::Int(taille * tx / 15.0) < 8) f.setFamily(QStringLiteral("Arial"));
        f.setPointSizeF(double(float(double(kx) * taille)));
        return f;
    };

    for (int i = 0; i < controles.size(); ++i) {
        QWidget* c = controles[i];
        if (polices[i].pointSizeF() > 0) c->setFont(police_adaptee(polices[i]));
        // Positions are single-precision values, as the run time kept them.
        const QRectF t = twips_de(c);
        auto fois = [](double v, float k) { return double(float(v * double(k))); };
        if (qobject_cast<QComboBox*>(c)) {
            fixer_twips(c, QRectF(fois(t.x(), kx), fois(t.y(), ky), fois(t.width(), kx), t.height()));
            c->resize(c->width(), c->sizeHint().height());
        } else {
            fixer_twips(c, QRectF(fois(t.x(), kx), fois(t.y(), ky), fois(t.width(), kx), fois(t.height(), ky)));
        }
    }

    // The windowless lines, shapes and labels laid out in twips: a line by its end points, the
    // others by their rectangle, a label's font as a control's.
    for (ElementSansFenetre* e : elements_sans_fenetre(fenetre.client())) {
        if (!e->place_en_twips()) continue;
        if (auto* etiquette = qobject_cast<EtiquetteSansFenetre*>(e))
            etiquette->Font(police_adaptee(etiquette->Font()));
        e->mettre_a_l_echelle(kx, ky);
    }
}
