#include "circuit/fenetre_dessin.h"

#include "circuit/ajout_texte.h"
#include "circuit/effacement.h"
#include "circuit/etat_circuit.h"
#include "circuit/param_fil.h"
#include "frame/etat.h"
#include "frame/impression.h"
#include "frame/options.h"
#include "frame/options_dialogues.h"
#include "frame/rapport_images.h"
#include "frame/registre_activites.h"
#include "platform/calculatrice.h"
#include "platform/ecran.h"
#include "platform/messages.h"

#include <QAction>
#include <QActionGroup>
#include <QPointer>
#include <algorithm>
#include <cstring>

namespace {
// The nine labels of the theme panel; the four that start a theme are those of themes().
struct LigneEtiquette {
    int numero;             // Label_elec<numero>
    const char* legende;
    double haut;            // twips in the panel
};
const LigneEtiquette etiquettes_panneau[] = {
    {1, "Montage électrique simple", 105},
    {2, "Isolant et conducteur", 330},
    {3, "Les lampes électriques", 570},
    {4, "Schématiser un circuit électrique", 810},
    {5, "Le sens du courant électrique", 1050},
    {6, "Montage en série et en dérivation", 1290},
    {7, "Association de piles en série", 1530},
    {8, "Adaptation générateur-lampe", 1770},
    {9, "Sécurité électrique et court-circuit", 2010},
};

// Toolbar2 beyond its 18 leading separators: key, style, tooltip.
enum class Style { separateur, groupe, simple };
struct BoutonOutil {
    int numero;
    const char* cle;
    Style style;
    int image;  // of ImageList2
    const char* infobulle;
};
const BoutonOutil boutons_outils[] = {
    {19, "pile", Style::groupe, 2, ""},
    {20, "interrupteur", Style::groupe, 4, ""},
    {21, "moteur", Style::groupe, 1, ""},
    {22, "diode", Style::groupe, 3, ""},
    {23, "resistance", Style::groupe, 5, ""},
    {24, "lampe", Style::groupe, 6, ""},
    {25, "fil", Style::groupe, 7, ""},
    {26, "", Style::separateur, 0, ""},
    {27, "sélection", Style::simple, 8, "sélection"},
    {28, "effacer", Style::simple, 9, "tout effacer"},
    {29, "", Style::separateur, 0, ""},
    {30, "texte", Style::simple, 10, "insérer du texte"},
    {31, "", Style::separateur, 0, ""},
    {32, "Curseur", Style::simple, 11, "Curseur standard"},
};
constexpr int LARGEUR_SEPARATEUR = 8;  // pixels

// Toolbar1: key, tooltip, picture of ImageList1.
struct BoutonFenetre {
    const char* cle;
    const char* infobulle;
    int image;
};
const BoutonFenetre boutons_fenetre[] = {
    {"Enregistrer_sous", "Enregistrer sous ...", 1},
    {"Imprimer", "Imprimer", 2},
    {"Quitter", "Quitter", 7},
    {"Calculatrice", "Calculatrice", 8},
    {"Parametre_fil", "Paramètres des fils de connexion", 11},
    {"identification", "identification", 12},
};
// The pictures of ImageList1 that the bar shows.
constexpr int images_ImageList1[] = {1, 2, 7, 8, 11, 12};
const QSize TAILLE_IMAGE_BARRE(24, 24);

constexpr double px = 15;  // twips of a design pixel: the window's places are pixels

// The two lamps share one picture, a circle that its leads may meet on either axis: their palette
// shows each item's leads, this long, so that the pupil sees which way the placed lamp is joined.
constexpr int BOUT_DE_TRAIT = 8;
bool traits_en_palette(const TypeComposant& t) { return t.famille == Famille::lampe; }
}

const std::array<ThemeDessin, 4>& fenetre_dessin::themes() {
    static const std::array<ThemeDessin, 4> liste{{
        {4, "elec4", "Schématiser un circuit électrique", 10, &fenetre_dessin::List_schema},
        {6, "elec6", "Montages en série et en dérivation", 8, &fenetre_dessin::List_serie_deriv},
        {7, "elec7", "Association de piles en série", 3, &fenetre_dessin::List_assoc_pile},
        {9, "elec9", "Sécurité électrique et court-circuit", 2, &fenetre_dessin::List_court_circuit},
    }};
    return liste;
}

