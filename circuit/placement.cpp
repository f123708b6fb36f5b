// Symbols onto the sheet: the press on a symbol, the drops on the sheet and on a placed
// symbol, and the lead layout.
#include "circuit/etat_circuit.h"
#include "circuit/fenetre_dessin.h"
#include "platform/glisser.h"
#include "platform/pointeurs.h"
#include "platform/transparence.h"

#include <cmath>
#include <limits>

namespace {
constexpr int GRILLE = 8;           // pixels between the sheet's grid lines
constexpr int POINTEUR_SYMBOLE = 5;  // the window's pointer while the mouse is over a symbol
constexpr int BOUTON_DROIT = 2;

double sur_grille(double v, int pas) { return std::floor(v / pas) * pas; }

// The kind of a code of type_composant (1 to 18); none: -1.
int type_du_code(const QVariant& code) {
    const int c = code.toInt();
    for (std::size_t k = 0; k < types_composants.size(); ++k)
        if (types_composants[k].code_depot == c) return int(k);
    return -1;
}
}

QString fichier_symbole(const TypeComposant& type) {
    QString nom = QString::fromUtf8(type.tableau);
    if (nom == QLatin1String("Lampe2")) return QStringLiteral("Lampe1");
    return nom.replace(QChar(0xE9), QLatin1Char('e'));
}

void fenetre_dessin::preparer_palettes() {
    const QImage image_icone = icone->Picture();
    for (std::size_t k = 0; k < types_composants.size(); ++k) {
        BoitePicture* b = symboles[k].element(0);
        b->ScaleMode(3);
        b->definir_image(images_noires[k]);
        glisser::DragMode(b, glisser::manuel);
        glisser::DragIcon(b, image_icone);
        brancher_symbole(k, 0);
    }
    glisser::declarer_etiquettes(Cadre);
    glisser::DragDrop(Cadre, [this](QObject* s, float x, float y) { Cadre_DragDrop(s, x, y); });
    glisser::DragOver(Cadre, [this](QObject* s, float x, float y, int etat) { Cadre_DragOver(s, x, y, etat); });
}

void fenetre_dessin::brancher_symbole(std::size_t k, int i) {
    BoitePicture* b = symboles[k].element(i);
    connect(b, &BoitePicture::MouseDown, this,
            [this, k, i](int bouton, int, float x, float y) { symbole_MouseDown(k, i, bouton, x, y); });
    connect(b, &BoitePicture::DblClick, this, [this, k, i] { symbole_DblClick(k, i); });
    connect(b, &BoitePicture::MouseMove, this, &fenetre_dessin::pointeur_symbole);
    glisser::DragDrop(b, [this, k, i](QObject* s, float x, float y) { symbole_DragDrop(k, i, s, x, y); });
}

void fenetre_dessin::symbole_MouseDown(std::size_t k, int Index, int Button, float X, float Y) {
    const TypeComposant& t = types_composants[k];
    deplacement_texte = 0;
    if (Button == BOUTON_DROIT) {
        symbole_DblClick(k, Index);
        return;
    }
    type_composant = t.code_depot;
    x_depart = X;
    y_depart = Y;
    if (BoitePicture* b = symboles[k].element(Index)) glisser::Drag(b, glisser::commencer);
}

void fenetre_dessin::poser_texte(int i, double gauche, double haut) {
    deplacement_texte = 0;
    EtiquetteSansFenetre* e = Texte_ajout.element(i);
    if (!e) return;
    if (i != 0) {
        x_depot = float(std::floor(gauche));
        y_depot = float(std::floor(haut));
        e->Move(x_depot.toDouble(), double(y_depot), e->Width(), e->Height());
        e->Visible(true);
        e->ZOrder(0);
        Savoir->update();
    }
    glisser::DragMode(e, glisser::manuel);
}

void fenetre_dessin::Cadre_DragDrop(QObject* Source, float X, float Y) {
    // A label is always placed as a label, whatever the arming flag holds.
    if (const int i = Texte_ajout.index_de(Source); i >= 0 || deplacement_texte) {
        poser_texte(i, X - x_depart.toFloat(), Y - y_depart.toFloat());
        return;
    }
    const int k = type_du_code(type_composant);
    if (k < 0) return;
    TableauControles<BoitePicture>& tableau = symboles[std::size_t(k)];
    int n = -1;
    for (const auto& s : symboles)
        if (const int i = s.index_de(Source); i >= 0) n = i;
    if (n < 0) return;
    if (n == 0) {
        // A new symbol and its two leads, at the next index; none past the last index there is.
        const int suivant = nb_composants.toInt() + 1;
        if (suivant > std::numeric_limits<std::int16_t>::max()) return;
        nb_composants = suivant;
        n = suivant;
        BoitePicture* nouveau = tableau.Load(n);
        if (!nouveau) return;
        glisser::copier_reglages(tableau.element(0), nouveau);
        brancher_symbole(std::size_t(k), n);
        traitap.Load(n);
        traitav.Load(n);
    }
    BoitePicture* s = tableau.element(n);
    if (!s) return;
    if (s->parentWidget() != Cadre) s->setParent(Cadre);
    x_depot = float(sur_grille(X - x_depart.toFloat(), GRILLE));
    y_depot = float(sur_grille(Y - y_depart.toFloat(), GRILLE));
    s->move(x_depot.toInt(), int(y_depot));
    s->show();
    poser_traits(std::size_t(k), n, x_depot.toDouble(), double(y_depot));
    rendre_transparent(s);
}

void fenetre_dessin::poser_traits(std::size_t k, int i, double L, double T) {
    const DispositionTraits& d = disposition_traits[k];
    auto poser = [L, T](FormeSansFenetre* f, const TraitPose& p, bool devant) {
        if (!f) return;
        f->Move(L + p.dx, T + p.dy, p.largeur, p.hauteur > 0 ? p.hauteur : f->Height());
        if (devant) f->ZOrder(0);
        f->Visible(true);
    };
    poser(traitap.element(i), d.traitap, d.devant == Devant::traitap);
    poser(traitav.element(i), d.traitav, d.devant == Devant::traitav);
}

void fenetre_dessin::Cadre_DragOver(QObject* Source, float, float, int State) {
    if (State == glisser::entree)
        glisser::DragIcon(Source, QImage());
    else if (State == glisser::sortie)
        glisser::DragIcon(Source, icone->Picture());
}

void fenetre_dessin::symbole_DragDrop(std::size_t k, int Index, QObject* Source, float X, float Y) {
    if (pointeurs::valeur(this) == POINTEUR_SYMBOLE || Index == 0) return;
    const int i = Texte_ajout.index_de(Source);
    if (i < 0) return;  // a symbol is placed only over the bare grid
    const BoitePicture* cible = symboles[k].element(Index);
    poser_texte(i, cible->Left() + X - x_depart.toFloat(), cible->Top() + Y - y_depart.toFloat());
}
