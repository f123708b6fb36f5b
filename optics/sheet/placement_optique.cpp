// Placing elements on the optics sheet: the presses that select an element and begin its drag,
// the drops that create an element from a palette item, move a placed one or end a drag of the
// resize handle, and the click on the bare area that clears the frame.
#include "circuit/etat_circuit.h"
#include "optics/editing/ergots.h"
#include "optics/editing/selection.h"
#include "optics/editing/transformation.h"
#include "optics/menus/fenetre_dessin_optique_menu.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/glisser.h"
#include "platform/transparence.h"

#include <cmath>

namespace {
// The drop rule: the control's new corner in whole pixels, the grab point kept under the
// pointer. Kept in x_depot, y_depot.
void prendre_depot(float x, float y) {
    x_depot = std::floor(x - x_depart.toFloat());
    y_depot = std::floor(y - y_depart.toFloat());
}

void poser_sur(BoitePicture* element, QWidget* aire, double gauche, double haut) {
    if (element->parentWidget() != aire) element->setParent(aire);
    element->Left(gauche);
    element->Top(haut);
    element->show();
}
}

void sans_fond_propre(BoitePicture* element) {
    // Its drawing covers the whole box and its white is cut out: a background would show nowhere,
    // and a box that paints one hides what lies beneath, which every repaint of the area then cuts
    // out region by region (with 1200 items the area took 15 times longer to repaint).
    element->setAutoFillBackground(false);
}

void fenetre_dessin_optique::brancher_placement() {
    for (const TypeElement& t : types_elements()) {
        if (!element_encadre(t)) continue;
        const QString type = QString::fromUtf8(t.nom);
        brancher_element(type, tableau(type)->element(0));
    }
    connect(cadre_optique, &BoitePicture::clic, this, &fenetre_dessin_optique::cadre_optique_Click);
    glisser::DragDrop(cadre_optique, [this](QObject* source, float x, float y) { cadre_optique_DragDrop(source, x, y); });
    connect(ergot, &BoitePicture::MouseDown, this, &fenetre_dessin_optique::ergot_MouseDown);
    // A handle drag is over at its release, whether a drop took it or not.
    glisser::fin_du_glisser(ergot, [](bool) { glisse_ergot = false; });
}

void fenetre_dessin_optique::brancher_element(const QString& type, BoitePicture* element) {
    TableauControles<BoitePicture>* a = tableau(type);
    connect(element, &BoitePicture::MouseDown, this, [this, a, element, type](int bouton, int touches, float x, float y) {
        element_MouseDown(type, a->index_de(element), bouton, touches, x, y);
    });
    glisser::DragDrop(element, [this, a, element, type](QObject* source, float x, float y) {
        element_DragDrop(type, a->index_de(element), source, x, y);
    });
    glisser::DragOver(element, [this, a, element, type](QObject* source, float x, float y, int etat) {
        element_DragOver(type, a->index_de(element), source, x, y, etat);
    });
}

BoitePicture* fenetre_dessin_optique::charger_element(const QString& type, int n) {
    const TypeElement* t = type_element(type);
    if (!t || !element_encadre(*t)) return nullptr;
    TableauControles<BoitePicture>* a = tableau(type);
    BoitePicture* element = a->Load(n);
    if (!element) return nullptr;
    sans_fond_propre(element);
    glisser::copier_reglages(a->element(0), element);
    brancher_element(type, element);
    return element;
}

void fenetre_dessin_optique::element_MouseDown(const QString& type, int Index, int Button, int, float X, float Y) {
    BoitePicture* element = tableau(type)->element(Index);
    type_selection = type;
    index_selection = std::int16_t(Index);
    glisse_ergot = false;
    glisse_ergot_rayon = false;
    glisse_ergot_trait = false;
    glisse_texte = false;
    ergot1->hide();
    ergot2->hide();
    if (Button != 2) {
        // The grab point in the element's pixels, whatever scale its drawing left it in.
        const QPointF prise = element->echelle_vers_pixels(QPointF(X, Y));
        x_depart = float(prise.x());
        y_depart = float(prise.y());
        glisser::Drag(element);
        if (Index != 0) selectionner_objet(element);
    } else if (Index != 0) {
        selectionner_objet(element);
        ouvrir_menu_optique(menu_flottant_element(type, Index));
    }
}

