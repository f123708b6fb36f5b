#include "circuit/effacement.h"

#include "circuit/etat_circuit.h"
#include "circuit/fenetre_dessin.h"
#include "platform/messages.h"

namespace {
constexpr double hors_feuille = -5000;  // pixels of the drawing area, left of and above it

// The tool buttons a clearing releases: the symbol families and the wire, the selection, the text.
constexpr int boutons_relaches[] = {19, 20, 21, 22, 23, 24, 25, 27, 30};

void relacher_outils(fenetre_dessin& f) {
    for (int b : boutons_relaches) f.relacher(b);
    f.Cadre->MouseIcon(QImage());
    f.Cadre->MousePointer(0);
}

// Every loaded element off the sheet, element 0 (the palette item or the template) put back
// exactly where it was.
template <class T>
void ecarter(const TableauControles<T>& tableau) {
    T* modele = tableau.element(0);
    const double haut = modele->Top();
    const double gauche = modele->Left();
    for (auto [i, e] : tableau.elements()) {
        e->Left(hors_feuille);
        e->Top(hors_feuille);
    }
    modele->Top(haut);
    modele->Left(gauche);
}

void effacer(fenetre_dessin& f) {
    for (int k : ordre_effacement) ecarter(f.symboles[std::size_t(k)]);
    const int dernier = nb_textes_ajoutes;
    for (int i = 1; i <= dernier; ++i)
        if (EtiquetteSansFenetre* e = f.Texte_ajout.element(i)) e->Caption(QString());
    ecarter(f.traitap);
    ecarter(f.traitav);
    LigneSansFenetre* modele = f.fil.element(0);
    const QLineF depart(modele->X1(), modele->Y1(), modele->X2(), modele->Y2());
    for (auto [i, l] : f.fil.elements()) {
        l->X1(hors_feuille);
        l->Y1(hors_feuille);
        l->X2(hors_feuille);
        l->Y2(hors_feuille);
    }
    modele->X1(depart.x1());
    modele->Y1(depart.y1());
    modele->X2(depart.x2());
    modele->Y2(depart.y2());
}
}

void initialiser_schema() {
    fenetre_dessin& f = *Fenetre::obtenir<fenetre_dessin>();
    relacher_outils(f);
    effacer(f);
}

void effacer_schema() {
    fenetre_dessin& f = *Fenetre::obtenir<fenetre_dessin>();
    relacher_outils(f);
    if (MsgBox(QStringLiteral("Initialisation: Voulez-vous tout effacer?"), vb::vbYesNo | vb::vbDefaultButton2) !=
        vb::vbYes)
        return;
    effacer(f);
}
