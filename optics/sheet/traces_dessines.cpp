// Rays, lines and ellipses on the optics sheet: the tool bar, the stroke drawn on the area behind
// a rubber band, the presses on a drawn ray or line and on its end pins, and the band that
// follows a dragged pin.
#include "circuit/composants.h"
#include "circuit/etat_circuit.h"
#include "optics/drawing/traces.h"
#include "optics/editing/effacement.h"
#include "optics/editing/ergots.h"
#include "optics/editing/selection.h"
#include "optics/menus/fenetre_dessin_optique_menu.h"
#include "optics/notes/ajout_texte_optique.h"
#include "optics/sheet/etat_optique.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/glisser.h"
#include "platform/transparence.h"

#include <QAction>
#include <algorithm>
#include <cmath>

namespace {
constexpr int POINTEUR_DEFAUT = 0;
constexpr int POINTEUR_PROPRE = 99;

// The three drawing tools: the tool bar button, the cursor of ImageList_icone_optique, and
// what a stroke of the kind uses.
struct OutilTrace {
    const char* nom;  // its array
    int bouton;
    int curseur;
    bool* outil;
    bool* trace;
    std::int16_t* compteur;
    int marge;
};
const OutilTrace OUTILS[3] = {
    {"rayon", 1, 2, &outil_rayon, &trace_rayon, &nb_rayon, marge_rayon},
    {"trait", 2, 1, &outil_trait, &trace_trait, &nb_trait, marge_trait},
    {"cercle", 3, 3, &outil_cercle, &trace_cercle, &nb_cercle, marge_trait},
};
const QPoint POINT_CHAUD_OUTIL(15, 15);
// Whether the last press of each tool was refused at the ceiling of its counter: its release
// then finishes nothing (the last stroke of the kind keeps its shape).
bool appui_refuse[3] = {};

void placer_ligne(LigneSansFenetre* ligne, double x1, double y1, double x2, double y2) {
    ligne->X1(x1);
    ligne->Y1(y1);
    ligne->X2(x2);
    ligne->Y2(y2);
}
}

void fenetre_dessin_optique::brancher_traces() {
    // "Insérer du texte" (4) opens the notes' dialog through the notes' own connection; the tool
    // flags need no refresh there, since that button changes no tool button.
    for (int i : {1, 2, 3, 6, 7})
        connect(bouton_optique(i), &QAction::triggered, this, [this, i] { Toolbar_optique_ButtonClick(i); });
    connect(cadre_optique, &BoitePicture::MouseDown, this, &fenetre_dessin_optique::cadre_optique_MouseDown);
    connect(cadre_optique, &BoitePicture::MouseMove, this, &fenetre_dessin_optique::cadre_optique_MouseMove);
    connect(cadre_optique, &BoitePicture::MouseUp, this, &fenetre_dessin_optique::cadre_optique_MouseUp);
    glisser::DragOver(cadre_optique,
                      [this](QObject* source, float x, float y, int etat) { cadre_optique_DragOver(source, x, y, etat); });
    connect(ergot1, &BoitePicture::MouseDown, this, &fenetre_dessin_optique::ergot1_MouseDown);
    connect(ergot2, &BoitePicture::MouseDown, this, &fenetre_dessin_optique::ergot2_MouseDown);
    // A pin drag that no drop completed gives the stroke back.
    for (BoitePicture* ergot : {ergot1, ergot2})
        glisser::fin_du_glisser(ergot, [](bool) {
            if (glisse_ergot_rayon || glisse_ergot_trait) abandonner_glisser_ergot();
        });
}

void fenetre_dessin_optique::Toolbar_optique_ButtonClick(int index) {
    // After any click each tool flag is the state of its button.
    for (const OutilTrace& o : OUTILS) {
        *o.outil = bouton_optique(o.bouton)->isChecked();
        if (!*o.outil) continue;
        cadre_optique->MousePointer(POINTEUR_PROPRE);
        cadre_optique->MouseIcon(sans_fond_blanc(ImageList_icone_optique.image(o.curseur)), POINT_CHAUD_OUTIL);
    }
    switch (index) {
    case 4:
        inserer_texte_optique(this);
        break;
    case 6:
        cadre_optique->MousePointer(POINTEUR_DEFAUT);
        for (const OutilTrace& o : OUTILS) {
            bouton_optique(o.bouton)->setChecked(false);
            *o.outil = false;
        }
        break;
    case 7:
        tout_effacer();
        break;
    default:
        break;
    }
}

