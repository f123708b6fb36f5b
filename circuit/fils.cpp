// Wires on the sheet: drawn on the grid behind a dotted rubber band, the last one taken back by
// a right press, and selected by a dotted rectangle, each enclosed wire handed in turn to its
// dialog while the release waits.
#include "circuit/etat_circuit.h"
#include "circuit/fenetre_dessin.h"
#include "circuit/param_fil.h"
#include "frame/options_dialogues.h"
#include "platform/messages.h"

#include <QCoreApplication>
#include <QPointer>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
constexpr int GRILLE = 8;  // pixels between grid lines
constexpr int BOUTON_DROIT = 2;
constexpr int POINTEUR_DEFAUT = 0;
constexpr int POINTEUR_CROIX = 2;
constexpr std::uint32_t ROUGE = 255;
constexpr int DERNIER_INDICE = std::numeric_limits<std::int16_t>::max();
// The buttons of the symbol families and of the wire.
constexpr int boutons_groupe[] = {19, 20, 21, 22, 23, 24, 25};

float sur_grille(float v) { return std::floor(v / GRILLE) * GRILLE; }

// A value kept in a 16-bit integer: a whole number, halves to the even neighbour.
float entier_16(float v) {
    const float arrondi = std::nearbyint(v);
    return std::clamp(arrondi, float(std::numeric_limits<std::int16_t>::min()), float(DERNIER_INDICE));
}

// Both ends strictly inside the rectangle: an end on an edge does not count.
bool dedans(double v, float bas, float haut) { return bas < v && v < haut; }
}

void fenetre_dessin::brancher_Cadre() {
    connect(Cadre, &BoitePicture::MouseDown, this, &fenetre_dessin::Cadre_MouseDown);
    connect(Cadre, &BoitePicture::MouseMove, this, &fenetre_dessin::Cadre_MouseMove);
    connect(Cadre, &BoitePicture::MouseUp, this, &fenetre_dessin::Cadre_MouseUp);
}

void fenetre_dessin::poser_cotes(int k, const std::array<QLineF, 4>& cotes) {
    for (int c = 1; c <= 4; ++c) {
        LigneSansFenetre* l = fil_selection[std::size_t(c)].element(k);
        if (!l) continue;
        const QLineF& s = cotes[std::size_t(c - 1)];
        l->X1(s.x1());
        l->Y1(s.y1());
        l->X2(s.x2());
        l->Y2(s.y2());
    }
}

void fenetre_dessin::montrer_cotes(int k, bool oui) {
    for (int c = 1; c <= 4; ++c)
        if (LigneSansFenetre* l = fil_selection[std::size_t(c)].element(k)) l->Visible(oui);
}

void fenetre_dessin::poser_rectangle(float X, float Y) {
    const float xd = x_depart.toFloat(), yd = y_depart.toFloat();
    poser_cotes(nb_selections, {QLineF(xd, yd, xd, Y), QLineF(xd, yd, X, yd), QLineF(xd, Y, X, Y), QLineF(X, yd, X, Y)});
    montrer_cotes(nb_selections, true);
}

void fenetre_dessin::Cadre_MouseDown(int Button, int Shift, float X, float Y) {
    if (Button == BOUTON_DROIT && nb_fils > 0) {
        QPointer<fenetre_dessin> moi(this);
        const int reponse = MsgBox(QStringLiteral("Voulez-vous supprimer le dernier fil tracé?"),
                                   vb::vbYesNo | vb::vbDefaultButton2, QStringLiteral("Attention"));
        if (!moi || !vivante()) return;
        if (reponse == vb::vbYes && defaire_dernier_fil()) return;
        // The question's box took the button's release: the press ends as a click there.
        debut_outil(X, Y);
        Cadre_MouseUp(Button, Shift, X, Y);
        return;
    }
    debut_outil(X, Y);
}

bool fenetre_dessin::defaire_dernier_fil() {
    const int dernier = fil.UBound();
    // Only the template left (the window was opened again): nothing is taken back.
    if (dernier <= 0) return false;
    fil.Unload(dernier);
    fil_virtuel.Unload(fil_virtuel.UBound());
    --nb_fils;
    for (int b : boutons_groupe) relacher(b);
    outil_fil = false;
    outil_selection = 0;
    trace_fil = false;
    trace_selection = 0;
    Cadre->MouseIcon(QImage());
    Cadre->MousePointer(POINTEUR_DEFAUT);
    return true;
}

void fenetre_dessin::debut_outil(float X, float Y) {
    if (outil_fil.toBool()) {
        // The next index above the last wire that no wire holds (a wire deleted below the
        // last one leaves the last one in place).
        int n = nb_fils + 1;
        while (n <= DERNIER_INDICE && fil.existe(n)) ++n;
        if (n > DERNIER_INDICE) return;
        MousePointer(POINTEUR_CROIX);
        nb_fils = n;
        fil.Load(n);
        fil_virtuel.Load(n);
        trace_fil = true;
        x_depart = sur_grille(X);
        y_depart = sur_grille(Y);
    } else if (outil_selection) {
        // One search at a time: the dialog of a wire still waits.
        if (attente_param_fil_ || nb_selections >= DERNIER_INDICE) return;
        const int k = ++nb_selections;
        for (int c = 1; c <= 4; ++c) fil_selection[std::size_t(c)].Load(k);
        montrer_cotes(k, true);
        trace_selection = -1;
        x_depart = X;
        y_depart = Y;
    }
}

