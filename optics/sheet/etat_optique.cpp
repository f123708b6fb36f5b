#include "optics/sheet/etat_optique.h"

#include "optics/drawing/icones.h"

namespace {
constexpr const char* MENU_ECRAN_CUBE_FILTRE = "mnuflottantecrancubefiltre";
constexpr const char* MENU_FIXES = "mnuflottantecranperce1ou2coupeouoeiloulaseroubouledemi";
constexpr const char* MENU_ASTRES = "mnuflottantSTL";
constexpr const char* MENU_TRAITS = "mnuflottantrayon_ou_trait";

// One row per kind: name, tooltip, icon routine (coloured or not), angle and colour tables,
// colour default, counter, menu, solid fill of the template, palette kind.
const std::array<TypeElement, 19> TYPES = {{
    {"lampe", "Lampe", dessin_lampe, nullptr, &angle_lampe, &couleur_lampe, 0xFFFF, &nb_lampe, "mnuflottantlampe", true, true},
    {"ecran", "Ecran", dessin_ecran, nullptr, &angle_ecran, &couleur_ecran, 0xFF00FF, &nb_ecran, MENU_ECRAN_CUBE_FILTRE, false, true},
    {"ecran_coupe", "Ecran en coupe", dessin_ecran_coupe, nullptr, &angle_ecran_coupe, &couleur_ecran_coupe, 0xFF,
     &nb_ecran_coupe, "mnuflottantecrancoupe", false, true},
    {"cube", "Objet cube", dessin_cube, nullptr, &angle_cube, &couleur_cube, 0xFF0000, &nb_cube, MENU_ECRAN_CUBE_FILTRE, false, true},
    {"filtre", "Filtre", dessin_filtre, nullptr, &angle_filtre, &couleur_filtre, 0xFF, &nb_filtre, MENU_ECRAN_CUBE_FILTRE, false, true},
    {"filtre_coupe", "Filtre en coupe", dessin_filtre_coupe, nullptr, &angle_filtre_coupe, &couleur_filtre_coupe, 0xFF,
     &nb_filtre_coupe, MENU_ECRAN_CUBE_FILTRE, false, true},
    {"ecran_perce1", "Ecran percé un trou", nullptr, dessin_ecran_perce1, &angle_ecran_perce1, nullptr, 0, &nb_ecran_perce1,
     MENU_FIXES, false, true},
    {"ecran_perce1_coupe", "Ecran percé un trou", nullptr, dessin_ecran_perce1_coupe, &angle_ecran_perce1_coupe, nullptr, 0,
     &nb_ecran_perce1_coupe, MENU_FIXES, false, true},
    {"ecran_perce2", "Ecran percé deux trous", nullptr, dessin_ecran_perce2, &angle_ecran_perce2, nullptr, 0, &nb_ecran_perce2,
     MENU_FIXES, false, true},
    {"ecran_perce2_coupe", "Ecran percé deux trous", nullptr, dessin_ecran_perce2_coupe, &angle_ecran_perce2_coupe, nullptr, 0,
     &nb_ecran_perce2_coupe, MENU_FIXES, false, true},
    {"oeil", "Oeil", nullptr, dessin_oeil, &angle_oeil, nullptr, 0, &nb_oeil, MENU_FIXES, false, true},
    {"laser", "Laser", nullptr, dessin_laser, &angle_laser, nullptr, 0, &nb_laser, MENU_FIXES, false, true},
    {"bouledemi", "Boule éclairée", nullptr, dessin_bouledemi, &angle_bouledemi, nullptr, 0, &nb_bouledemi, MENU_FIXES, true, true},
    {"soleil", "Soleil", nullptr, nullptr, nullptr, nullptr, 0, &nb_soleil, MENU_ASTRES, false, true},
    {"terre", "Terre", nullptr, nullptr, nullptr, nullptr, 0, &nb_terre, MENU_ASTRES, false, true},
    {"lune", "Lune", nullptr, nullptr, nullptr, nullptr, 0, &nb_lune, MENU_ASTRES, false, true},
    {"rayon", nullptr, nullptr, nullptr, nullptr, nullptr, 0, &nb_rayon, MENU_TRAITS, false, false},
    {"trait", nullptr, nullptr, nullptr, nullptr, nullptr, 0, &nb_trait, MENU_TRAITS, false, false},
    {"cercle", nullptr, nullptr, nullptr, nullptr, nullptr, 0, &nb_cercle, "mnuflottantcercle", false, false},
}};

// Start (debut) and end (fin) corners of each direction.
const std::array<DirectionTrace, 8> DIRECTIONS = {{
    {"gauche_droite_montant", false, true, true, false},
    {"gauche_droite_descendant", false, false, true, true},
    {"droite_gauche_montant", true, true, false, false},
    {"droite_gauche_descendant", true, false, false, true},
    {"vertical_montant", false, true, false, false},
    {"vertical_descendant", false, false, false, true},
    {"horizontal_gauche_droite", false, false, true, false},
    {"horizontal_droite_gauche", true, false, false, false},
}};
}