BoitePicture* fenetre_dessin_optique::charger_trace(const QString& type, int n) {
    TableauControles<BoitePicture>* a = tableau(type);
    if (!genre_segment(type)) return charger_element(type, n);
    BoitePicture* item = a->Load(n);
    if (!item) return nullptr;
    sans_fond_propre(item);
    glisser::copier_reglages(a->element(0), item);
    connect(item, &BoitePicture::MouseDown, this, [this, a, item, type](int bouton, int, float x, float y) {
        segment_MouseDown(type, a->index_de(item), bouton, x, y);
    });
    return item;
}

void fenetre_dessin_optique::cadre_optique_MouseDown(int, int, float X, float Y) {
    for (const OutilTrace& o : OUTILS) {
        bool& refuse = appui_refuse[&o - OUTILS];
        refuse = *o.outil && !creation_possible(*o.compteur);
        if (!*o.outil || refuse) continue;
        *o.trace = true;
        *o.compteur = std::int16_t(*o.compteur + 1);
        index_selection = *o.compteur;
        if (BoitePicture* item = charger_trace(QString::fromLatin1(o.nom), *o.compteur)) item->hide();
        x_depart = X;
        y_depart = Y;
    }
}

void fenetre_dessin_optique::cadre_optique_MouseMove(int, int, float X, float Y) {
    const double x0 = x_depart.toDouble(), y0 = y_depart.toDouble();
    for (bool trace : {trace_rayon, trace_trait}) {
        if (!trace) continue;
        placer_ligne(rayon_virtuel, x0, y0, X, Y);
        rayon_virtuel->Visible(true);
    }
    if (!trace_cercle) return;
    // The rectangle from the press point round to the pointer and back.
    placer_ligne(Line1_optique, x0, y0, X, y0);
    placer_ligne(Line2_optique, X, y0, X, Y);
    placer_ligne(Line3_optique, X, Y, x0, Y);
    placer_ligne(Line4_optique, x0, Y, x0, y0);
    for (LigneSansFenetre* l : {Line1_optique, Line2_optique, Line3_optique, Line4_optique}) l->Visible(true);
}

void fenetre_dessin_optique::cadre_optique_MouseUp(int, int, float X, float Y) {
    // The three kinds in turn; each finishes the last item its press made, from the last press
    // point (the second release of a double click runs again on the same item).
    const float x0 = x_depart.toFloat(), y0 = y_depart.toFloat();
    const char* direction = direction_entre(double(X) - x0, double(Y) - y0);
    for (const OutilTrace& o : OUTILS) {
        if (!*o.outil || appui_refuse[&o - OUTILS]) continue;
        const QString type = QString::fromLatin1(o.nom);
        const int n = *o.compteur;
        const float m = float(o.marge);
        // A release on the press point draws nothing: the item stays hidden, its index spent.
        BoitePicture* item = n >= 1 && direction ? tableau(type)->element(n) : nullptr;
        if (item) {
            // The box round the stroke, as computed: the widget rounds to whole pixels.
            const float gauche = std::min(x0, X) - m, haut = std::min(y0, Y) - m;
            const float largeur = std::abs(X - x0) + 2 * m, hauteur = std::abs(Y - y0) + 2 * m;
            item->Left(gauche);
            item->Top(haut);
            item->Width(largeur);
            item->Height(hauteur);
            item->ScaleWidth(largeur);
            item->ScaleHeight(hauteur);
            item->effacer_image();
            const QString nom = QString::fromLatin1(direction);
            const auto [debut, fin] = *extremites_trace(nom, item->ScaleWidth(), item->ScaleHeight(), m);
            const float x1 = float(debut.x()), y1 = float(debut.y()), x2 = float(fin.x()), y2 = float(fin.y());
            if (const GenreSegment* genre = genre_segment(type)) {
                const bool rayon = genre == &genre_rayon();
                const std::uint32_t couleur = rayon ? couleur_rayon_courante : couleur_trait_courante;
                const std::int16_t epaisseur = rayon ? epaisseur_rayon_courante : epaisseur_trait_courante;
                genre->dessin(*item, epaisseur, couleur, x1, y1, x2, y2);
                rendre_transparent(item);
                (*genre->couleur)[n] = couleur;
                (*genre->epaisseur)[n] = epaisseur;
                (*genre->direction)[n] = nom;
                (*genre->x1)[n] = x1;
                (*genre->y1)[n] = y1;
                (*genre->x2)[n] = x2;
                (*genre->y2)[n] = y2;
            } else {
                dessin_cercle(*item, style_cercle_courant, epaisseur_cercle_courante, couleur_cercle_courante,
                              remplissage_cercle_courant, x1, y1, x2, y2);
                rendre_transparent(item);
                direction_cercle[n] = nom;
                x1_cercle[n] = x1;
                y1_cercle[n] = y1;
                x2_cercle[n] = x2;
                y2_cercle[n] = y2;
                couleur_cercle[n] = couleur_cercle_courante;
                epaisseur_cercle[n] = epaisseur_cercle_courante;
                style_cercle[n] = std::int16_t(style_cercle_courant);
                remplissage_cercle[n] = remplissage_cercle_courant;
            }
        }
        *o.trace = false;
        // The band was the selection frame: its handle goes with it, even when the release falls
        // outside the area, where no click on the area follows to hide it.
        if (o.bouton == 3)
            deselectionner();
        else
            rayon_virtuel->Visible(false);
        if (item) {
            item->show();
            item->raise();
        }
    }
}

