#include "optics/editing/selection.h"

#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"

#include <QPointer>

namespace {
QPointer<BoitePicture> element_ergot;
}

void selectionner_objet(BoitePicture* objet) {
    fenetre_dessin_optique* f = Fenetre::obtenir<fenetre_dessin_optique>();
    const double l = objet->Left();
    const double t = objet->Top();
    const double w = objet->ScaleWidth();
    const double h = objet->ScaleHeight();
    struct Cote {
        LigneSansFenetre* ligne;
        double x1, y1, x2, y2;
    };
    const Cote cotes[4] = {{f->Line1_optique, l, t, l + w, t},
                           {f->Line2_optique, l, t, l, t + h},
                           {f->Line3_optique, l, t + h, l + w, t + h},
                           {f->Line4_optique, l + w, t + h, l + w, t}};
    for (const Cote& c : cotes) {
        c.ligne->X1(c.x1);
        c.ligne->Y1(c.y1);
        c.ligne->X2(c.x2);
        c.ligne->Y2(c.y2);
    }
    for (const Cote& c : cotes) c.ligne->Visible(true);
    f->ergot->Left(l + w - f->ergot->ScaleWidth() / 2);
    f->ergot->Top(t - f->ergot->ScaleHeight() / 2);
    f->ergot->raise();
    f->ergot->show();
    element_ergot = objet;
}

void deselectionner() {
    fenetre_dessin_optique* f = Fenetre::obtenir<fenetre_dessin_optique>();
    for (LigneSansFenetre* l : {f->Line1_optique, f->Line2_optique, f->Line3_optique, f->Line4_optique}) l->Visible(false);
    f->ergot->hide();
}

BoitePicture* element_de_l_ergot() { return element_ergot.data(); }

void reprendre_element_de_l_ergot() {
    if (!element_ergot) return;
    fenetre_dessin_optique* f = Fenetre::obtenir<fenetre_dessin_optique>();
    for (const TypeElement& t : types_elements()) {
        const QString nom = QString::fromUtf8(t.nom);
        TableauControles<BoitePicture>* tableau = f->tableau(nom);
        const int i = tableau ? tableau->index_de(element_ergot) : -1;
        if (i > 0) {
            type_selection = nom;
            index_selection = std::int16_t(i);
            return;
        }
    }
}

BoitePicture* element_selectionne() {
    if (index_selection <= 0) return nullptr;
    TableauControles<BoitePicture>* tableau = Fenetre::obtenir<fenetre_dessin_optique>()->tableau(type_selection);
    return tableau ? tableau->element(index_selection) : nullptr;
}