const std::array<TypeElement, 19>& types_elements() { return TYPES; }

bool element_encadre(const TypeElement& type) { return type.palette || qstrcmp(type.nom, "cercle") == 0; }

const TypeElement* type_element(const QString& nom) {
    for (const TypeElement& t : TYPES)
        if (nom == QString::fromUtf8(t.nom)) return &t;
    return nullptr;
}

bool dessiner_icone(const TypeElement& type, BoitePicture& image, float angle) {
    const std::uint32_t noir = 0;
    if (type.icone_coloree)
        type.icone_coloree(image, noir, angle);
    else if (type.icone)
        type.icone(image, angle);
    else
        return false;
    return true;
}

const std::array<DirectionTrace, 8>& directions_trace() { return DIRECTIONS; }

std::optional<std::pair<QPointF, QPointF>> extremites_trace(const QString& direction, double l, double h, double m) {
    for (const DirectionTrace& d : DIRECTIONS) {
        if (direction != QLatin1String(d.nom)) continue;
        const auto coin = [&](bool droite, bool bas) { return QPointF(droite ? l - m : m, bas ? h - m : m); };
        return std::make_pair(coin(d.debut_a_droite, d.debut_en_bas), coin(d.fin_a_droite, d.fin_en_bas));
    }
    return std::nullopt;
}

const char* direction_entre(double dx, double dy) {
    const auto signe = [](double v) { return int(v > 0) - int(v < 0); };
    for (const DirectionTrace& d : DIRECTIONS)
        if (int(d.fin_a_droite) - int(d.debut_a_droite) == signe(dx) &&
            int(d.fin_en_bas) - int(d.debut_en_bas) == signe(dy))
            return d.nom;
    return nullptr;
}

void reinitialiser_chargement_optique() {
    for (const TypeElement& t : TYPES) {
        if (t.angles) (*t.angles)[0] = 0;
        if (t.couleurs) (*t.couleurs)[0] = t.couleur_defaut;
        if (t.palette) *t.compteur = 0;
    }
    index_selection = 0;
    couleur_rayon_courante = 0xFF;
    couleur_trait_courante = 0;
    couleur_cercle_courante = 0;
    epaisseur_rayon_courante = 2;
    epaisseur_trait_courante = 2;
    epaisseur_cercle_courante = 1;
    style_cercle_courant = 0;
    remplissage_cercle_courant = 0xFFFFFF;
    outil_rayon = outil_trait = outil_cercle = false;
    trace_rayon = trace_trait = trace_cercle = false;
}

void reinitialiser_etat_optique() {
    type_selection.clear();
    index_selection = 0;
    for (const TypeElement& t : TYPES) {
        *t.compteur = 0;
        if (t.angles) t.angles->vider();
        if (t.couleurs) t.couleurs->vider();
    }
    for (TableOptique<QString>* t : {&direction_rayon, &direction_trait, &direction_cercle}) t->vider();
    for (TableOptique<float>* t : {&x1_rayon, &y1_rayon, &x2_rayon, &y2_rayon, &x1_trait, &y1_trait, &x2_trait, &y2_trait,
                                   &x1_cercle, &y1_cercle, &x2_cercle, &y2_cercle})
        t->vider();
    for (TableOptique<std::uint32_t>* t : {&couleur_rayon, &couleur_trait, &couleur_cercle, &remplissage_cercle}) t->vider();
    for (TableOptique<std::int16_t>* t : {&epaisseur_rayon, &epaisseur_trait, &epaisseur_cercle, &style_cercle}) t->vider();
    couleur_rayon_courante = couleur_trait_courante = couleur_cercle_courante = 0;
    epaisseur_rayon_courante = epaisseur_trait_courante = epaisseur_cercle_courante = 0;
    style_cercle_courant = 0;
    remplissage_cercle_courant = 0;
    outil_rayon = outil_trait = outil_cercle = false;
    trace_rayon = trace_trait = trace_cercle = false;
    glisse_ergot = glisse_ergot_rayon = glisse_ergot_trait = glisse_texte = false;
    nom_ergot.clear();
    index_texte_optique = 0;
    edition_texte_optique = false;
}
