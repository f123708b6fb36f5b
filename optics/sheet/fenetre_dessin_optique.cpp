#include "optics/sheet/fenetre_dessin_optique.h"

#include "circuit/composants.h"
#include "circuit/etat_circuit.h"
#include "frame/etat.h"
#include "frame/impression.h"
#include "frame/options.h"
#include "frame/rapport_images.h"
#include "optics/editing/effacement.h"
#include "optics/sheet/etat_optique.h"
#include "platform/messages.h"

#include <QActionGroup>
#include <QPointer>
#include <QToolBar>
#include <tuple>

namespace {
const std::array<ThemeOptique, 4> THEMES = {{
    {"optique1", "Sources de lumière et diffusion", "Sources de lumière et diffusion", 14, "List_sources", 5, 150},
    {"optique2", "Faisceau et rayon de lumière", "Faisceau et rayon de lumière", 14, "List_faisceau", 3, 600},
    {"optique3", "Ombre propre, ombre portée et cône d'ombre", "Ombre propre, ombre portée et cône d'ombre", 11,
     "List_ombre", 1, 1065},
    {"optique4", "Système Soleil - Terre - Lune", "Système Terre-Soleil-Lune", 14, "List_STL", 5, 1530},
}};

// The palette items in the sheet, 40 x 40 pixels, four to a row under the statement, in twips.
struct PlaceModele {
    const char* type;
    double gauche, haut;
};
const PlaceModele PALETTE[16] = {
    {"lampe", 30, 3420},        {"ecran", 900, 3420},         {"ecran_coupe", 1770, 3420},        {"cube", 2640, 3420},
    {"filtre", 30, 4110},       {"filtre_coupe", 900, 4110},  {"ecran_perce1", 1770, 4110},       {"ecran_perce1_coupe", 2640, 4110},
    {"ecran_perce2", 30, 4800}, {"ecran_perce2_coupe", 900, 4800}, {"oeil", 1770, 4800},          {"laser", 2640, 4800},
    {"bouledemi", 30, 5490},    {"soleil", 900, 5490},        {"terre", 1770, 5490},              {"lune", 2640, 5490},
};

// The load draws the templates of the drawn kinds in this order, at angle 0.
const char* const ORDRE_DES_MODELES[13] = {"ecran",        "lampe",  "ecran_coupe",  "ecran_perce1_coupe", "ecran_perce2_coupe",
                                           "cube",         "filtre", "filtre_coupe", "oeil",               "ecran_perce1",
                                           "ecran_perce2", "laser",  "bouledemi"};

// The sheet's tool bar: tooltip, picture of ImageList_toolbar_optique, one of the exclusive tools.
struct BoutonOutil {
    const char* infobulle;
    int image;
    bool outil;
};
const BoutonOutil BOUTONS_OPTIQUE[7] = {
    {"Rayon", 1, true}, {"Trait", 2, true}, {"Cercle et ellipse", 3, true}, {"Insérer du texte", 6, false},
    {nullptr, 0, false}, {"Curseur standard", 4, false}, {"Tout effacer", 5, false},
};

constexpr std::uint32_t COULEUR_FENETRE = 0xFFE0C0;
constexpr std::uint32_t COULEUR_FEUILLE = 0xFFF4E8;
}

const std::array<ThemeOptique, 4>& fenetre_dessin_optique::themes() { return THEMES; }

