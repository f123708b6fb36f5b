#pragma once

#include <QPointF>
#include <QString>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

class BoitePicture;

// The optics sheet's shared state: the selection, the per-kind counters and tables that give
// each placed element its angle and colour and each drawn stroke its geometry and style, the
// styles of the next stroke, and the tool, stroke and drag flags. One instance for the whole run;
// the sheet's load resets only part of it (reinitialiser_chargement_optique).

// A table indexed by element number. It has an entry for every index ever written, so numbering
// never runs out of room; an entry never written reads as 0 (or empty).
template <class T>
class TableOptique {
public:
    T& operator[](int index) { return entrees_[index]; }
    T valeur(int index) const {
        const auto it = entrees_.find(index);
        return it == entrees_.end() ? T{} : it->second;
    }
    void vider() { entrees_.clear(); }

private:
    std::map<int, T> entrees_;
};

// The last index an element may take (counters are 16-bit): creation is refused beyond it.
inline constexpr int INDEX_MAXIMAL_OPTIQUE = 32767;
inline bool creation_possible(std::int16_t compteur) { return compteur < INDEX_MAXIMAL_OPTIQUE; }

// Selection: the kind (an element kind name) and the index of the element last pressed.
inline QString type_selection;
inline std::int16_t index_selection = 0;

// Index of the last element created of each kind.
inline std::int16_t nb_lampe = 0, nb_ecran = 0, nb_ecran_coupe = 0, nb_cube = 0, nb_filtre = 0, nb_filtre_coupe = 0,
                    nb_ecran_perce1 = 0, nb_ecran_perce1_coupe = 0, nb_ecran_perce2 = 0, nb_ecran_perce2_coupe = 0,
                    nb_oeil = 0, nb_laser = 0, nb_bouledemi = 0, nb_soleil = 0, nb_terre = 0, nb_lune = 0, nb_rayon = 0,
                    nb_trait = 0, nb_cercle = 0;

// Turn of each drawn element in degrees, counter-clockwise: the sum of its rotations.
inline TableOptique<float> angle_lampe, angle_ecran, angle_ecran_coupe, angle_cube, angle_filtre, angle_filtre_coupe,
    angle_ecran_perce1, angle_ecran_perce1_coupe, angle_ecran_perce2, angle_ecran_perce2_coupe, angle_oeil, angle_laser,
    angle_bouledemi;

// Colour &HBBGGRR of each element of the six coloured kinds (the lamp's: its light).
inline TableOptique<std::uint32_t> couleur_lampe, couleur_ecran, couleur_ecran_coupe, couleur_cube, couleur_filtre,
    couleur_filtre_coupe;

// Rays and lines: the direction name, the start and end in the stroke's own box (pixels),
// pen colour and width.
inline TableOptique<QString> direction_rayon, direction_trait;
inline TableOptique<float> x1_rayon, y1_rayon, x2_rayon, y2_rayon, x1_trait, y1_trait, x2_trait, y2_trait;
inline TableOptique<std::uint32_t> couleur_rayon, couleur_trait;
inline TableOptique<std::int16_t> epaisseur_rayon, epaisseur_trait;

// Ellipses: the drag direction, the bounding corners in the box, outline colour, width and pen
// style (0 solid, 2 dotted), fill (&HFFFFFF: none, white becomes see-through).
inline TableOptique<QString> direction_cercle;
inline TableOptique<float> x1_cercle, y1_cercle, x2_cercle, y2_cercle;
inline TableOptique<std::uint32_t> couleur_cercle, remplissage_cercle;
inline TableOptique<std::int16_t> epaisseur_cercle, style_cercle;

// The styles the next stroke takes.
inline std::uint32_t couleur_rayon_courante = 0, couleur_trait_courante = 0, couleur_cercle_courante = 0;
inline std::int16_t epaisseur_rayon_courante = 0, epaisseur_trait_courante = 0, epaisseur_cercle_courante = 0;
inline std::int32_t style_cercle_courant = 0;
inline std::uint32_t remplissage_cercle_courant = 0;

// Drawing tool chosen, and stroke being drawn.
inline bool outil_rayon = false, outil_trait = false, outil_cercle = false;
inline bool trace_rayon = false, trace_trait = false, trace_cercle = false;

// Drags in progress: the resize handle, an end pin of a ray or of a line (named by nom_ergot,
// "ergot1" or "ergot2"), a text note.
inline bool glisse_ergot = false, glisse_ergot_rayon = false, glisse_ergot_trait = false, glisse_texte = false;
inline QString nom_ergot;

// The text note last clicked, and whether the text dialog rewrites it instead of adding one.
inline std::int16_t index_texte_optique = 0;
inline bool edition_texte_optique = false;

// The element kinds, in the palette's order then the three strokes. The icon routine is one of
// two shapes: with a stroke colour (callers pass black) or without.
struct TypeElement {
    const char* nom;         // name of its control array, compared exactly
    const char* info_bulle;  // palette tooltip; nullptr for strokes
    void (*icone_coloree)(BoitePicture& image, const std::uint32_t& couleur, float angle);
    void (*icone)(BoitePicture& image, float angle);
    TableOptique<float>* angles;          // nullptr: the kind does not turn
    TableOptique<std::uint32_t>* couleurs;  // nullptr: fixed colours
    std::uint32_t couleur_defaut;
    std::int16_t* compteur;
    const char* menu;        // its pop-up menu
    bool remplissage_plein;  // the template fills closed circles (lamp bulb, ball)
    bool palette;            // a palette kind (the first sixteen)
};
const std::array<TypeElement, 19>& types_elements();
// The seventeen kinds that are framed, resized and take drops: the palette kinds and "cercle".
bool element_encadre(const TypeElement& type);
// The kind of that exact name, or nullptr.
const TypeElement* type_element(const QString& nom);
// Draws an element of that kind by its icon routine at that angle (stroke colour black); false
// for a kind without one (stored pictures, strokes).
bool dessiner_icone(const TypeElement& type, BoitePicture& image, float angle);

// Where a ray or line runs in its own box: with W x H the box and m its margin, each end lies at
// m or W - m across and at m or H - m down (y downwards).
inline constexpr int marge_rayon = 10;
inline constexpr int marge_trait = 5;  // lines and ellipses
struct DirectionTrace {
    const char* nom;
    bool debut_a_droite, debut_en_bas;  // the start at W - m (else m), at H - m (else m)
    bool fin_a_droite, fin_en_bas;
};
const std::array<DirectionTrace, 8>& directions_trace();
// The start and end of a stroke of that direction in a W x H box with margin m; nothing for a
// name that is none of the eight.
std::optional<std::pair<QPointF, QPointF>> extremites_trace(const QString& direction, double largeur, double hauteur,
                                                            double marge);
// The direction of a stroke whose end lies dx across and dy down (y downwards) from its start:
// the signs alone decide. nullptr when the end is on the start.
const char* direction_entre(double dx, double dy);

// The sheet's load: the palette counters, the selection index, entry 0 of the angle and colour
// tables, the current styles and the tool and stroke flags. Stroke counters, stroke tables, the
// selection kind, the drag flags and the other table entries keep their values.
void reinitialiser_chargement_optique();
// Everything back to its value at program start.
void reinitialiser_etat_optique();
