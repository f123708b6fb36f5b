#include "optics/editing/transformation.h"

#include "circuit/etat_circuit.h"
#include "optics/drawing/traces.h"
#include "optics/editing/selection.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/dessin.h"
#include "platform/transparence.h"

#include <cmath>

namespace {
bool est(const TypeElement& t, const char* nom) { return qstrcmp(t.nom, nom) == 0; }
bool est_astre(const TypeElement& t) { return t.palette && !t.angles; }

const TypeElement* type_redimensionnable() {
    const TypeElement* t = type_element(type_selection);
    return t && element_encadre(*t) ? t : nullptr;
}

// The new drawing starts from an empty picture in pixel scale; with `centree` the scale is
// then one unit per pixel about the centre, y upwards.
void preparer(BoitePicture& e, bool lampe_ou_cercle, bool centree) {
    rendre_opaque(&e);
    e.effacer_image();
    e.ScaleMode(3);
    if (lampe_ou_cercle) {
        e.FillColor(0xFFFF);
        e.FillStyle(0);
    }
    const double w = e.ScaleWidth();
    const double h = e.ScaleHeight();
    if (centree) {
        e.ScaleWidth(w);
        e.ScaleHeight(-h);
        e.ScaleTop(h / 2);
        e.ScaleLeft(-w / 2);
    } else {
        e.ScaleWidth(w);
        e.ScaleHeight(h);
    }
}

void terminer(BoitePicture& e) {
    e.figer_image();
    rendre_transparent(&e);
}

// The icon of a drawn kind again, at the element's angle.
void redessiner_icone(BoitePicture& e, const TypeElement& t, int i, bool centree) {
    preparer(e, est(t, "lampe"), centree);
    dessiner_icone(t, e, t.angles->valeur(i));
    terminer(e);
}

// The ellipse inscribed 5 pixels inside the box, which become its stored corners.
void redessiner_cercle(BoitePicture& e, int i) {
    preparer(e, true, true);
    x1_cercle[i] = 5;
    y1_cercle[i] = 5;
    x2_cercle[i] = float(e.ScaleWidth() - 5);
    y2_cercle[i] = float(-e.ScaleHeight() - 5);
    dessin_cercle(e, style_cercle.valeur(i), epaisseur_cercle.valeur(i), couleur_cercle.valeur(i),
                  remplissage_cercle.valeur(i), x1_cercle[i], y1_cercle[i], x2_cercle[i], y2_cercle[i]);
    terminer(e);
}

// A sun, earth or moon: its palette item's picture stretched over the whole element.
void etirer_astre(BoitePicture& e, const TypeElement& t) {
    const BoitePicture* modele = Fenetre::obtenir<fenetre_dessin_optique>()->tableau(t.nom)->element(0);
    e.ScaleMode(3);
    const auto entier = [](double v) { return int(std::nearbyint(v)); };
    dessin::copie_etiree(e, QRect(0, 0, entier(e.Width()), entier(e.Height())), modele->rendu(),
                         QRect(0, 0, entier(modele->Width()), entier(modele->Height())));
    rendre_transparent(&e);
}

bool taille_refusee(const BoitePicture& e, double fx, double fy) {
    const double w = std::abs(e.Width() * fx);
    const double h = std::abs(e.Height() * fy);
    return !std::isfinite(fx) || !std::isfinite(fy) || fx == 0 || fy == 0 || e.Width() == 0 || e.Height() == 0 ||
           w > LIMITE_COTE || h > LIMITE_COTE;
}
}

void rendre_opaque(BoitePicture* image) {
    image->definir_bordure(false);
    image->ScaleMode(3);
    image->clearMask();
    image->repaint();
}

void redessiner_a_son_angle(BoitePicture* element, const TypeElement& type, int index) {
    redessiner_icone(*element, type, index, est(type, "lampe"));
}

void tourner_objet(float& delta) {
    const TypeElement* t = type_element(type_selection);
    BoitePicture* e = element_selectionne();
    if (!t || !t->angles || !e) return;
    (*t->angles)[index_selection] += delta;
    redessiner_a_son_angle(e, *t, index_selection);
}

void redimensionner_objet(float fx, float fy) {
    const TypeElement* t = type_redimensionnable();
    BoitePicture* e = t ? element_selectionne() : nullptr;
    if (t && !e) return;
    deselectionner();
    if (!t) return;
    if (taille_refusee(*e, fx, fy)) {
        selectionner_objet(e);
        return;
    }
    e->Cls();
    e->Width(float(std::abs(e->Width() * double(fx))));
    e->Height(float(std::abs(e->Height() * double(fy))));
    e->Left(float(e->Left() + (1 / (2 * double(fx)) - 0.5) * e->Width()));
    e->Top(float(e->Top() + (1 / (2 * double(fy)) - 0.5) * e->Height()));
    if (t->angles)
        redessiner_icone(*e, *t, index_selection, !est(*t, "bouledemi"));
    else if (est_astre(*t))
        etirer_astre(*e, *t);
    else
        redessiner_cercle(*e, index_selection);
    selectionner_objet(e);
}

void redimensionner_par_ergot(float& x, float& y) {
    fenetre_dessin_optique* f = Fenetre::obtenir<fenetre_dessin_optique>();
    BoitePicture* ergot = f->ergot;
    if (ergot->parentWidget() != f->cadre_optique) ergot->setParent(f->cadre_optique);
    x_depot = std::floor(x - x_depart.toFloat());
    y_depot = std::floor(y - y_depart.toFloat());
    ergot->Left(x_depot.toDouble());
    ergot->Top(y_depot);
    ergot->show();
    if (!type_redimensionnable()) return;
    BoitePicture* e = element_selectionne();
    if (!e || e != element_de_l_ergot()) {
        deselectionner();
        return;
    }
    const double l = e->Left(), t = e->Top(), w = e->ScaleWidth(), h = e->ScaleHeight();
    if (w == 0 || h == 0) {
        deselectionner();
        selectionner_objet(e);
        return;
    }
    facteur_x = float((w + (x_depot.toDouble() - (l + w))) / w);
    facteur_y = float((t + h - y_depot) / h);
    redimensionner_objet(facteur_x, facteur_y);
}