fenetre_dessin_optique::fenetre_dessin_optique() : FenetreActivite(10770, 8205) {
    HelpContextID = sujet_aide;
    centree_au_premier_affichage = true;
    couleur_de_fond(COULEUR_FENETRE);
    definir_question_quitter(QStringLiteral("Voulez-vous vraiment quitter le module schématisation?"));
    QWidget* c = client();

    ImageList_command3 = ListeImages::depuis_dossier("qcm/onglet_optique", 2, QSize(58, 123));
    ImageList_toolbar_optique = ListeImages::depuis_dossier("optique/ImageList_toolbar_optique", 6, QSize(20, 20));
    ImageList_icone_optique = ListeImages::depuis_dossier("optique/ImageList_icone_optique", 3, QSize(32, 32));
    for (std::size_t i = 0; i < THEMES.size(); ++i)
        *listes_enonces()[i] = ListeImages::depuis_dossier(QStringLiteral("optique/") + QLatin1String(THEMES[i].liste),
                                                           THEMES[i].questions, QSize(213, 203));

    // The work area first: the banner, the tab and its sliding panel lie above it.
    Savoir = new BoitePicture(c);
    placer(Savoir, 870, 615, 9750, 7470);
    couleur_fond(Savoir, 0xFFFFFF);
    copie_cadre_dessin_optique = new BoitePicture(c);
    copie_cadre_dessin_optique->hide();

    // The banner's right end, its sun, shows at the window's right edge; the labels stay on its
    // dark left part.
    creer_banniere({QRectF(-1245, 0, 12015, 615), QStringLiteral(":/assets/optique/Picture7.svg"), QSize(801, 41),
                    QRectF(1440, 150, 1500, 300), QStringLiteral("Schématisation en optique"),
                    QRectF(3870, 90, 5610, 375)});
    std::tie(Titre, Label_titre) = creer_identite_et_titre(30, -15, 9690, 35, 8055, QRectF(2040, 225, 5955, 570));

    creer_feuille();

    ajouter_onglet({QRectF(0, 1890, 870, 1845), QRectF(870, 1890, 3600, 1845), 0xC0E0FF,
                    QStringLiteral(":/assets/qcm/bande_optique.svg"), ImageList_command3,
                    QStringLiteral("Cliquer pour choisir un thème d'optique"), 240, 0, 0x40C0});
    Command3 = bouton_onglet(0);
    Themes_optique = panneau(0);
    for (int n = 1; n <= 4; ++n) {
        const ThemeOptique& t = THEMES.at(n - 1);
        Label_optique[n] = ajouter_etiquette(0, QString::fromUtf8(t.legende), t.haut_twips, 3165);
        Label_optique[n]->setObjectName(QStringLiteral("Label_optique%1").arg(n));
        connect(Label_optique[n], &Etiquette::clic, this, [this, n] { Label_optique_Click(n); });
    }
    Savoir->lower();

    creer_barre(4, QSize(30, 30), QSize(24, 24));
    ajouter_boutons_barre_communs(QSize(24, 24));
    placer_barre_au_dessus();
}

void fenetre_dessin_optique::creer_feuille() {
    cadre_dessin_optique = new BoitePicture(Savoir);
    placer(cadre_dessin_optique, 30, 870, 9660, 6540);
    couleur_fond(cadre_dessin_optique, COULEUR_FEUILLE);
    cadre_dessin_optique->hide();

    Label_num_question_dessin = new Etiquette(cadre_dessin_optique, QStringLiteral("Question n°"));
    placer(Label_num_question_dessin, 45, 0, 3195, 270);
    couleur_texte(Label_num_question_dessin, 0xFF);
    police(Label_num_question_dessin, "Arial", 9, true);
    Label_num_question_dessin->transparente(true);
    Dessin_enonce = new BoitePicture(cadre_dessin_optique);
    placer(Dessin_enonce, 30, 255, 3195, 3045);
    couleur_fond(Dessin_enonce, 0xFFFFC0);

    Valid = new BoutonCommande(cadre_dessin_optique, QStringLiteral("Valider le résultat"));
    placer(Valid, 30, 6150, 1785, 360);
    Valid->setEnabled(false);
    Continue = new BoutonCommande(cadre_dessin_optique, QStringLiteral("Continuer"));
    placer(Continue, 1860, 6150, 1365, 360);
    Continue->setEnabled(false);
    connect(Valid, &QPushButton::clicked, this, &fenetre_dessin_optique::Valid_Click);
    connect(Continue, &QPushButton::clicked, this, &fenetre_dessin_optique::Continue_Click);

    cadre_optique = new BoitePicture(cadre_dessin_optique);
    placer(cadre_optique, 3300, 480, 6330, 6000);
    cadre_optique->BackColor(0xFFFFFF);

    creer_palette();
    creer_aides_de_dessin();
    creer_barre_optique();
    brancher_placement();
    brancher_notes();
}

void fenetre_dessin_optique::creer_palette() {
    const auto& types = types_elements();
    for (std::size_t i = 0; i < types.size(); ++i) {
        const TypeElement& t = types[i];
        BoitePicture* b;
        if (t.palette) {
            b = new BoitePicture(cadre_dessin_optique);
            const PlaceModele* place = std::find_if(std::begin(PALETTE), std::end(PALETTE),
                                                    [&t](const PlaceModele& p) { return qstrcmp(p.type, t.nom) == 0; });
            placer(b, place->gauche, place->haut, 600, 600);
            b->setToolTip(QString::fromUtf8(t.info_bulle));
        } else {
            // The hidden templates of the strokes, inside the drawing area.
            b = new BoitePicture(cadre_optique);
            placer(b, 0, 0, 600, 600);
            b->hide();
        }
        b->setObjectName(QString::fromUtf8(t.nom));
        b->BackColor(0xFFFFFF);
        b->ForeColor(0);
        if (t.remplissage_plein) b->FillStyle(0);
        tableaux_[i].definir_modele(b);
    }
    for (const char* astre : {"soleil", "terre", "lune"})
        tableau(QString::fromLatin1(astre))
            ->element(0)
            ->definir_image(image_integree(QStringLiteral(":/assets/optique/%1.svg").arg(astre), QSize(40, 40)));
}

