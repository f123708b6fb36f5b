#pragma once

#include "optics/sheet/etat_optique.h"

#include <QString>
#include <cstdint>

class BoitePicture;

// The end pins of the selected ray or line: ergot1 on its start, ergot2 on its end (a ray's
// tip), both 7 x 7 pixels of the drawing area. Dragging a pin moves that end: the stroke is
// rebuilt between the two pins.

// What tells a ray from a line here: its array, the inset of its ends in its box, its stroke
// routine, its tables, the flag of a drag of its pins and the pen the next stroke of the kind
// takes.
struct GenreSegment {
    const char* nom;  // "rayon" or "trait"
    int marge;
    void (*dessin)(BoitePicture& image, float epaisseur, std::uint32_t couleur, float x1, float y1, float x2, float y2);
    TableOptique<QString>* direction;
    TableOptique<float>*x1, *y1, *x2, *y2;
    TableOptique<std::uint32_t>* couleur;
    TableOptique<std::int16_t>* epaisseur;
    bool* glisse_ergot;
    std::int16_t* epaisseur_courante;
    std::uint32_t* couleur_courante;
};
const GenreSegment& genre_rayon();
const GenreSegment& genre_trait();
// The ray or line kind of that exact name, nullptr for any other.
const GenreSegment* genre_segment(const QString& type);

// Centres ergot1 on the start and ergot2 on the end of the selected ray (line) for that
// direction, both shown; a name that is none of the eight leaves them as they are. Both pins
// then come to the front, ergot1 above ergot2.
void placer_ergots_rayon(const QString& direction);
void placer_ergots_trait(const QString& direction);
void placer_ergots(const GenreSegment& genre, const QString& direction);

// The pin dropped at (x, y) of the area goes there less its grab point; the selected ray (line)
// is rebuilt between the two pins: its direction from their places, its box m pixels round their
// centres, its segment drawn again with its own width and colour, its record rewritten, shown.
// A pin dropped on the other one gives no direction: the stroke comes back as it was, pins on
// its ends. The pin-drag flag is cleared on every path.
void deplacer_extremite_rayon(BoitePicture* ergot, float x, float y);
void deplacer_extremite_trait(BoitePicture* ergot, float x, float y);
void deplacer_extremite(const GenreSegment& genre, BoitePicture* ergot, float x, float y);

// Whether the selection still names the stroke of that kind the pins were last put on (a stroke
// started since changes the selection index).
bool ergots_sur_la_selection(const GenreSegment& genre);
// A pin drag that nothing completed: the stroke the pins were put on is shown again, the band
// hidden, both pin-drag flags cleared.
void abandonner_glisser_ergot();