void fenetre_dessin_optique::cadre_optique_Click() {
    deselectionner();
    ergot1->hide();
    ergot2->hide();
}

void fenetre_dessin_optique::ergot_MouseDown(int, int, float X, float Y) {
    glisse_texte = false;
    glisse_ergot = true;
    reprendre_element_de_l_ergot();
    x_depart = X;
    y_depart = Y;
    glisser::Drag(ergot);
}

void fenetre_dessin_optique::cadre_optique_DragDrop(QObject* Source, float X, float Y) {
    deselectionner();
    if (note_deposee_sur_l_aire(Source, X, Y)) return;
    if (glisse_ergot) {
        if (Source != ergot) return;
        redimensionner_par_ergot(X, Y);
        glisse_ergot = false;
        return;
    }
    if (depot_ergot(X, Y)) return;
    // A palette item of the pressed kind is created, a placed element, ray, line or ellipse of
    // that kind moved.
    const TypeElement* t = type_element(type_selection);
    TableauControles<BoitePicture>* a = tableau(type_selection);
    const int i = a ? a->index_de(Source) : -1;
    if (!t || i < 0 || (i == 0 && !t->palette)) return;
    BoitePicture* element = a->element(i);
    if (i == 0) {
        if (!creation_possible(*t->compteur)) return;
        const std::int16_t n = std::int16_t(*t->compteur + 1);
        *t->compteur = n;
        index_selection = n;
        element = charger_element(type_selection, n);
        if (!element) return;
        if (t->couleurs) (*t->couleurs)[n] = t->couleur_defaut;
        if (t->angles) (*t->angles)[n] = 0;
    }
    prendre_depot(X, Y);
    poser_sur(element, cadre_optique, x_depot.toDouble(), y_depot);
    rendre_transparent(element);
    if (const GenreSegment* genre = genre_segment(type_selection))
        placer_ergots(*genre, genre->direction->valeur(index_selection));
    else
        selectionner_objet(element);
}

void fenetre_dessin_optique::element_DragDrop(const QString& type, int Index, QObject* Source, float X, float Y) {
    BoitePicture* cible = tableau(type)->element(Index);
    if (note_deposee_sur_element(cible, Index, Source, X, Y)) return;
    if (glisse_ergot) {
        // A palette item takes no handle: the release is as over a control without drop.
        if (Index == 0 || Source != ergot) return;
        float x = float(cible->Left() + X);
        float y = float(cible->Top() + Y);
        redimensionner_par_ergot(x, y);
        glisse_ergot = false;
        return;
    }
    // A pin is dropped as on the area at the same point; a palette item is not on the area, and
    // the pin drag ends there undone.
    if (glisse_ergot_rayon || glisse_ergot_trait) {
        if (Index != 0) depot_ergot(float(cible->Left() + X), float(cible->Top() + Y));
        return;
    }
    // Only a placed element, ray, line or ellipse moves here; a palette item, over an element or
    // under one, does nothing.
    QString nom;
    int i = -1;
    for (const TypeElement& t : types_elements()) {
        if (i >= 0) break;
        nom = QString::fromUtf8(t.nom);
        i = tableau(nom)->index_de(Source);
    }
    if (i <= 0 || Index == 0) return;
    BoitePicture* element = tableau(nom)->element(i);
    prendre_depot(X, Y);
    poser_sur(element, cadre_optique, cible->Left() + x_depot.toDouble(), cible->Top() + y_depot);
    // The moved stroke shows its selection as after a move on the bare area.
    if (const GenreSegment* genre = genre_segment(nom)) {
        placer_ergots(*genre, genre->direction->valeur(index_selection));
        return;
    }
    if (nom == type) rendre_transparent(element);
    selectionner_objet(element);
}
