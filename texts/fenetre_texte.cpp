#include "texts/fenetre_texte.h"

#include "frame/etat.h"
#include "frame/impression.h"
#include "frame/options.h"
#include "platform/ecran.h"
#include "texts/positions_trous.h"

#include <tuple>

namespace {
// One row per theme label: label, caption, code, title, title size, panel, picture, blank
// table, top and width of the label in its panel (pixels).
const ThemeTexte lignes_themes[] = {
    {"Label_elec1", "Montage électrique simple", "elec1", "Montage électrique simple", 14, 0, 1, "trous_elec1", 7, 147},
    {"Label_elec2", "Isolant et conducteur", "elec2", "Isolants et conducteurs", 14, 0, 2, "trous_elec2", 22, 147},
    {"Label_elec3", "Les lampes électriques", "elec3", "Les lampes électriques", 14, 0, 3, "trous_elec3", 38, 147},
    {"Label_elec4", "Schématiser un circuit électrique", "elec4", "Schématiser un circuit électrique", 14, 0, 4,
     "trous_elec4", 54, 161},
    {"Label_elec5", "Le sens du courant électrique", "elec5", "Le sens du courant électrique", 14, 0, 5, "trous_elec5",
     70, 147},
    {"Label_elec6", "Montage en série et en dérivation", "elec6", "Montages en série et en dérivation", 14, 0, 6,
     "trous_elec6", 86, 161},
    {"Label_elec7", "Association de piles en série", "elec7", "Association de piles en série", 14, 0, 7, "trous_elec7",
     102, 145},
    {"Label_elec8", "Adaptation générateur-lampe", "elec8", "Adaptation générateur-lampes", 14, 0, 8, "trous_elec8", 118,
     145},
    {"Label_elec9", "Sécurité électrique et court-circuit", "elec9", "Sécurité et court-circuit", 14, 0, 9, "trous_elec9",
     134, 161},
    {"Label_chimie2", "Déceler la présence de l'eau", "chimie2", "Déceler la présence de l'eau", 14, 1, 2,
     "trous_chimie2", 4, 227},
    {"Label_chimie3", "Etats et propriétés de l'eau", "chimie3", "Etats et propriétés de l'eau", 14, 1, 3,
     "trous_chimie3", 19, 227},
    {"Label_chimie5", "Les changements d'état de l'eau", "chimie5", "Les changements d'état de l'eau", 14, 1, 5,
     "trous_chimie5", 34, 227},
    {"Label_chimie6", "Mesurer une masse", "chimie6", "Mesurer une masse", 14, 1, 6, "trous_chimie6", 48, 227},
    {"Label_chimie7", "Mesurer le volume d'un liquide et d'un solide", "chimie7",
     "Mesurer le volume d'un liquide et d'un solide", 11, 1, 7, "trous_chimie7", 63, 227},
    {"Label_chimie8", "Corps purs et mélanges", "chimie8", "Corps purs et mélanges", 14, 1, 8, "trous_chimie8", 78, 249},
    {"Label_chimie9", "Séparer les constituants d'un mélange", "chimie9", "Séparer les constituants d'un mélange", 14,
     1, 9, "trous_chimie9", 93, 249},
    {"Label_chimie10", "L'eau est un solvant", "chimie10", "L'eau est un solvant", 14, 1, 10, "trous_chimie10", 107,
     249},
    {"Label_chimie14", "Le dioxyde de carbone", "chimie14", "Le dioxyde de carbone", 14, 1, 13, "trous_chimie13", 121,
     249},
    {"Label_optique1", "Sources de lumière et diffusion", "Optique1", "Sources de lumière et diffusion", 14, 2, 1,
     "trous_optique1", 10, 186},
    {"Label_optique2", "Faisceau et rayon de lumière", "Optique2", "Faisceau et rayon de lumière", 14, 2, 2,
     "trous_optique2", 38, 186},
    {"Label_optique3", "Ombre propre, ombre portée et cône d'ombre", "Optique3",
     "Ombre propre, ombre portée et cône d'ombre", 11, 2, 3, "trous_optique3", 66, 210},
    {"Label_optique4", "Système Soleil - Terre - Lune", "Optique4", "Système Soleil-Terre-Lune", 11, 2, 4,
     "trous_optique4", 93, 186},
};

// The text pictures of each panel, as their folders name them.
const char* const listes_textes[3] = {"elec", "chimie", "optique"};

// The tab buttons and their panels (twips in the client area; widths in pixels).
// The tabs show the quiz window's pictures (folder), at the size of these buttons.
struct LigneOnglet {
    double gauche_bouton, haut, largeur_bouton, hauteur;
    const char* dossier;
    std::uint32_t fond;
    const char* bande;
    const char* infobulle;
    int largeur_ouverte, debut_ouverture;
    std::uint32_t couleur_repos;
};
const LigneOnglet lignes_onglets[3] = {
    {-15, 1470, 915, 2340, "onglet_elec", 0xC0FFC0, "bande_elec", "Cliquer pour choisir un thème d'électricité", 184, 16,
     0x8000},
    {-15, 3795, 915, 2175, "onglet_chimie", 0xFFFFC0, "bande_chimie", "Cliquer pour choisir un thème de chimie", 280, 16,
     0x800000},
    {0, 5955, 900, 1770, "onglet_optique", 0xC0E0FF, "bande_optique", "Cliquer pour choisir un thème d'optique", 216, 0,
     0x40C0},
};
}

