#include "optics/menus/commandes_optique.h"

#include "optics/drawing/traces.h"
#include "optics/editing/ergots.h"
#include "optics/editing/selection.h"
#include "optics/editing/transformation.h"
#include "optics/menus/angle_rotation.h"
#include "optics/menus/fenetre_dessin_optique_menu.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/transparence.h"

#include <array>

namespace {
// The pop-ups by their place in the menu bar.
enum MenuFlottant { M_LAMPE, M_ECRAN_CUBE_FILTRE, M_ECRAN_COUPE, M_TRAITS, M_FIXES, M_CERCLE, M_ASTRES };

// What the commands of each pop-up act on. With `test`, the selected kind must be one of the
// kinds listed, compared in this order; without, the command takes item index_selection of the
// one kind listed, whatever the selected kind (only that kind opens the pop-up).
struct CiblesMenu {
    bool test;
    std::array<const char*, 7> types;
};
const std::array<CiblesMenu, 7> CIBLES = {{
    {false, {"lampe"}},
    {true, {"ecran", "cube", "filtre", "filtre_coupe"}},
    {false, {"ecran_coupe"}},
    {true, {"rayon", "trait"}},
    {true, {"ecran_perce1_coupe", "ecran_perce2_coupe", "oeil", "ecran_perce1", "ecran_perce2", "laser", "bouledemi"}},
    {false, {"cercle"}},
    {true, {"soleil", "terre", "lune"}},
}};

struct Cible {
    fenetre_dessin_optique* feuille = nullptr;  // nullptr: the sheet is closed
    const TypeElement* type = nullptr;          // nullptr: a kind that the pop-up does not serve
    BoitePicture* element = nullptr;            // nullptr: no placed element there
    int index = 0;
};

// The element a command of pop-up k acts on. A template (index 0) or an index never loaded is
// no element: the command then leaves everything as it was.
Cible cible(int k) {
    Cible c;
    c.feuille = Fenetre::si_chargee<fenetre_dessin_optique>();
    if (!c.feuille || k < 0 || k >= int(CIBLES.size())) return c;
    for (const char* nom : CIBLES[std::size_t(k)].types) {
        if (!nom) break;
        if (CIBLES[std::size_t(k)].test && type_selection != QLatin1String(nom)) continue;
        c.type = type_element(QString::fromLatin1(nom));
        break;
    }
    c.index = index_selection;
    if (c.type && c.index > 0) c.element = c.feuille->tableau(QString::fromUtf8(c.type->nom))->element(c.index);
    return c;
}

std::uint32_t couleur_de(const LigneMenuOptique& item) { return std::uint32_t(item.valeur); }
std::int16_t entier_de(const LigneMenuOptique& item) { return std::int16_t(item.valeur); }

// --- Every pop-up but the text notes'

void effacer(const LigneMenuOptique&, int k) {
    const Cible c = cible(k);
    if (!c.feuille) return;
    if (k == M_TRAITS) {
        // The frame is already hidden while a stroke is selected; its pins go.
        if (!c.element) return;
        c.feuille->ergot1->hide();
        c.feuille->ergot2->hide();
        c.element->Left(GAUCHE_ELEMENT_EFFACE);
        return;
    }
    // A multi-kind item given a kind of another pop-up only takes the frame away.
    if (!c.type) {
        deselectionner();
        return;
    }
    if (!c.element) return;
    deselectionner();
    c.element->Left(GAUCHE_ELEMENT_EFFACE);
}

void taille(const LigneMenuOptique& item, int) {
    if (!Fenetre::si_chargee<fenetre_dessin_optique>()) return;
    const float facteur = float(item.valeur);
    redimensionner_objet(facteur, facteur);
}

void tourner(float angle) {
    if (!Fenetre::si_chargee<fenetre_dessin_optique>()) return;
    tourner_objet(angle);
}

void rotation(const LigneMenuOptique& item, int) { tourner(float(item.valeur)); }

// The angle window's "OK". The window stays open while the pupil works on, and a stroke begun
// meanwhile gives the selection its own number under the kind pressed last, which can name
// another element of that kind: the turn goes only to the element framed last, while the
// selection still names it.
void tourner_l_element_encadre(float angle) {
    if (!Fenetre::si_chargee<fenetre_dessin_optique>() || element_selectionne() != element_de_l_ergot()) return;
    tourner(angle);
}

void autre_angle(const LigneMenuOptique&, int) {
    fenetre_dessin_optique* feuille = Fenetre::si_chargee<fenetre_dessin_optique>();
    if (!feuille) return;
    montrer_angle_rotation();
    // The window goes with the sheet; until then its "OK" finds no sheet and turns nothing.
    QObject::connect(feuille, &QObject::destroyed, Fenetre::obtenir<angle_rotation>(), &Fenetre::Unload,
                     Qt::UniqueConnection);
}

// The lamp's light: drawn afresh at the lamp's angle, as a turn by 0 does.
void lumiere_lampe(const LigneMenuOptique& item, int) {
    const Cible c = cible(M_LAMPE);
    if (!c.element) return;
    couleur_lampe[c.index] = couleur_de(item);
    redessiner_a_son_angle(c.element, *c.type, c.index);
}

// A screen, cube, filter or edge-on screen: its icon drawn again over its stored picture at its
// angle and size, the new colour covering the old; the white is not cut out again.
void couleur_element(const LigneMenuOptique& item, int k) {
    const Cible c = cible(k);
    if (!c.element) return;
    (*c.type->couleurs)[c.index] = couleur_de(item);
    dessiner_icone(*c.type, *c.element, c.type->angles->valeur(c.index));
    c.element->figer_image();
}

// Stacking among the area's elements; the handle and the pins stay in front, the notes behind.
void plan(const LigneMenuOptique& item, int k) {
    const Cible c = cible(k);
    if (!c.element) return;
    if (item.valeur == 0)
        c.element->raise();
    else
        c.element->lower();
    for (BoitePicture* aide : {c.feuille->ergot, c.feuille->ergot1, c.feuille->ergot2}) aide->raise();
}

// --- Rays and lines

// The selected ray or line drawn again from its stored ends with that pen; its box, its place
// and its pins stay. The new current value of its kind comes first, its own entry last.
void retracer(const LigneMenuOptique& item, bool largeur) {
    const Cible c = cible(M_TRAITS);
    if (!c.element) return;
    const GenreSegment& t = *genre_segment(QString::fromUtf8(c.type->nom));
    const int i = c.index;
    const std::int16_t epaisseur = largeur ? entier_de(item) : t.epaisseur->valeur(i);
    const std::uint32_t couleur = largeur ? t.couleur->valeur(i) : couleur_de(item);
    if (largeur)
        *t.epaisseur_courante = epaisseur;
    else
        *t.couleur_courante = couleur;
    c.element->Cls();
    t.dessin(*c.element, epaisseur, couleur, t.x1->valeur(i), t.y1->valeur(i), t.x2->valeur(i), t.y2->valeur(i));
    rendre_transparent(c.element);
    if (largeur)
        (*t.epaisseur)[i] = epaisseur;
    else
        (*t.couleur)[i] = couleur;
}

void epaisseur_trace(const LigneMenuOptique& item, int) { retracer(item, true); }
void couleur_trace(const LigneMenuOptique& item, int) { retracer(item, false); }

// --- Ellipses

// One attribute of the ellipse and the next ellipse's, then the ellipse drawn again in an empty
// box from its stored attributes and rectangle, its white cut out, the frame around it again.
template <class T, class C>
void changer_cercle(T& courant, TableOptique<C>& table, T valeur) {
    const Cible c = cible(M_CERCLE);
    if (!c.element) return;
    const int i = c.index;
    courant = valeur;
    table[i] = C(valeur);
    BoitePicture* e = c.element;
    e->effacer_image();
    e->Cls();
    rendre_opaque(e);
    dessin_cercle(*e, style_cercle.valeur(i), epaisseur_cercle.valeur(i), couleur_cercle.valeur(i),
                  remplissage_cercle.valeur(i), x1_cercle.valeur(i), y1_cercle.valeur(i), x2_cercle.valeur(i),
                  y2_cercle.valeur(i));
    e->figer_image();
    rendre_transparent(e);
    selectionner_objet(e);
}

void epaisseur_cercle_(const LigneMenuOptique& item, int) {
    changer_cercle(epaisseur_cercle_courante, epaisseur_cercle, entier_de(item));
}
void style_cercle_(const LigneMenuOptique& item, int) {
    changer_cercle(style_cercle_courant, style_cercle, std::int32_t(item.valeur));
}
void couleur_cercle_(const LigneMenuOptique& item, int) {
    changer_cercle(couleur_cercle_courante, couleur_cercle, couleur_de(item));
}
void remplissage_cercle_(const LigneMenuOptique& item, int) {
    changer_cercle(remplissage_cercle_courant, remplissage_cercle, couleur_de(item));
}
}

void enregistrer_commandes_optique() {
    using F = FamilleCommande;
    const struct {
        F famille;
        void (*routine)(const LigneMenuOptique&, int);
    } routines[] = {
        {F::effacer, effacer},
        {F::taille, taille},
        {F::rotation, rotation},
        {F::autre_angle, autre_angle},
        {F::lumiere_lampe, lumiere_lampe},
        {F::couleur_element, couleur_element},
        {F::couleur_ecran_coupe, couleur_element},
        {F::epaisseur_trace, epaisseur_trace},
        {F::couleur_trace, couleur_trace},
        {F::epaisseur_cercle, epaisseur_cercle_},
        {F::style_cercle, style_cercle_},
        {F::couleur_cercle, couleur_cercle_},
        {F::remplissage_cercle, remplissage_cercle_},
        {F::plan, plan},
    };
    for (const auto& r : routines) fenetre_dessin_optique_menu::definir_commande(r.famille, r.routine);
    angle_rotation::definir_rotation(tourner_l_element_encadre);
}