fenetre_dessin::fenetre_dessin() : FenetreActivite(688 * px, 540 * px) {
    HelpContextID = sujet_aide;
    couleur_de_fond(0x80FFFF);
    definir_question_quitter(QStringLiteral("Voulez-vous vraiment quitter le module schématisation?"));
    definir_cle_identification(QStringLiteral("identification"));
    definir_marge_hauteur(70);
    QWidget* c = client();

    List_schema = ListeImages::depuis_dossier("circuit/List_schema", 10, QSize(213, 203));
    List_serie_deriv = ListeImages::depuis_dossier("circuit/List_serie_deriv", 8, QSize(213, 203));
    List_assoc_pile = ListeImages::depuis_dossier("circuit/List_assoc_pile", 3, QSize(213, 203));
    List_court_circuit = ListeImages::depuis_dossier("circuit/List_court_circuit", 2, QSize(213, 203));
    ImageList_command1 = ListeImages::depuis_dossier("circuit/ImageList_command1", 2, QSize(61, 160));
    for (int i = 1; i <= 12; ++i)
        ImageList1.ajouter(std::find(std::begin(images_ImageList1), std::end(images_ImageList1), i) !=
                                   std::end(images_ImageList1)
                               ? image_integree(QStringLiteral(":/assets/circuit/ImageList1/%1.svg").arg(i),
                                                TAILLE_IMAGE_BARRE)
                               : QImage());
    ImageList2 = ListeImages::depuis_dossier("circuit/ImageList2", 11, TAILLE_IMAGE_BARRE);
    curseur_list = ListeImages::depuis_dossier("circuit/curseurs", 2, QSize(32, 32));

    Savoir = new BoitePicture(c);
    placer(Savoir, 60 * px, 70 * px, 623 * px, 466 * px);
    couleur_fond(Savoir, 0xFFFFFF);

    creer_banniere({QRectF(-1 * px, 0, 801 * px, 41 * px), QStringLiteral(":/assets/circuit/Picture7.svg"),
                    QSize(801, 41), QRectF(195, 150, 1500, 300), QStringLiteral("Schématisation en électricité"),
                    QRectF(2400, 90, 5610, 375)});
    // The title lies between the identity boxes.
    std::tie(Titre, Label_titre) = creer_identite_et_titre(30, -15, 9255, 35, 7610, QRectF(2040, 225, 5520, 570));

    creer_zone_de_travail();

    // The tab and the theme panel, above the sheet.
    ajouter_onglet({QRectF(0, 126 * px, 61 * px, 160 * px), QRectF(60 * px, 126 * px, 184 * px, 160 * px), 0xC0FFC0,
                    QStringLiteral(":/assets/qcm/bande_elec.svg"), ImageList_command1,
                    QStringLiteral("Cliquer pour choisir un thème d'électricité"), 184, 16, 0x8000});
    Command1 = bouton_onglet(0);
    themes_electricite = panneau(0);
    const double largeur_etiquette = twips_de(themes_electricite).width() - 435;
    for (const LigneEtiquette& l : etiquettes_panneau) {
        Etiquette* e = ajouter_etiquette(0, QString::fromUtf8(l.legende), l.haut, largeur_etiquette);
        e->setObjectName(QStringLiteral("Label_elec%1").arg(l.numero));
        Label_elec[l.numero] = e;
        // A label without a theme is shown greyed and takes no mouse (its panel gets it).
        e->setStyleSheet(QStringLiteral("QLabel:disabled { color: #808080; }"));
        e->setEnabled(false);
    }
    for (const ThemeDessin& t : themes()) {
        Etiquette* e = Label_elec[std::size_t(t.etiquette)];
        e->setEnabled(true);
        connect(e, &Etiquette::clic, this, [this, &t] { Label_theme_Click(t); });
    }

    // The window's commands in the left column, above the tab; the drawing tools above the
    // sheet. Both lie inside the captured area.
    creer_barre(2, QSize(28, 27), TAILLE_IMAGE_BARRE);
    for (const BoutonFenetre& b : boutons_fenetre)
        ajouter_bouton_barre(QString::fromUtf8(b.cle), QString::fromUtf8(b.infobulle), ImageList1.image(b.image));
    placer_barre(0, 42 * px, 56 * px, 81 * px);
    creer_Toolbar2();
    brancher_pointeurs();
    brancher_Cadre();
    creer_mnuflottant();
    creer_mnuflottanttexte();
    Savoir->lower();
}