const QList<ThemeTexte>& fenetre_texte::themes_textes() {
    static const QList<ThemeTexte> liste(std::begin(lignes_themes), std::end(lignes_themes));
    return liste;
}

const ThemeTexte* fenetre_texte::theme(const QString& etiquette) {
    for (const ThemeTexte& t : themes_textes())
        if (etiquette == QLatin1String(t.etiquette)) return &t;
    return nullptr;
}

QImage fenetre_texte::image_texte(int sujet, int image) {
    return image_integree(QStringLiteral(":/assets/textes/%1/%2.png").arg(QLatin1String(listes_textes[sujet])).arg(image));
}

fenetre_texte::fenetre_texte() : FenetreActivite(10320, 7740) {
    HelpContextID = sujet_aide;
    couleur_de_fond(0x80FFFF);
    definir_question_quitter(QStringLiteral("Voulez-vous vraiment quitter le module texte à trous?"));
    QWidget* c = client();

    // The work area first: the banner, the tool bar, the tabs and the panels lie above it.
    Savoir = new BoitePicture(c);
    placer(Savoir, 900, 615, 9405, 7110);
    couleur_fond(Savoir, 0xFFFFFF);

    creer_banniere({QRectF(0, 0, 12015, 615), QStringLiteral(":/assets/qcm/banniere.svg"), QSize(801, 41),
                    QRectF(195, 150, 1500, 300), QStringLiteral("Textes à trous"), QRectF(4140, 90, 3000, 375)});
    // The title is centred in the strip between the identity boxes (131 to 509 pixels), so that
    // no title runs under them.
    std::tie(Titre, Label_titre) = creer_identite_et_titre(75, -45, 9255, 30, 7635, QRectF(1965, 255, 5670, 330));

    cadre_texte = new BoitePicture(Savoir);
    placer(cadre_texte, 75, 825, 9240, 6180);
    cadre_texte->setFocusPolicy(Qt::StrongFocus);
    cadre_texte->hide();
    valider_texte = new BoutonCommande(cadre_texte, QStringLiteral("Valider les réponses"));
    placer(valider_texte, 7320, 75, 1815, 300);
    connect(valider_texte, &QPushButton::clicked, this, &fenetre_texte::valider_texte_Click);
    auto* modele = new ZoneTexte(cadre_texte, QStringLiteral("conducteurs"));
    placer(modele, 165, 465, 1020, 240);
    couleur_fond(modele, 0xC0FFFF);
    couleur_texte(modele, 0x8080);
    police(modele, "Comic Sans MS", 8.25);
    Text.definir_modele(modele);

    // Each tab with its panel and strip, and their image list, by the names the window gives them.
    ListeImages* images_onglets[3] = {&ImageList_command1, &ImageList_command2, &ImageList_command3};
    BoitePicture** const noms[3][3] = {{&Command1, &themes_electricite, &Picture1},
                                       {&Command2, &Themes_chimie, &Picture2},
                                       {&Command3, &Themes_optique, &Picture13}};
    for (int i = 0; i < 3; ++i) {
        const LigneOnglet& o = lignes_onglets[i];
        *images_onglets[i] = ListeImages::depuis_dossier(QStringLiteral("qcm/%1").arg(QLatin1String(o.dossier)), 2,
                                                         QSize(int(o.largeur_bouton / 15), int(o.hauteur / 15)));
        ajouter_onglet({QRectF(o.gauche_bouton, o.haut, o.largeur_bouton, o.hauteur),
                        QRectF(885, o.haut, o.largeur_ouverte * 15.0, o.hauteur), o.fond,
                        QStringLiteral(":/assets/qcm/%1.svg").arg(QLatin1String(o.bande)), *images_onglets[i],
                        QString::fromUtf8(o.infobulle), o.largeur_ouverte, o.debut_ouverture, o.couleur_repos});
        *noms[i][0] = bouton_onglet(i);
        *noms[i][1] = panneau(i);
        *noms[i][2] = bande(i);
    }
    for (const ThemeTexte& t : themes_textes()) {
        Etiquette* e = ajouter_etiquette(t.sujet, QString::fromUtf8(t.legende), t.haut * 15.0, t.largeur * 15.0);
        e->setObjectName(t.etiquette);
        etiquettes_themes.insert(t.etiquette, e);
        const ThemeTexte* theme = &t;
        connect(e, &Etiquette::clic, this, [this, theme] { Label_theme_Click(*theme); });
    }
    Line1 = new Ligne(c, 885, 1485, 885, 7680);
    Line1->lower();
    Savoir->lower();

    creer_barre(2, QSize(28, 27), QSize(21, 21));
    ajouter_boutons_barre_communs(QSize(21, 21));
    placer_barre(0, 600, 900, 810);

    connect(Savoir, &BoitePicture::mouvement, this, &fenetre_texte::Savoir_MouseMove);
}