void fenetre_dessin::Cadre_MouseMove(int, int, float X, float Y) {
    MousePointer(POINTEUR_DEFAUT);
    if (Value(19) || Value(20)) MousePointer(POINTEUR_CROIX);
    if (trace_fil) {
        if (LigneSansFenetre* l = fil_virtuel.element(nb_fils)) {
            l->X1(x_depart.toDouble());
            l->Y1(y_depart.toDouble());
            l->X2(sur_grille(X));
            l->Y2(sur_grille(Y));
            l->Visible(true);
        }
    } else if (outil_selection && trace_selection) {
        poser_rectangle(X, Y);
    }
}

void fenetre_dessin::Cadre_MouseUp(int, int, float X, float Y) {
    if (outil_fil.toBool()) {
        const int n = nb_fils;
        // A wire deleted in its dialog may be the one nb_fils names: nothing to commit then.
        if (LigneSansFenetre* l = n > 0 ? fil.element(n) : nullptr) {
            if (LigneSansFenetre* v = fil_virtuel.element(n)) v->Visible(false);
            l->X1(x_depart.toDouble());
            l->Y1(y_depart.toDouble());
            l->X2(sur_grille(X));
            l->Y2(sur_grille(Y));
            l->Visible(true);
            l->BorderColor(couleur_fil_defaut);
            l->BorderWidth(int(std::nearbyint(epaisseur_fil_defaut)));
            l->BorderStyle(style_fil_defaut);
        }
    } else if (outil_selection) {
        if (!selectionner_fils(X, Y)) return;
    } else {
        montrer_cotes(nb_selections, false);
    }
    trace_fil = false;
    trace_selection = 0;
}

bool fenetre_dessin::selectionner_fils(float X, float Y) {
    const int k = nb_selections;
    poser_rectangle(X, Y);
    float xd = x_depart.toFloat(), yd = y_depart.toFloat();
    float xf = X, yf = Y;
    if (!(xf > xd)) {
        const float t = xd;
        xd = xf;
        xf = entier_16(t);
    }
    if (!(yf > yd)) {
        const float t = yd;
        yd = yf;
        yf = entier_16(t);
    }
    x_depart = xd;
    y_depart = yd;
    x_fin = xf;
    y_fin = yf;

    // The wires by ascending index, each step asking afresh for the next one: a dialog may
    // delete its wire, and a clearing may move the others, while the search waits.
    for (int i = fil.suivant(0); i > 0; i = fil.suivant(i)) {
        LigneSansFenetre* objet_trait = fil.element(i);
        const bool entoure = dedans(objet_trait->X1(), xd, xf) && dedans(objet_trait->X2(), xd, xf) &&
                             dedans(objet_trait->Y1(), yd, yf) && dedans(objet_trait->Y2(), yd, yf);
        if (!entoure) {
            montrer_cotes(k, false);
            continue;
        }
        const double x_min = std::min(objet_trait->X1(), objet_trait->X2());
        const double x_max = std::max(objet_trait->X1(), objet_trait->X2());
        const double y_min = std::min(objet_trait->Y1(), objet_trait->Y2());
        const double y_max = std::max(objet_trait->Y1(), objet_trait->Y2());
        poser_cotes(k, {QLineF(x_min, y_min, x_min, y_max), QLineF(x_min, y_min, x_max, y_min),
                        QLineF(x_max, y_min, x_max, y_max), QLineF(x_min, y_max, x_max, y_max)});
        for (int c = 1; c <= 4; ++c)
            if (LigneSansFenetre* l = fil_selection[std::size_t(c)].element(k)) l->BorderColor(ROUGE);
        montrer_cotes(k, true);
        couleur_fil_avant = std::int32_t(objet_trait->BorderColor());
        epaisseur_fil_avant = std::int16_t(objet_trait->BorderWidth());
        style_fil_avant = objet_trait->BorderStyle();
        objet_trait->BorderColor(ROUGE);
        trace_selection = 0;
        param_fil_ferme = 0;
        index_fil = std::int16_t(i);
        if (!attendre_Param_fil()) return false;
        montrer_cotes(k, false);
    }
    montrer_cotes(k, false);
    return true;
}

bool fenetre_dessin::attendre_Param_fil() {
    Param_fil* dialogue = Fenetre::obtenir<Param_fil>();
    activer_Cadre(false);
    montrer_devant(dialogue, this);
    QPointer<fenetre_dessin> moi(this);
    attente_param_fil_ = true;
    while (!param_fil_ferme && moi && moi->vivante())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    if (moi && moi->vivante()) {
        attente_param_fil_ = false;
        return true;
    }
    // The window was closed meanwhile: its wire's dialog goes with it, as by its close box.
    Fenetre::decharger<Param_fil>();
    return false;
}