void fenetre_dessin::creer_zone_de_travail() {
    cadre_dessin = new BoitePicture(Savoir);
    placer(cadre_dessin, 1 * px, 56 * px, 616 * px, 401 * px);
    couleur_fond(cadre_dessin, 0xFFFFFF);
    cadre_dessin->hide();

    Label_num_question_dessin = new Etiquette(cadre_dessin, QStringLiteral("Question n°"));
    placer(Label_num_question_dessin, 3 * px, 0, 213 * px, 18 * px);
    couleur_texte(Label_num_question_dessin, 0xFF);
    couleur_fond(Label_num_question_dessin, 0xFFFFFF);
    police(Label_num_question_dessin, "Arial", 9.75, true);
    Dessin_enonce = new BoitePicture(cadre_dessin);
    placer(Dessin_enonce, 2 * px, 17 * px, 213 * px, 203 * px);
    couleur_fond(Dessin_enonce, 0xFFFFC0);

    Cadre = new BoitePicture(cadre_dessin);
    placer(Cadre, 220 * px, 2 * px, 393 * px, 369 * px);
    Cadre->definir_image(image_integree(QStringLiteral(":/assets/circuit/grille.svg"), QSize(432, 368)));
    creer_palettes();
    creer_elements_du_cadre();
    preparer_palettes();

    Valid = new BoutonCommande(cadre_dessin, QStringLiteral("Valider le résultat"));
    placer(Valid, 220 * px, 374 * px, 130 * px, 24 * px);
    Valid->setEnabled(false);
    Continue = new BoutonCommande(cadre_dessin, QStringLiteral("Continuer"));
    placer(Continue, 360 * px, 374 * px, 110 * px, 24 * px);
    Continue->setEnabled(false);
    connect(Valid, &QPushButton::clicked, this, &fenetre_dessin::Valid_Click);
    connect(Continue, &QPushButton::clicked, this, &fenetre_dessin::Continue_Click);

    copie_cadre_dessin = new BoitePicture(client());
    copie_cadre_dessin->hide();
}

void fenetre_dessin::creer_palettes() {
    for (const CadrePalette& p : cadres_palettes) {
        auto* f = new CadreGroupe(cadre_dessin);
        f->setObjectName(QString::fromLatin1(p.cadre));
        placer(f, GAUCHE_PALETTES * px, HAUT_PALETTES * px, p.largeur * px, p.hauteur * px);
        f->fond(0xFFFFFF);
        f->hide();
        palettes[std::size_t(p.famille)] = f;
        // The hint and its rule under the lowest palette item.
        int bas = 0;
        for (const TypeComposant& t : types_composants)
            if (t.famille == p.famille)
                bas = qMax(bas, t.haut + 32 +
                                    (traits_en_palette(t) && t.orientation == Orientation::verticale ? BOUT_DE_TRAIT : 0));
        auto* consigne = new Etiquette(f, QStringLiteral("Glisser et déposer le dipôle"));
        placer(consigne, 4 * px, (bas + 8) * px, (p.largeur - 8) * px, (p.hauteur - bas - 10) * px);
        couleur_texte(consigne, 0x800000);
        couleur_fond(consigne, 0xFFFFFF);
        consigne->centree(true);
        police(consigne, "Arial", 6.75);
        new Ligne(f, 8 * px, (bas + 4) * px, (p.largeur - 8) * px, (bas + 4) * px, 0xC0C0C0);
    }
    Frame_pile = palettes[std::size_t(Famille::pile)];
    Frame_diode = palettes[std::size_t(Famille::diode)];
    Frame_resistance = palettes[std::size_t(Famille::resistance)];
    Frame_lampe = palettes[std::size_t(Famille::lampe)];
    Frame_interrupteur = palettes[std::size_t(Famille::interrupteur)];
    Frame_moteur = palettes[std::size_t(Famille::moteur)];

    for (std::size_t k = 0; k < types_composants.size(); ++k) {
        const TypeComposant& t = types_composants[k];
        const QString fichier = fichier_symbole(t);
        images_noires[k] = image_integree(QStringLiteral(":/assets/circuit/symboles/%1.svg").arg(fichier), QSize(32, 32));
        images_rouges[k] =
            image_integree(QStringLiteral(":/assets/circuit/symboles_rouges/%1.svg").arg(fichier), QSize(32, 32));
        auto* b = new BoitePicture(palettes[std::size_t(t.famille)]);
        b->setObjectName(QString::fromUtf8(t.tableau));
        placer(b, t.gauche * px, t.haut * px, 32 * px, 32 * px);
        couleur_fond(b, 0xFFFFFF);
        symboles[k].definir_modele(b);
        if (!traits_en_palette(t)) continue;
        QWidget* cadre = palettes[std::size_t(t.famille)];
        const int x = t.gauche, y = t.haut, n = BOUT_DE_TRAIT;
        if (t.orientation == Orientation::horizontale) {
            new Ligne(cadre, (x - n) * px, (y + 16) * px, x * px, (y + 16) * px);
            new Ligne(cadre, (x + 32) * px, (y + 16) * px, (x + 32 + n) * px, (y + 16) * px);
        } else {
            new Ligne(cadre, (x + 16) * px, (y - n) * px, (x + 16) * px, y * px);
            new Ligne(cadre, (x + 16) * px, (y + 32) * px, (x + 16) * px, (y + 32 + n) * px);
        }
    }
}

