#include "optics/editing/ergots.h"

#include "circuit/etat_circuit.h"
#include "optics/drawing/traces.h"
#include "optics/editing/transformation.h"
#include "optics/sheet/fenetre_dessin_optique.h"
#include "platform/transparence.h"

#include <cmath>

namespace {
const GenreSegment RAYON{"rayon",          marge_rayon, dessin_rayon,     &direction_rayon,  &x1_rayon,
                         &y1_rayon,        &x2_rayon,   &y2_rayon,        &couleur_rayon,    &epaisseur_rayon,
                         &glisse_ergot_rayon, &epaisseur_rayon_courante, &couleur_rayon_courante};
const GenreSegment TRAIT{"trait",          marge_trait, dessin_trait,     &direction_trait,  &x1_trait,
                         &y1_trait,        &x2_trait,   &y2_trait,        &couleur_trait,    &epaisseur_trait,
                         &glisse_ergot_trait, &epaisseur_trait_courante, &couleur_trait_courante};

// The stroke the pins were last put on.
struct PoseErgots {
    const GenreSegment* genre = nullptr;
    int index = 0;
} pose;

fenetre_dessin_optique* feuille() { return Fenetre::obtenir<fenetre_dessin_optique>(); }

BoitePicture* segment(const GenreSegment& genre, int index) {
    return feuille()->tableau(QString::fromLatin1(genre.nom))->element(index);
}
}

const GenreSegment& genre_rayon() { return RAYON; }
const GenreSegment& genre_trait() { return TRAIT; }

const GenreSegment* genre_segment(const QString& type) {
    if (type == QLatin1String(RAYON.nom)) return &RAYON;
    if (type == QLatin1String(TRAIT.nom)) return &TRAIT;
    return nullptr;
}

void placer_ergots_rayon(const QString& direction) { placer_ergots(RAYON, direction); }
void placer_ergots_trait(const QString& direction) { placer_ergots(TRAIT, direction); }

void placer_ergots(const GenreSegment& genre, const QString& direction) {
    fenetre_dessin_optique* f = feuille();
    BoitePicture* s = segment(genre, index_selection);
    const auto bouts = s ? extremites_trace(direction, s->ScaleWidth(), s->ScaleHeight(), genre.marge) : std::nullopt;
    if (bouts) {
        const std::pair<BoitePicture*, QPointF> places[2] = {{f->ergot1, bouts->first}, {f->ergot2, bouts->second}};
        for (const auto& [ergot, point] : places) {
            ergot->Left(s->Left() + point.x() - ergot->ScaleWidth() / 2);
            ergot->Top(s->Top() + point.y() - ergot->ScaleHeight() / 2);
            ergot->show();
        }
        pose = {&genre, index_selection};
    }
    f->ergot2->raise();
    f->ergot1->raise();
}

void deplacer_extremite_rayon(BoitePicture* ergot, float x, float y) { deplacer_extremite(RAYON, ergot, x, y); }
void deplacer_extremite_trait(BoitePicture* ergot, float x, float y) { deplacer_extremite(TRAIT, ergot, x, y); }

void deplacer_extremite(const GenreSegment& genre, BoitePicture* ergot, float x, float y) {
    fenetre_dessin_optique* f = feuille();
    const double m = genre.marge;
    BoitePicture* fixe = ergot->objectName() == QLatin1String("ergot1") ? f->ergot2 : f->ergot1;
    // The fixed pin's Left counts as a whole number (halves to even), its Top as it is.
    const double lf = std::nearbyint(fixe->Left());
    const double tf = fixe->Top();
    poser_poignee(ergot, x, y);

    const int i = index_selection;
    BoitePicture* e = segment(genre, i);
    // ergot1 is the start and ergot2 the end: their places give the direction. The box takes
    // its Left from the pin further left and its Top from the higher one.
    const double l1 = f->ergot1->Left(), t1 = f->ergot1->Top(), l2 = f->ergot2->Left(), t2 = f->ergot2->Top();
    const char* nom = direction_entre(l2 - l1, t2 - t1);
    if (e && nom) {
        const BoitePicture* p = l1 < l2 ? f->ergot1 : f->ergot2;
        const BoitePicture* q = t1 <= t2 ? f->ergot1 : f->ergot2;
        e->Left(p->Left() + p->ScaleWidth() / 2 - m);
        e->Top(q->Top() + q->ScaleHeight() / 2 - m);
        const double hs = t1 != t2 ? std::abs(tf - y_depot) + 2 * m : 2 * m;
        const double ws = l1 != l2 ? std::abs(lf - x_depot.toDouble()) + 2 * m : 2 * m;
        e->ScaleHeight(hs);
        e->ScaleWidth(ws);
        e->Height(hs);
        e->Width(ws);
        e->effacer_image();
        rendre_opaque(e);
        const QString direction = QString::fromLatin1(nom);
        const auto [debut, fin] = *extremites_trace(direction, e->ScaleWidth(), e->ScaleHeight(), m);
        genre.dessin(*e, genre.epaisseur->valeur(i), genre.couleur->valeur(i), float(debut.x()), float(debut.y()),
                     float(fin.x()), float(fin.y()));
        rendre_transparent(e);
        (*genre.direction)[i] = direction;
        (*genre.x1)[i] = float(debut.x());
        (*genre.y1)[i] = float(debut.y());
        (*genre.x2)[i] = float(fin.x());
        (*genre.y2)[i] = float(fin.y());
        e->show();
    } else if (e) {
        // No direction between two pins on one place: the stroke comes back as it was.
        e->show();
        placer_ergots(genre, genre.direction->valeur(i));
    }
    *genre.glisse_ergot = false;
}

bool ergots_sur_la_selection(const GenreSegment& genre) {
    return pose.genre == &genre && type_selection == QLatin1String(genre.nom) && index_selection == pose.index;
}

void abandonner_glisser_ergot() {
    fenetre_dessin_optique* f = feuille();
    if (pose.genre)
        if (BoitePicture* s = segment(*pose.genre, pose.index)) s->show();
    f->rayon_virtuel->Visible(false);
    glisse_ergot_rayon = false;
    glisse_ergot_trait = false;
}