void fenetre_dessin_optique::creer_aides_de_dessin() {
    const QImage curseur_ergot = image_integree(QStringLiteral(":/assets/optique/curseurs/ergot.svg"), QSize(32, 32));
    const QImage curseur_ergots = image_integree(QStringLiteral(":/assets/optique/curseurs/ergots.svg"), QSize(32, 32));
    struct Poignee {
        BoitePicture** boite;
        const char* nom;
        double cote;
        std::uint32_t couleur;
        const QImage* curseur;
    };
    const Poignee poignees[3] = {{&ergot, "ergot", 75, 0xC000, &curseur_ergot},
                                 {&ergot1, "ergot1", 105, 0xFF, &curseur_ergots},
                                 {&ergot2, "ergot2", 105, 0xFF, &curseur_ergots}};
    for (const Poignee& p : poignees) {
        auto* b = new BoitePicture(cadre_optique);
        placer(b, 0, 0, p.cote, p.cote);
        b->setObjectName(QString::fromLatin1(p.nom));
        b->BackColor(p.couleur);
        b->Cls();
        b->MouseIcon(*p.curseur);
        b->MousePointer(99);
        b->hide();
        *p.boite = b;
    }

    for (LigneSansFenetre** ligne : {&Line1_optique, &Line2_optique, &Line3_optique, &Line4_optique, &rayon_virtuel}) {
        *ligne = new LigneSansFenetre(cadre_optique);
        (*ligne)->BorderStyle(3);
        (*ligne)->Visible(false);
    }
    for (LigneSansFenetre* ligne : {Line1_optique, Line2_optique, Line3_optique, Line4_optique}) ligne->BorderColor(0xC0C0C0);

    auto* note = new EtiquetteSansFenetre(cadre_optique, QStringLiteral("Texte_ajoute"));
    note->Move(11, 49, 63, 14);
    QFont police_note(QStringLiteral("Arial"));
    police_note.setPointSizeF(8.25);
    note->Font(police_note);
    note->BackStyle(0);
    note->AutoSize(true);
    note->MouseIcon(sans_fond_blanc(image_integree(QStringLiteral(":/assets/optique/curseurs/texte.svg"), QSize(32, 32))),
                    QPoint(15, 15));
    note->MousePointer(99);
    note->Visible(false);
    Texte_ajout_Optique.definir_modele(note);
}

void fenetre_dessin_optique::creer_barre_optique() {
    Toolbar_optique = new QToolBar(cadre_dessin_optique);
    Toolbar_optique->setObjectName(QStringLiteral("Toolbar_optique"));
    Toolbar_optique->setIconSize(QSize(20, 20));
    Toolbar_optique->setMovable(false);
    Toolbar_optique->setFloatable(false);
    Toolbar_optique->setFocusPolicy(Qt::NoFocus);
    placer(Toolbar_optique, 3300, 30, 6330, 420);
    outils_optique = new QActionGroup(this);
    outils_optique->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (int i = 1; i <= 7; ++i) {
        const BoutonOutil& b = BOUTONS_OPTIQUE[i - 1];
        if (!b.infobulle) {
            boutons_optique_[i] = Toolbar_optique->addSeparator();
            continue;
        }
        QAction* a = Toolbar_optique->addAction(QIcon(QPixmap::fromImage(ImageList_toolbar_optique.image(b.image))),
                                                QString::fromUtf8(b.infobulle));
        a->setToolTip(QString::fromUtf8(b.infobulle));
        if (b.outil) {
            a->setCheckable(true);
            outils_optique->addAction(a);
        }
        boutons_optique_[i] = a;
    }
}

TableauControles<BoitePicture>* fenetre_dessin_optique::tableau(const QString& type) {
    const auto& types = types_elements();
    for (std::size_t i = 0; i < types.size(); ++i)
        if (type == QString::fromUtf8(types[i].nom)) return &tableaux_[i];
    return nullptr;
}

std::array<ListeImages*, 4> fenetre_dessin_optique::listes_enonces() {
    return {&List_sources, &List_faisceau, &List_ombre, &List_STL};
}

