#include "quiz/banques.h"

const QVector<DefinitionFeuille>& table_feuilles() {
    static const QVector<DefinitionFeuille> table = {
        {&feuille_elec1, "feuille_elec1", "elec1", "Elec1", "Montage électrique simple", "Elec1", 4, 16, Matiere::electricite},
        {&feuille_elec2, "feuille_elec2", "elec2", "Elec2", "Isolant et conducteur", "Elec2", 3, 10, Matiere::electricite},
        {&feuille_elec3, "feuille_elec3", "elec3", "Elec3", "Les lampes électriques", "Elec3", 2, 16, Matiere::electricite},
        {&feuille_elec4, "feuille_elec4", "elec4", "Elec4", "Schématiser un circuit électrique", "Elec4", 15, 15, Matiere::electricite},
        {&feuille_elec5, "feuille_elec5", "elec5", "Elec5", "Le sens du courant électrique", "Elec5", 6, 8, Matiere::electricite},
        {&feuille_elec6, "feuille_elec6", "elec6", "Elec6", "Montages en série et en dérivation", "Elec6", 5, 9, Matiere::electricite},
        {&feuille_elec7, "feuille_elec7", "elec7", "Elec7", "Association de piles en série", "Elec7", 3, 7, Matiere::electricite},
        {&feuille_elec8, "feuille_elec8", "elec8", "Elec8", "Adaptation générateur-lampe", "Elec8", 2, 7, Matiere::electricite},
        {&feuille_elec9, "feuille_elec9", "elec9", "Elec9", "Sécurité électrique et court-circuit", "Elec9", 4, 8, Matiere::electricite},
        {&feuille_chimie2, "feuille_chimie2", "chimie2", "chimie2", "Déceler la présence de l'eau", "Chimie2", 1, 8, Matiere::chimie},
        {&feuille_chimie3, "feuille_chimie3", "chimie3", "chimie3", "Etats et propriétés de l'eau", "Chimie3", 1, 8, Matiere::chimie},
        {&feuille_chimie5, "feuille_chimie5", "chimie5", "chimie5", "Les changements d'état de l'eau", "Chimie5", 8, 17, Matiere::chimie},
        {&feuille_chimie6, "feuille_chimie6", "chimie6", "chimie6", "Mesurer une masse", "chimie6", 2, 9, Matiere::chimie},
        {&feuille_chimie7, "feuille_chimie7", "chimie7", "chimie7", "Mesurer le volume d'un liquide et d'un solide", "chimie7", 5, 13, Matiere::chimie},
        {&feuille_chimie8, "feuille_chimie8", "chimie8", "chimie8", "Corps purs et mélanges", "chimie8", 3, 7, Matiere::chimie},
        {&feuille_chimie9, "feuille_chimie9", "chimie9", "chimie9", "Séparer les constituants d'un mélange", "chimie9", 1, 12, Matiere::chimie},
        {&feuille_chimie10, "feuille_chimie10", "chimie10", "chimie10", "L'eau est un solvant", "chimie10", 2, 16, Matiere::chimie},
        {&feuille_chimie13, "feuille_chimie13", "chimie13", "chimie13", "Le matériel de chimie", "chimie13", 1, 11, Matiere::chimie},
        {&feuille_chimie14, "feuille_chimie14", "chimie14", "chimie14", "Le dioxyde de carbone", "chimie14", 1, 4, Matiere::chimie},
        {&feuille_Optique1, "feuille_Optique1", "Optique1", "Optique1", "Source de lumière et diffusion", "Optique1", 2, 11, Matiere::optique},
        {&feuille_Optique2, "feuille_Optique2", "Optique2", "Optique2", "Faisceau et rayon de lumière", "Optique2", 5, 8, Matiere::optique},
        {&feuille_Optique3, "feuille_Optique3", "Optique3", "Optique3", "Ombre propre, ombre portée et cône d'ombre", "Optique3", 3, 6, Matiere::optique},
        {&feuille_Optique4, "feuille_Optique4", "Optique4", "Optique4", "Système Soleil-Terre-Lune", "Optique4", 3, 10, Matiere::optique},
    };
    return table;
}

const DefinitionFeuille* feuille_de_cle(const QString& cle) {
    for (const DefinitionFeuille& d : table_feuilles())
        if (cle == QLatin1String(d.cle)) return &d;
    return nullptr;
}

const DefinitionFeuille* feuille_de_code(const QString& code) {
    for (const DefinitionFeuille& d : table_feuilles())
        if (code == QLatin1String(d.code_theme)) return &d;
    return nullptr;
}

void remplir_feuille(feuille_QCM& feuille, const LigneSource* lignes, int nombre) {
    // Every cell is assigned, row after row and field after field; nothing is cleared before.
    if (feuille.size() != nombre + 1) feuille.resize(nombre + 1);
    for (int r = 0; r < nombre; ++r)
        for (int c = 0; c < 11; ++c) feuille[r + 1][c + 1] = QString::fromUtf8(lignes[r].champs[c]);
}

ListeImages liste_images_qcm(const DefinitionFeuille& definition) {
    return ListeImages::depuis_dossier(QStringLiteral("quiz/") + QLatin1String(definition.liste_images),
                                       definition.nb_images, QSize(LARGEUR_IMAGE_QCM, HAUTEUR_IMAGE_QCM));
}