void fenetre_dessin::creer_elements_du_cadre() {
    icone = new BoitePicture(Cadre);
    placer(icone, 0, 0, 32 * px, 32 * px);
    icone->definir_image(image_integree(QStringLiteral(":/assets/circuit/icone.svg"), QSize(32, 32)));
    icone->hide();

    auto trait = [this](double haut) {
        auto* f = new FormeSansFenetre(Cadre);
        f->Move(8, haut, 32, 1);
        f->BorderColor(0);
        f->Visible(false);
        return f;
    };
    traitav.definir_modele(trait(0));
    traitap.definir_modele(trait(8));
    auto ligne = [this](double x1, double y1, double x2, double y2, int style, std::uint32_t couleur = 0) {
        auto* l = new LigneSansFenetre(Cadre, x1, y1, x2, y2);
        l->BorderColor(couleur);
        l->BorderStyle(style);
        l->Visible(false);
        return l;
    };
    LigneSansFenetre* f0 = ligne(56, 16, 104, 16, 1);
    f0->BorderWidth(2);
    fil.definir_modele(f0);
    constexpr std::uint32_t texte_fenetre = 0x80000008;
    fil_virtuel.definir_modele(ligne(56, 8, 104, 8, 3, texte_fenetre));
    const int debuts[5] = {0, 112, 168, 224, 288};
    const int fins[5] = {0, 160, 216, 272, 336};
    for (int k = 1; k <= 4; ++k)
        fil_selection[k].definir_modele(ligne(debuts[k], 0, fins[k], 0, 3, k == 4 ? 0 : texte_fenetre));

    auto* texte = new EtiquetteSansFenetre(Cadre, QStringLiteral("Texte_ajoute"));
    texte->Move(11, 49, 63, 14);
    texte->BackStyle(0);
    texte->AutoSize(true);
    texte->MouseIcon(sans_fond_blanc(image_integree(QStringLiteral(":/assets/circuit/curseurs/quatre_fleches.svg"),
                                                    QSize(32, 32))),
                     QPoint(15, 15));
    texte->MousePointer(99);
    texte->Visible(false);
    Texte_ajout.definir_modele(texte);
}

void fenetre_dessin::creer_Toolbar2() {
    Toolbar2 = new BarreOutils(client(), 32, QSize(30, 30), TAILLE_IMAGE_BARRE);
    Toolbar2->setObjectName(QStringLiteral("Toolbar2"));
    placer(Toolbar2, 60 * px, 38 * px, 623 * px, 34 * px);
    couleur_fond(Toolbar2, 0x8000000F);
    Toolbar2->setAutoFillBackground(true);
    groupe_outils_ = new QActionGroup(this);
    groupe_outils_->setExclusive(true);
    for (int i = 1; i <= 18; ++i) Toolbar2->ajouter_separateur(LARGEUR_SEPARATEUR);
    for (const BoutonOutil& b : boutons_outils) {
        if (b.style == Style::separateur) {
            Toolbar2->ajouter_separateur(LARGEUR_SEPARATEUR);
            continue;
        }
        QAction* a =
            Toolbar2->ajouter(QString::fromUtf8(b.cle), QString::fromUtf8(b.infobulle), ImageList2.image(b.image));
        if (b.style == Style::groupe) {
            a->setCheckable(true);
            groupe_outils_->addAction(a);
        }
        boutons_Toolbar2[std::size_t(b.numero)] = a;
    }
    connect(Toolbar2, &BarreOutils::bouton_clique, this, &fenetre_dessin::Toolbar2_ButtonClick);
}

