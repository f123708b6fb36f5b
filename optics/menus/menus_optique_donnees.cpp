#include "optics/menus/menus_optique_donnees.h"

namespace {
using F = FamilleCommande;

// Colours &HBBGGRR. The near white of rays and of the lamp's light survives the white cut-out.
constexpr double NOIR = 0, ROUGE = 0xFF, VERT = 0xFF00, BLEU = 0xFF0000, JAUNE = 0xFFFF, CYAN = 0xFFFF00,
                 MAGENTA = 0xFF00FF, BLANC = 0xFFFFFF, BLANC_LUMIERE = 0xC0FFFF;

// Pictures of icone_menu, numbered from 1 in the list's order.
enum Image : int {
    aucune,
    I_EFFACER, I_MOITIE, I_DOUBLE, I_PLUS_90, I_MOINS_90,
    I_ROUGE, I_VERT, I_BLEU, I_JAUNE, I_CYAN, I_MAGENTA,
    I_DESSOUS, I_DESSUS, I_PLEIN, I_POINTILLE,
};

constexpr double DEVANT = 0, DERRIERE = 1;

// niveau, name, caption, picture, family, value
constexpr std::array<LigneMenuOptique, NOMBRE_LIGNES_MENUS_OPTIQUE> LIGNES = {{
    // Lamps.
    {0, "mnuflottantlampe", "flottantlampe", aucune, F::en_tete, 0},
    {1, "mnueffacerlampe", " Effacer", I_EFFACER, F::effacer, 0},
    {1, "mnutaille", " Taille", aucune, F::en_tete, 0},
    {2, "mnux2", " x2", I_DOUBLE, F::taille, 2},
    {2, "mnu2", " /2", I_MOITIE, F::taille, 0.5},
    {1, "mnurotation", " Rotation", aucune, F::en_tete, 0},
    {2, "mnurotdroite", " +90°", I_PLUS_90, F::rotation, 90},
    {2, "mnurotgauche", " -90°", I_MOINS_90, F::rotation, -90},
    {2, "mnurot45", " +45°", aucune, F::rotation, 45},
    {2, "mnurot45b", " -45°", aucune, F::rotation, -45},
    {2, "mnurotautrelampe", " Autre...", aucune, F::autre_angle, 0},
    {1, "mnucouleurlampe", " Couleur de la lumière", aucune, F::en_tete, 0},
    {2, "mnulampenoir", " Eteinte", aucune, F::lumiere_lampe, NOIR},
    {2, "mnulampeblanche", " \"Blanche\"", aucune, F::lumiere_lampe, BLANC_LUMIERE},
    {2, "mnulamperouge", " Rouge", I_ROUGE, F::lumiere_lampe, ROUGE},
    {2, "mnulampevert", " Vert", I_VERT, F::lumiere_lampe, VERT},
    {2, "mnulampebleu", " Bleu", I_BLEU, F::lumiere_lampe, BLEU},
    {2, "mnulampecyan", " Cyan", I_CYAN, F::lumiere_lampe, CYAN},
    {2, "munlampejaune", " Jaune", I_JAUNE, F::lumiere_lampe, JAUNE},
    {2, "mnulampemagenta", " Magenta", I_MAGENTA, F::lumiere_lampe, MAGENTA},
    {1, "mnulampedessus", " Mettre dessus", I_DESSUS, F::plan, DEVANT},
    {1, "mnulampedessous", " Mettre dessous", I_DESSOUS, F::plan, DERRIERE},

    // Screens, cubes, filters and edge-on filters.
    {0, "mnuflottantecrancubefiltre", "flottantecran_cube_filtre", aucune, F::en_tete, 0},
    {1, "mnueffacerecran", " Effacer", I_EFFACER, F::effacer, 0},
    {1, "mnutailleecran", " Taille", aucune, F::en_tete, 0},
    {2, "mnux2cadre", " x2", I_DOUBLE, F::taille, 2},
    {2, "mnu2cadre", " /2", I_MOITIE, F::taille, 0.5},
    {1, "mnurotationecran", " Rotation", aucune, F::en_tete, 0},
    {2, "mnurotgaucheecran", " +90°", I_PLUS_90, F::rotation, 90},
    {2, "mnurotdroiteecran", " -90°", I_MOINS_90, F::rotation, -90},
    {2, "mnurot45ecran", " +45°", aucune, F::rotation, 45},
    {2, "mnurot45becran", " -45°", aucune, F::rotation, -45},
    {2, "mnurotautreecran_cube_filtre", " Autre...", aucune, F::autre_angle, 0},
    {1, "mnucouleurecran", " Couleur", aucune, F::en_tete, 0},
    {2, "mnuecranblanc", " Blanc", aucune, F::couleur_element, BLANC},
    {2, "mnuecrannoir", " Noir", aucune, F::couleur_element, NOIR},
    {2, "mnuecranrouge", " Rouge", I_ROUGE, F::couleur_element, ROUGE},
    {2, "mnuecranvert", " Vert", I_VERT, F::couleur_element, VERT},
    {2, "mnuecranbleu", " Bleu", I_BLEU, F::couleur_element, BLEU},
    {2, "mnuecranjaune", " Jaune", I_JAUNE, F::couleur_element, JAUNE},
    {2, "mnuecrancyan", " Cyan", I_CYAN, F::couleur_element, CYAN},
    {2, "mnuecranmagenta", " Magenta", I_MAGENTA, F::couleur_element, MAGENTA},
    {1, "mnuecrandessus", " Mettre dessus", I_DESSUS, F::plan, DEVANT},
    {1, "mnuecrandessous", " Mettre dessous", I_DESSOUS, F::plan, DERRIERE},

    // Edge-on screens.
    {0, "mnuflottantecrancoupe", "flottantecrancoupe", aucune, F::en_tete, 0},
    {1, "mnueffacerecrancoupe", " Effacer", I_EFFACER, F::effacer, 0},
    {1, "mnutailleecrancoupe", " Taille", aucune, F::en_tete, 0},
    {2, "mnux2ecrancoupe", " x2", I_DOUBLE, F::taille, 2},
    {2, "mnu2ecrancoupe", " /2", I_MOITIE, F::taille, 0.5},
    {1, "mnurotationecrancoupe", " Rotation", aucune, F::en_tete, 0},
    {2, "mnurot1ecrancoupe", " +90°", I_PLUS_90, F::rotation, 90},
    {2, "mnurot2ecrancoupe", " -90°", I_MOINS_90, F::rotation, -90},
    {2, "mnurot3ecrancoupe", " +45°", aucune, F::rotation, 45},
    {2, "mnurot4ecrancoupe", " -45°", aucune, F::rotation, -45},
    {2, "mnurotautreecrancoupe", " Autre...", aucune, F::autre_angle, 0},
    {1, "mnucouleurecrancoupe", " Couleur de l'écran", aucune, F::en_tete, 0},
    {2, "mnucouleurecrancoupeblanc", " Blanc", aucune, F::couleur_ecran_coupe, BLANC},
    {2, "mnucouleurecrancoupenoir", " Noir", aucune, F::couleur_ecran_coupe, NOIR},
    {2, "mnucouleurecrancouperouge", " Rouge", I_ROUGE, F::couleur_ecran_coupe, ROUGE},
    {2, "mnucouleurecrancoupevert", " Vert", I_VERT, F::couleur_ecran_coupe, VERT},
    {2, "mnucouleurecrancoupebleu", " Bleu", I_BLEU, F::couleur_ecran_coupe, BLEU},
    {2, "mnucouleurecrancoupejaune", " Jaune", I_JAUNE, F::couleur_ecran_coupe, JAUNE},
    {2, "mnucouleurecrancoupecyan", " Cyan", I_CYAN, F::couleur_ecran_coupe, CYAN},
    {2, "mnucouleurecrancoupemagenta", " Magenta", I_MAGENTA, F::couleur_ecran_coupe, MAGENTA},
    {1, "mnuecrancoupedessus", " Mettre dessus", I_DESSUS, F::plan, DEVANT},
    {1, "mnuecrancoupedessous", " Mettre dessous", I_DESSOUS, F::plan, DERRIERE},

    // Rays and lines.
    {0, "mnuflottantrayon_ou_trait", "flottantrayon_ou_trait", aucune, F::en_tete, 0},
    {1, "mnueffacerrayon", " Effacer", I_EFFACER, F::effacer, 0},
    {1, "mnuepaisseurrayon", " Epaisseur", aucune, F::en_tete, 0},
    {2, "mnu1pt", " 1 pt", aucune, F::epaisseur_trace, 1},
    {2, "mnu2pts", " 2 pts", aucune, F::epaisseur_trace, 2},
    {2, "mnu3pts", " 3 pts", aucune, F::epaisseur_trace, 3},
    {2, "mnu4pts", " 4 pts", aucune, F::epaisseur_trace, 4},
    {1, "mnurayoncouleur", " Couleur", aucune, F::en_tete, 0},
    {2, "mnurayonblanc", " \"Blanc\"", aucune, F::couleur_trace, BLANC_LUMIERE},
    {2, "mnurayonnoir", " Noir", aucune, F::couleur_trace, NOIR},
    {2, "mnurayonrouge", " Rouge", I_ROUGE, F::couleur_trace, ROUGE},
    {2, "mnurayonvert", " Vert", I_VERT, F::couleur_trace, VERT},
    {2, "mnurayonbleu", " Bleu", I_BLEU, F::couleur_trace, BLEU},
    {2, "mnurayonjaune", " Jaune", I_JAUNE, F::couleur_trace, JAUNE},
    {2, "mnurayoncyan", " Cyan", I_CYAN, F::couleur_trace, CYAN},
    {2, "mnurayonmagenta", " Magenta", I_MAGENTA, F::couleur_trace, MAGENTA},
    {1, "mnurayondessus", " Mettre dessus", I_DESSUS, F::plan, DEVANT},
    {1, "mnurayondessous", " Mettre dessous", I_DESSOUS, F::plan, DERRIERE},

    // Pierced screens (face-on or edge-on), eyes, lasers, half-lit balls.
    {0, "mnuflottantecranperce1ou2coupeouoeiloulaseroubouledemi", "flottantecranperce1ou2coupeouoeiloulaseroubouledemi",
     aucune, F::en_tete, 0},
    {1, "mnueffacerecranperce1coupe", " Effacer", I_EFFACER, F::effacer, 0},
    {1, "mnutailleecranperce1coupe", " Taille", aucune, F::en_tete, 0},
    {2, "mnux2ecranperce1coupe", " x2", I_DOUBLE, F::taille, 2},
    {2, "mnu2ecranperce1coupe", " /2", I_MOITIE, F::taille, 0.5},
    {1, "mnurotecranperce1coupe", " Rotation", aucune, F::en_tete, 0},
    {2, "mnurot1ecranperce1coupe", " +90°", I_PLUS_90, F::rotation, 90},
    {2, "mnurot2ecranperce1coupe", " -90°", I_MOINS_90, F::rotation, -90},
    {2, "mnurot3ecranperce1coupe", " +45°", aucune, F::rotation, 45},
    {2, "mnurot4ecranperce1coupe", " -45°", aucune, F::rotation, -45},
    {2, "mnurotautreecranperce1ou2coupe", " Autre...", aucune, F::autre_angle, 0},
    {1, "mnuecranperce1coupedessus", " Mettre dessus", I_DESSUS, F::plan, DEVANT},
    {1, "mnuecranperce1coupedessous", " Mettre dessous", I_DESSOUS, F::plan, DERRIERE},

    // Ellipses.
    {0, "mnuflottantcercle", "flottantcercle", aucune, F::en_tete, 0},
    {1, "mnucercleeffacer", " Effacer", I_EFFACER, F::effacer, 0},
    {1, "mnuepaisseurcercle", " Epaisseur", aucune, F::en_tete, 0},
    {2, "mnucercle1pt", " 1 pt", aucune, F::epaisseur_cercle, 1},
    {2, "mnucercle2pt", " 2 pts", aucune, F::epaisseur_cercle, 2},
    {2, "mnucercle3pt", " 3 pts", aucune, F::epaisseur_cercle, 3},
    {2, "mnucercle4pt", " 4 pts", aucune, F::epaisseur_cercle, 4},
    {1, "mnustyletraitcercle", " Style de trait", aucune, F::en_tete, 0},
    {2, "mnucercletraitplein", " Trait plein", I_PLEIN, F::style_cercle, 0},
    {2, "mnucercletraitpointille", " Trait pointillé", I_POINTILLE, F::style_cercle, 2},
    {1, "mnucerclecouleurtrait", " Couleur de trait", aucune, F::en_tete, 0},
    {2, "mnucerclecouleurtraitnoir", " Noir", aucune, F::couleur_cercle, NOIR},
    {2, "mnucerclecouleurtraitrouge", " Rouge", I_ROUGE, F::couleur_cercle, ROUGE},
    {2, "mnucerclecouleurtraitvert", " Vert", I_VERT, F::couleur_cercle, VERT},
    {2, "mnucerclecouleurtraitbleu", " Bleu", I_BLEU, F::couleur_cercle, BLEU},
    {2, "mnucerclecouleurtraitjaune", " Jaune", I_JAUNE, F::couleur_cercle, JAUNE},
    {2, "mnucerclecouleurtraitcyan", " Cyan", I_CYAN, F::couleur_cercle, CYAN},
    {2, "mnucerclecouleurtraitmagenta", " Magenta", I_MAGENTA, F::couleur_cercle, MAGENTA},
    {1, "mnucoulcercleremplissage", " Couleur de remplissage", aucune, F::en_tete, 0},
    {2, "mnuremplisstransparent", " Transparent", aucune, F::remplissage_cercle, BLANC},
    {2, "mnuremplissnoir", " Noir", aucune, F::remplissage_cercle, NOIR},
    {2, "mnuremplissrouge", " Rouge", I_ROUGE, F::remplissage_cercle, ROUGE},
    {2, "mnuremplissvert", " Vert", I_VERT, F::remplissage_cercle, VERT},
    {2, "mnuremplissbleu", " Bleu", I_BLEU, F::remplissage_cercle, BLEU},
    {2, "mnuremplissjaune", " Jaune", I_JAUNE, F::remplissage_cercle, JAUNE},
    {2, "mnuremplisscyan", " Cyan", I_CYAN, F::remplissage_cercle, CYAN},
    {2, "mnuremplissmagenta", " Magenta", I_MAGENTA, F::remplissage_cercle, MAGENTA},
    {1, "mnucercledessus", " Mettre dessus", I_DESSUS, F::plan, DEVANT},
    {1, "mnucercledessous", " Mettre dessous", I_DESSOUS, F::plan, DERRIERE},

    // Suns, earths, moons.
    {0, "mnuflottantSTL", "flottantSTL", aucune, F::en_tete, 0},
    {1, "mnueffacerSTL", " Effacer", I_EFFACER, F::effacer, 0},
    {1, "mnuSTLdessus", " Mettre dessus", I_DESSUS, F::plan, DEVANT},
    {1, "mnuSTLdessous", " Mettre dessous", I_DESSOUS, F::plan, DERRIERE},

    // Text notes: no pictures.
    {0, MENU_TEXTE_OPTIQUE, "flottanttexteoptique", aucune, F::en_tete, 0},
    {1, "mnuedittexteoptique", " Editer le texte", aucune, F::editer_texte, 0},
    {1, "mnueffacertexteoptique", " Effacer le texte", aucune, F::effacer_texte, 0},
}};
}

const std::array<LigneMenuOptique, NOMBRE_LIGNES_MENUS_OPTIQUE>& lignes_menus_optique() { return LIGNES; }