const ListeImages* fenetre_dessin_optique::liste_enonces(const QString& code) {
    for (std::size_t i = 0; i < THEMES.size(); ++i)
        if (code == QLatin1String(THEMES[i].code)) return listes_enonces()[i];
    return nullptr;
}

void fenetre_dessin_optique::charger_activite() {
    reinitialiser_chargement_optique();
    tableau(QStringLiteral("lampe"))->element(0)->FillColor(couleur_lampe[0]);
    dessiner_modeles();
}

void fenetre_dessin_optique::dessiner_modeles() {
    // index_selection is 0: the coloured kinds take entry 0 of their tables, their defaults.
    for (const char* nom : ORDRE_DES_MODELES) {
        const QString type = QString::fromLatin1(nom);
        BoitePicture* modele = tableau(type)->element(0);
        dessiner_icone(*type_element(type), *modele, 0);
        modele->figer_image();
    }
}

void fenetre_dessin_optique::montrer_identification() { Fenetre::obtenir<Identification_dessin_optique>()->Show(); }

void fenetre_dessin_optique::capture_prise(BoitePicture* tampon) { tableau_reponse_DESSIN_optique.ajouter(tampon->Image()); }

void fenetre_dessin_optique::prendre_instantane() {
    capturer_aire(copie_cadre_dessin_optique);
    capture_prise(copie_cadre_dessin_optique);
}

void fenetre_dessin_optique::afficher_question() {
    Label_num_question_dessin->setText(
        QStringLiteral("Question n°%1/%2").arg(num_question_dessin).arg(nb_questions_dessin));
    if (const ListeImages* liste = liste_enonces(theme_courant))
        Dessin_enonce->definir_image(liste->image(num_question_dessin));
}

void fenetre_dessin_optique::Label_optique_Click(int numero) {
    // A theme click abandons the sheet in progress without asking; the snapshots stay.
    const ThemeOptique& t = THEMES.at(numero - 1);
    cadre_dessin_optique->show();
    if (!fermer_panneau(0)) return;
    theme_courant = QString::fromLatin1(t.code);
    Valid->setEnabled(true);
    effacer_dessin();
    afficher_titre(Label_titre, QString::fromUtf8(t.titre), t.taille_titre);
    nb_questions_dessin = std::int16_t(t.questions);
    num_question_dessin = 1;
    afficher_question();
    Valid->setEnabled(true);
    cadre_optique->setEnabled(true);
    Continue->setEnabled(false);
}

void fenetre_dessin_optique::Valid_Click() {
    QPointer<fenetre_dessin_optique> moi(this);
    const int reponse =
        MsgBox(QStringLiteral("Voulez-vous vraiment valider votre réponse?"), vb::vbOKCancel, QStringLiteral("Attention"));
    if (!moi || !moi->vivante()) return;
    if (reponse != vb::vbOK) {
        Valid->setEnabled(true);
        Continue->setEnabled(false);
        return;
    }
    Valid->setEnabled(false);
    Continue->setEnabled(true);
    // The drawing is frozen until the next statement.
    cadre_optique->setEnabled(false);
    if (Themes_optique->width() > 20 && !fermer_panneau(0)) return;
    if (!pause(10)) return;
    prendre_instantane();
}

void fenetre_dessin_optique::Continue_Click() {
    if (nb_questions_dessin < num_question_dessin + 1) {
        // The statement shown was the last: the sheet stays frozen.
        Valid->setEnabled(false);
        Continue->setEnabled(false);
        QPointer<fenetre_dessin_optique> moi(this);
        if (case_word_dessin_cochee()) sauvegarder_schema_optique_word();
        if (!moi || !moi->vivante()) return;
        MsgBox(QStringLiteral("Exercice terminé"), vb::vbOKOnly);
        return;
    }
    num_question_dessin = std::int16_t(num_question_dessin + 1);
    afficher_question();
    effacer_dessin();
    Valid->setEnabled(true);
    Continue->setEnabled(false);
    cadre_optique->setEnabled(true);
}

void imprimer_fenetre_dessin_optique() { imprimer_fenetre_activite(Fenetre::obtenir<fenetre_dessin_optique>(), 45); }

void sauvegarder_schema_optique_word() {
    fenetre_dessin_optique* f = Fenetre::obtenir<fenetre_dessin_optique>();
    sauvegarder_schema_word(f, f->Themes_optique, f->tableau_reponse_DESSIN_optique, f->copie_cadre_dessin_optique,
                            chemin_schema);
}