TableauControles<BoitePicture>& fenetre_dessin::symbole(const char* tableau) {
    for (std::size_t k = 0; k < types_composants.size(); ++k)
        if (std::strcmp(types_composants[k].tableau, tableau) == 0) return symboles[k];
    qFatal("no symbol array %s", tableau);
}

bool fenetre_dessin::Value(int bouton) const {
    const QAction* a = boutons_Toolbar2.at(std::size_t(bouton));
    return a && a->isChecked();
}

void fenetre_dessin::relacher(int bouton) {
    if (QAction* a = boutons_Toolbar2.at(std::size_t(bouton))) a->setChecked(false);
}

void fenetre_dessin::activer_Cadre(bool actif) {
    if (actif) {
        const bool dessin_permis = cadre_dessin->isHidden() || Valid->isEnabledTo(this);
        const Param_fil* p = Fenetre::si_chargee<Param_fil>();
        if (!dessin_permis || (p && !p->isHidden())) return;
    }
    Cadre->setEnabled(actif);
}

void fenetre_dessin::montrer_identification() { Fenetre::obtenir<Identification_dessin>()->Show(); }

void fenetre_dessin::Command1_Click() { basculer_panneau(0); }

void fenetre_dessin::Label_theme_Click(const ThemeDessin& theme) {
    cadre_dessin->show();
    if (!fermer_panneau(0)) return;
    theme_courant = QString::fromLatin1(theme.code);
    Valid->setEnabled(true);
    initialiser_schema();
    tableau_reponse_DESSIN.vider();
    Label_titre->show();
    QFont f = Label_titre->font();
    f.setPointSizeF(double(float(ecran::TwipsPerPixelX() * 14) / 15.0f));
    Label_titre->setFont(f);
    Label_titre->setText(QString::fromUtf8(theme.titre));
    Label_num_question_dessin->setText(QStringLiteral("Question n°1/%1").arg(theme.questions));
    Dessin_enonce->definir_image((this->*theme.enonces).image(1));
    Valid->setEnabled(true);
    Continue->setEnabled(false);
    activer_Cadre(true);
    nb_questions_dessin = std::int16_t(theme.questions);
    num_question_dessin = 1;
}

void fenetre_dessin::garder_instantane(BoitePicture* tampon) {
    reponse_message = std::int16_t(tableau_reponse_DESSIN.Count() + 1);
    tableau_reponse_DESSIN.ajouter(tampon->Image());
}

void fenetre_dessin::capture_prise(BoitePicture* tampon) { garder_instantane(tampon); }

void fenetre_dessin::Valid_Click() {
    if (MsgBox(QStringLiteral("Voulez-vous vraiment valider votre réponse?"), vb::vbOKCancel,
               QStringLiteral("Attention")) != vb::vbOK) {
        Valid->setEnabled(true);
        Continue->setEnabled(false);
        activer_Cadre(true);
        return;
    }
    Valid->setEnabled(false);
    Continue->setEnabled(true);
    activer_Cadre(false);
    for (CadreGroupe* p : palettes) p->hide();
    // The window repaints without its palettes; a click meanwhile is handled before the copy.
    if (!pause(10)) return;
    capturer_aire(copie_cadre_dessin);
    garder_instantane(copie_cadre_dessin);
}