void fenetre_texte::montrer_identification() { Fenetre::obtenir<Identification_texte>()->Show(); }

void fenetre_texte::Command1_Click() { basculer_panneau(0); }
void fenetre_texte::Command2_Click() { basculer_panneau(1); }
void fenetre_texte::Command3_Click() { basculer_panneau(2); }

void fenetre_texte::Savoir_MouseMove() { MousePointer(0); }

void fenetre_texte::Label_theme_Click(const ThemeTexte& t) {
    // The panel's slide pumps events: a click meanwhile loads its own theme completely, and
    // this one then loads its theme over it. A window closed meanwhile is left alone.
    if (!fermer_panneau(t.sujet)) return;
    theme_courant = QString::fromLatin1(t.code);
    cadre_texte->show();
    Label_titre->show();
    QFont f = Label_titre->font();
    f.setPointSizeF(double(float(double(ecran::TwipsPerPixelX()) * t.taille_titre / 15.0)));
    Label_titre->setFont(f);
    Label_titre->setText(QString::fromUtf8(t.titre));
    valider_texte->setVisible(case_word_textes_cochee());

    for (int i = 1, n = Text.UBound(); i <= n; ++i) Text.Unload(i);
    Text(0)->hide();
    cadre_texte->definir_image(image_texte(t.sujet, t.image));
    const positions_trous& trous = *table_positions_trous(t.table);
    const int n = trous.UBound();
    for (int i = 1; i <= n; ++i) Text.Load(i);
    const double hauteur = twips_de(Text(0)).height();
    for (int i = 0; i <= n; ++i) placer(Text(i), trous(i, 1), trous(i, 2), trous(i, 3), hauteur);
    for (int i = 0; i <= n; ++i) Text(i)->setText(QString());
    for (int i = 0; i <= n; ++i) Text(i)->show();
}

void imprimer_fenetre_texte() { imprimer_fenetre_activite(Fenetre::obtenir<fenetre_texte>(), 45); }