void fenetre_dessin_optique::rayon_MouseDown(int Index, int Button, int, float X, float Y) {
    segment_MouseDown(QStringLiteral("rayon"), Index, Button, X, Y);
}

void fenetre_dessin_optique::trait_MouseDown(int Index, int Button, int, float X, float Y) {
    segment_MouseDown(QStringLiteral("trait"), Index, Button, X, Y);
}

void fenetre_dessin_optique::segment_MouseDown(const QString& type, int Index, int Button, float X, float Y) {
    const GenreSegment* genre = genre_segment(type);
    type_selection = type;
    index_selection = std::int16_t(Index);
    deselectionner();
    glisse_texte = false;
    glisse_ergot = false;
    glisse_ergot_rayon = false;
    glisse_ergot_trait = false;
    const QString direction = genre->direction->valeur(Index);
    x_depart = X;
    y_depart = Y;
    placer_ergots(*genre, direction);
    if (Button == 2)
        ouvrir_menu_optique(QString::fromUtf8(type_element(type)->menu));
    else
        glisser::Drag(tableau(type)->element(Index));
}

void fenetre_dessin_optique::ergot1_MouseDown(int, int, float X, float Y) { ergot_extremite_MouseDown(ergot1, X, Y); }
void fenetre_dessin_optique::ergot2_MouseDown(int, int, float X, float Y) { ergot_extremite_MouseDown(ergot2, X, Y); }

void fenetre_dessin_optique::ergot_extremite_MouseDown(BoitePicture* ergot, float X, float Y) {
    glisse_texte = false;
    nom_ergot = ergot->objectName();
    if (type_selection == QLatin1String("rayon")) glisse_ergot_rayon = true;
    if (type_selection == QLatin1String("trait")) glisse_ergot_trait = true;
    x_depart = X;
    y_depart = Y;
    glisser::Drag(ergot);
}

void fenetre_dessin_optique::cadre_optique_DragOver(QObject*, float X, float Y, int) { suivre_ergot(QPointF(X, Y)); }

void fenetre_dessin_optique::element_DragOver(const QString& type, int Index, QObject*, float X, float Y, int) {
    // A palette item lies on the sheet beside the area: the pointer is taken from the screen.
    if (Index == 0) {
        suivre_ergot(cadre_optique->mapFromGlobal(glisser::pointeur()));
        return;
    }
    const BoitePicture* cible = tableau(type)->element(Index);
    suivre_ergot(QPointF(cible->Left() + X, cible->Top() + Y));
}

void fenetre_dessin_optique::suivre_ergot(QPointF point) {
    const GenreSegment* genre = glisse_ergot_rayon ? &genre_rayon() : (glisse_ergot_trait ? &genre_trait() : nullptr);
    if (!genre) return;
    if (!ergots_sur_la_selection(*genre)) {
        abandonner_glisser_ergot();
        return;
    }
    if (BoitePicture* s = tableau(QString::fromLatin1(genre->nom))->element(index_selection)) s->hide();
    // The band runs from the centre of the pin that stays.
    BoitePicture* ancre = nom_ergot == QLatin1String("ergot1") ? ergot2
                          : nom_ergot == QLatin1String("ergot2") ? ergot1
                                                                 : nullptr;
    if (!ancre) return;
    rayon_virtuel->Visible(true);
    rayon_virtuel->X1(ancre->Left() + ancre->ScaleWidth() / 2);
    rayon_virtuel->Y1(ancre->Top() + ancre->ScaleHeight() / 2);
    rayon_virtuel->X2(point.x());
    rayon_virtuel->Y2(point.y());
}

bool fenetre_dessin_optique::depot_ergot(float X, float Y) {
    const GenreSegment* genre = glisse_ergot_rayon ? &genre_rayon() : (glisse_ergot_trait ? &genre_trait() : nullptr);
    if (!genre) return false;
    if (!ergots_sur_la_selection(*genre)) {
        abandonner_glisser_ergot();
        return true;
    }
    if (BoitePicture* s = tableau(QString::fromLatin1(genre->nom))->element(index_selection)) s->hide();
    deplacer_extremite(*genre, nom_ergot == QLatin1String("ergot1") ? ergot1 : ergot2, X, Y);
    rayon_virtuel->Visible(false);
    glisse_ergot_rayon = false;
    return true;
}