void fenetre_dessin::Continue_Click() {
    const int i = num_question_dessin;
    const int n = nb_questions_dessin;
    if (i + 1 > n) {
        Valid->setEnabled(false);
        Continue->setEnabled(false);
        if (case_word_dessin_cochee()) {
            QPointer<fenetre_dessin> moi(this);
            sauvegarder_schema_word(this, themes_electricite, tableau_reponse_DESSIN, copie_cadre_dessin,
                                    chemin_schema);
            if (!moi || !moi->vivante()) return;
        }
        MsgBox(QStringLiteral("Exercice terminé"), vb::vbOKOnly);
        return;
    }
    num_question_dessin = std::int16_t(i + 1);
    Label_num_question_dessin->setText(QStringLiteral("Question n°%1/%2").arg(i + 1).arg(n));
    for (const ThemeDessin& t : themes())
        if (theme_courant == QLatin1String(t.code)) Dessin_enonce->definir_image((this->*t.enonces).image(i + 1));
    initialiser_schema();
    Valid->setEnabled(true);
    Continue->setEnabled(false);
    activer_Cadre(true);
}

void fenetre_dessin::Toolbar1_ButtonClick(const QString& cle) {
    if (cle == QLatin1String("Calculatrice")) {
        if (!lancer_calculatrice())
            reponse_message = std::int16_t(
                MsgBoxFichier(QStringLiteral("Impossible de trouver la calculatrice Windows (Chemin: "),
                              QStringLiteral("C:\\Windows\\System32\\Calc.exe"), QStringLiteral(")"),
                              vb::vbCritical | vb::vbOKOnly));
        return;
    }
    if (cle == QLatin1String("Parametre_fil")) {
        setEnabled(false);
        montrer_devant(Fenetre::obtenir<Param_fil2>(), this);
        return;
    }
    FenetreActivite::Toolbar1_ButtonClick(cle);
}

void imprimer_fenetre_dessin() { imprimer_fenetre_activite(Fenetre::obtenir<fenetre_dessin>(), 70); }

// --- the circuit editor's registration and shared state

namespace {
FenetreActivite* ouvrir_fenetre_dessin() { return Fenetre::obtenir<fenetre_dessin>(); }
}

namespace {
// The counters that the start-up sets, with a width and a style for new wires.
void compteurs_de_depart(float epaisseur, std::int32_t style) {
    nb_fils = 0;
    nb_selections = 0;
    trace_fil = false;
    couleur_fil_defaut = 0;
    epaisseur_fil_defaut = epaisseur;
    style_fil_defaut = style;
    nombre_textes = 0;
    nb_textes_ajoutes = 0;
}
}

void reinitialiser_etat_circuit() {
    compteurs_de_depart(0.0f, 0);
    nb_composants = QVariant();
    type_composant = QVariant();
    index_composant = 0;
    deplacement_texte = 0;
    outil_fil = QVariant();
    outil_selection = 0;
    trace_selection = 0;
    x_fin = QVariant();
    y_fin = QVariant();
    index_fil = 0;
    couleur_fil_avant = 0;
    style_fil_avant = 0;
    epaisseur_fil_avant = 0;
    param_fil_ferme = 0;
    index_texte = 0;
    edition_texte = QVariant();
    x_depart = QVariant();
    y_depart = QVariant();
    x_depot = QVariant();
    y_depot = 0.0f;
    nb_questions_dessin = 0;
    num_question_dessin = 0;
}

void valeurs_de_depart_circuit() { compteurs_de_depart(2.0f, 1); }  // "moyen", solid

void enregistrer_circuit() {
    // The main window's circuit button: no tab to choose, no notice, the results unloaded.
    enregistrer_ouvreur({QStringLiteral("Picture11"), ouvrir_fenetre_dessin, 0, 0, false,
                         OuvreurActivite::Resultats::decharger});
    enregistrer_fenetre_passe(fenetre_de_la_passe<fenetre_dessin>(QStringLiteral("fenetre_dessin"), 6, 3));
    enregistrer_fenetre_passe(
        fenetre_de_la_passe<Identification_dessin>(QStringLiteral("Identification_dessin"), 11, 11));
    enregistrer_fenetre_passe(fenetre_de_la_passe<Ajout_texte>(QStringLiteral("Ajout_texte"), 1, 5));
    enregistrer_fenetre_passe(fenetre_de_la_passe<Param_fil>(QStringLiteral("Param_fil"), 20, 20));
    enregistrer_fenetre_passe(fenetre_de_la_passe<Param_fil2>(QStringLiteral("Param_fil2"), 21, 21));
    enregistrer_etat({QStringLiteral("circuit"), valeurs_de_depart_circuit, reinitialiser_etat_circuit});
}
