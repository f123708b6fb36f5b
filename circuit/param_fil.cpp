#include "circuit/param_fil.h"

#include "circuit/composants.h"
#include "circuit/etat_circuit.h"
#include "circuit/fenetre_dessin.h"
#include "frame/adaptation.h"
#include "frame/etat.h"
#include "frame/options_dialogues.h"
#include "platform/dialogues_communs.h"
#include "platform/images.h"
#include "platform/sans_fenetre.h"

#include <QButtonGroup>
#include <QIcon>
#include <vector>

namespace {
// A fixed tool window with a close box and no other button, out of the task bar.
constexpr Qt::WindowFlags fenetre_outil_fixe = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                               Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;
const QString titre_dialogue = QStringLiteral("  Paramètres des fils");

constexpr std::uint32_t MENU_TEXTE = 0x80000007;   // the system's menu-text colour
constexpr std::uint32_t FENETRE_TEXTE = 0x80000008;  // the system's window-text colour
constexpr std::uint32_t GRIS = 0x808080;

// The standard look of a wire: width 2, black, solid.
constexpr float LARGEUR_STANDARD = 2.0f;
constexpr std::uint32_t COULEUR_STANDARD = 0;
constexpr int STYLE_STANDARD = 1;

// The sample strokes beside the options, in the frame's twips: a width or a style each.
struct Echantillon {
    double haut;
    int largeur, style;
};
constexpr Echantillon echantillons_largeur[] = {{285, 1, 1}, {555, 2, 1}, {855, 4, 1}};
constexpr Echantillon echantillons_style[] = {{285, 1, 1}, {570, 1, 3}, {870, 1, 4}};
constexpr double DEBUT_ECHANTILLON = 1185;
constexpr double LONGUEUR_ECHANTILLON = 285;

using C = DialogueFil::Controle;

// Each shared control in both dialogs: its caption in each, and its place in twips (Left, Top,
// Width, Height; in its frame for the options).
struct LigneFil {
    C controle;
    const char* legende_Param_fil;
    QRectF Param_fil;
    const char* legende_Param_fil2;
    QRectF Param_fil2;
};
const LigneFil places_dialogues[] = {
    // control      Param_fil: caption, place                          Param_fil2: caption, place
    {C::Label3, "Modifier la couleur de ce fil", {1230, 945, 1965, 300}, "Couleur des fils", {840, 240, 1965, 300}},
    {C::couleur_fil, "", {3345, 855, 405, 390}, "", {2235, 165, 405, 390}},
    {C::Label2, "Modifier l'épaisseur de ce fil", {1230, 1410, 2070, 300}, "Epaisseur des fils", {840, 690, 2070, 300}},
    {C::Frame1, "", {3360, 1320, 1650, 1095}, "", {2250, 630, 1650, 1095}},
    {C::Option4, " fin", {105, 180, 960, 210}, " fin", {105, 180, 1020, 210}},
    {C::Option5, " moyen", {105, 465, 1035, 210}, " moyen", {105, 465, 1050, 210}},
    {C::Option6, " épais", {105, 750, 1020, 210}, " épais", {105, 750, 1005, 210}},
    {C::Label4, "Modifier le style de ce fil", {1230, 2520, 2070, 300}, "Style des fils", {840, 1800, 2070, 300}},
    {C::Frame2, "", {3360, 2430, 1650, 1095}, "", {2250, 1740, 1650, 1095}},
    {C::Option7, " plein", {105, 165, 1035, 210}, " plein", {105, 165, 1020, 210}},
    {C::Option3, " pointillé", {105, 465, 1035, 210}, " pointillé", {105, 465, 1065, 210}},
    {C::Option8, " alterné", {105, 765, 1110, 210}, " alterné", {105, 765, 1095, 210}},
    {C::Command2, "Valider", {1275, 4065, 1335, 315}, "Valider", {1020, 2955, 1335, 315}},
    {C::Command1, "Annuler", {2820, 4065, 1410, 315}, "Annuler", {2475, 2940, 1410, 315}},
};

// The places of one dialog, taken from its column.
template <class Colonne>
std::vector<DialogueFil::Place> places(Colonne colonne) {
    std::vector<DialogueFil::Place> liste;
    for (const LigneFil& l : places_dialogues) liste.push_back(colonne(l));
    return liste;
}
std::vector<DialogueFil::Place> places_Param_fil() {
    return places([](const LigneFil& l) { return DialogueFil::Place{l.controle, l.legende_Param_fil, l.Param_fil}; });
}
std::vector<DialogueFil::Place> places_Param_fil2() {
    return places([](const LigneFil& l) { return DialogueFil::Place{l.controle, l.legende_Param_fil2, l.Param_fil2}; });
}

void placer_en(QWidget* controle, const DialogueFil::Place& p) {
    placer(controle, p.twips.x(), p.twips.y(), p.twips.width(), p.twips.height());
}

void echantillons(QWidget* cadre, const Echantillon (&liste)[3]) {
    for (const Echantillon& e : liste) {
        auto* l = new LigneSansFenetre(cadre);
        l->placer_twips(DEBUT_ECHANTILLON, e.haut, DEBUT_ECHANTILLON + LONGUEUR_ECHANTILLON, e.haut);
        l->BorderColor(0);
        l->BorderWidth(e.largeur);
        l->BorderStyle(e.style);
    }
}

// The circuit window's sheet enabled again, by the rule of its exercise.
void rendre_Cadre() {
    if (fenetre_dessin* f = Fenetre::si_chargee<fenetre_dessin>()) f->activer_Cadre(true);
}
}

// --- DialogueFil

DialogueFil::DialogueFil(double largeur, double hauteur, const QString& fond, const std::vector<Place>& places)
    : Fenetre(largeur, hauteur, fenetre_outil_fixe) {
    HelpContextID = fenetre_dessin::sujet_aide;
    setWindowTitle(titre_dialogue);
    couleur_de_fond(0xFFFFFF);
    image_de_fond(image_integree(fond, QSize(int(largeur / 15), int(hauteur / 15))));
    QWidget* c = client();
    auto etiquette = [c](const Place& p) {
        auto* e = new Etiquette(c, QString::fromUtf8(p.legende));
        placer_en(e, p);
        police(e, "Arial", 8.25);
        e->transparente(true);
        return e;
    };
    auto cadre = [c](const Place& p) {
        auto* f = new CadreGroupe(c);
        placer_en(f, p);
        f->fond(0xFFFFFF);
        return f;
    };
    auto option = [](QWidget* dans, const Place& p) {
        auto* o = new BoutonOption(dans, QString::fromUtf8(p.legende));
        placer_en(o, p);
        police(o, "Arial", 8.25);
        return o;
    };
    auto bouton = [c](const Place& p, const char* image) {
        auto* b = new BoutonCommande(c, QString::fromUtf8(p.legende));
        placer_en(b, p);
        b->setIcon(QIcon(QPixmap::fromImage(image_integree(QString::fromLatin1(image), QSize(14, 14)))));
        return b;
    };
    for (const Place& p : places) {
        switch (p.controle) {
        case C::Label3: Label3 = etiquette(p); break;
        case C::Label2: Label2 = etiquette(p); break;
        case C::Label4: Label4 = etiquette(p); break;
        case C::couleur_fil:
            couleur_fil = new BoitePicture(c);
            placer_en(couleur_fil, p);
            couleur_fil->definir_bordure(true);
            couleur_fil->BackColor(MENU_TEXTE);
            couleur_fil->MouseIcon(sans_fond_blanc(image_integree(QStringLiteral(":/assets/circuit/param_fil/pinceau.svg"),
                                                                  QSize(32, 32))),
                                   QPoint(1, 30));
            couleur_fil->MousePointer(99);
            break;
        case C::Frame1: Frame1 = cadre(p); break;
        case C::Frame2: Frame2 = cadre(p); break;
        case C::Option4: Option4 = option(Frame1, p); break;
        case C::Option5: Option5 = option(Frame1, p); break;
        case C::Option6: Option6 = option(Frame1, p); break;
        case C::Option7: Option7 = option(Frame2, p); break;
        case C::Option3: Option3 = option(Frame2, p); break;
        case C::Option8: Option8 = option(Frame2, p); break;
        case C::Command2: Command2 = bouton(p, ":/assets/options/valider.svg"); break;
        case C::Command1: Command1 = bouton(p, ":/assets/options/annuler.svg"); break;
        }
    }
    echantillons(Frame1, echantillons_largeur);
    echantillons(Frame2, echantillons_style);
    Option5->setChecked(true);
    Option7->setChecked(true);
    Option3->setEnabled(false);
    Option8->setEnabled(false);
    connect(couleur_fil, &BoitePicture::clic, this, &DialogueFil::couleur_fil_Click);
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
}

void DialogueFil::brancher_options() {
    auto brancher = [this](BoutonOption* o, void (DialogueFil::*gestionnaire)()) {
        connect(o, &QRadioButton::toggled, this, [this, gestionnaire](bool choisie) {
            if (choisie) (this->*gestionnaire)();
        });
    };
    brancher(Option4, &DialogueFil::Option4_Click);
    brancher(Option5, &DialogueFil::Option5_Click);
    brancher(Option6, &DialogueFil::Option6_Click);
}

void DialogueFil::choisir(BoutonOption* option) {
    if (option->isChecked())
        emit option->toggled(true);
    else
        option->setChecked(true);
}

void DialogueFil::styles_actifs(bool oui) {
    Option7->setEnabled(oui);
    Option3->setEnabled(oui);
    Option8->setEnabled(oui);
}

void DialogueFil::Option4_Click() { styles_actifs(true); }

void DialogueFil::Option5_Click() {
    Option7->setChecked(true);
    styles_actifs(false);
    if (plein_apres_moyen_) Option7->setChecked(true);
}

void DialogueFil::Option6_Click() {
    styles_actifs(false);
    Option7->setChecked(true);
}

void DialogueFil::couleur_fil_Click() {
    if (const std::optional<std::uint32_t> choix = ShowColor(this, FENETRE_TEXTE)) couleur_fil->BackColor(*choix);
}

int DialogueFil::largeur_choisie() const {
    if (Option4->isChecked()) return 1;
    if (Option6->isChecked()) return 4;
    return 2;
}

int DialogueFil::style_choisi() const {
    if (Option3->isChecked()) return 3;
    if (Option8->isChecked()) return 4;
    return 1;
}

void DialogueFil::Form_Load() {
    regle_15_twips(*this);
    // The adaptation pass loads every window only to rescale it: the sheet is left alone.
    if (!adaptation_en_cours) Fenetre::obtenir<fenetre_dessin>()->activer_Cadre(false);
}

// --- Param_fil

Param_fil::Param_fil() : DialogueFil(5250, 4515, QStringLiteral(":/assets/circuit/param_fil/fond.svg"), places_Param_fil()) {
    QWidget* c = client();
    cadre_gris = new FormeSansFenetre(c);
    cadre_gris->placer_twips(1155, 780, 5100 - 1155, 3900 - 780);
    cadre_gris->BorderColor(GRIS);

    Label1 = new Etiquette(c, QStringLiteral("Que voulez-vous faire?"));
    placer(Label1, 390, 135, 2355, 225);
    police(Label1, "Arial", 8.25, true);
    Label1->transparente(true);
    Option1 = new BoutonOption(c, QStringLiteral(" Supprimer ce fil"));
    placer(Option1, 900, 435, 1725, 255);
    police(Option1, "Arial", 8.25);
    // Only its button shows: Label3 beside it carries the words.
    Option2 = new BoutonOption(c, QStringLiteral("Modifier la couleur de ce fil"));
    placer(Option2, 900, 1170, 255, 300);
    police(Option2, "Arial", 8.25);
    // One group of their own: an automatic group would take in the options of the frames too
    // (Qt searches the parent's descendants for it) and clear " moyen" or " plein".
    auto* groupe = new QButtonGroup(this);
    groupe->addButton(Option1);
    groupe->addButton(Option2);
    Check1 = new CaseACocher(c, QStringLiteral("Conserver ces paramètres pour les autres fils"));
    placer(Check1, 1275, 3615, 3300, 225);
    police(Check1, "Times New Roman", 6.75);

    // The design state: deleting chosen, yet the swatch and the check box usable; both frames
    // greyed, " plein" greyed too.
    Option1->setChecked(true);
    Frame1->setEnabled(false);
    Frame2->setEnabled(false);
    Option7->setEnabled(false);
    brancher_options();
    connect(Option1, &QRadioButton::toggled, this, [this](bool choisie) {
        if (choisie) Option1_Click();
    });
    connect(Option2, &QRadioButton::toggled, this, [this](bool choisie) {
        if (choisie) Option2_Click();
    });
    connect(Check1, &QCheckBox::toggled, this, &Param_fil::Check1_Click);
}

void Param_fil::Option1_Click() { modification_active(false); }

void Param_fil::Option2_Click() { modification_active(true); }

void Param_fil::modification_active(bool oui) {
    couleur_fil->setEnabled(oui);
    Frame1->setEnabled(oui);
    Check1->setEnabled(oui);
    Frame2->setEnabled(oui);
}

void Param_fil::Check1_Click() {
    if (Check1->isChecked()) return;
    choisir(Option5);
    Option7->setChecked(true);
    couleur_fil->BackColor(0);
}

void Param_fil::remettre_aspect() {
    fenetre_dessin* f = Fenetre::si_chargee<fenetre_dessin>();
    LigneSansFenetre* l = f ? f->fil.element(index_fil) : nullptr;
    if (!l || index_fil == 0) return;
    l->BorderColor(std::uint32_t(couleur_fil_avant));
    l->BorderWidth(epaisseur_fil_avant);
    l->BorderStyle(style_fil_avant);
}

void Param_fil::fermer() {
    hide();
    rendre_Cadre();
}

void Param_fil::Command1_Click() {
    param_fil_ferme = -1;
    remettre_aspect();
    fermer();
}

void Param_fil::Command2_Click() {
    fenetre_dessin* f = Fenetre::si_chargee<fenetre_dessin>();
    if (f && index_fil != 0) {
        if (Option1->isChecked() && f->fil.Unload(index_fil)) {
            f->fil_virtuel.Unload(index_fil);
            --nb_fils;
        }
        if (Option2->isChecked())
            if (LigneSansFenetre* l = f->fil.element(index_fil)) {
                l->BorderColor(couleur_choisie());
                l->BorderWidth(largeur_choisie());
                l->BorderStyle(style_choisi());
            }
    }
    if (Check1->isChecked()) {
        epaisseur_fil_defaut = float(largeur_choisie());
        style_fil_defaut = style_choisi();
        couleur_fil_defaut = couleur_choisie();
    } else {
        epaisseur_fil_defaut = LARGEUR_STANDARD;
        couleur_fil_defaut = COULEUR_STANDARD;
        style_fil_defaut = STYLE_STANDARD;
    }
    param_fil_ferme = -1;
    fermer();
}

void Param_fil::Form_Unload(bool&) {
    // Hidden, it waits on no wire (the adaptation pass unloads it so).
    if (isHidden()) return;
    param_fil_ferme = -1;
    remettre_aspect();
    fermer();
}

// --- Param_fil2

Param_fil2::Param_fil2()
    : DialogueFil(4095, 3600, QStringLiteral(":/assets/circuit/param_fil/fond2.svg"), places_Param_fil2()) {
    plein_apres_moyen_ = true;
    brancher_options();
}

void Param_fil2::rendre_la_main() {
    if (fenetre_dessin* f = Fenetre::si_chargee<fenetre_dessin>()) f->setEnabled(true);
    hide();
    rendre_Cadre();
}

void Param_fil2::Command1_Click() { rendre_la_main(); }

void Param_fil2::Command2_Click() {
    epaisseur_fil_defaut = float(largeur_choisie());
    style_fil_defaut = style_choisi();
    couleur_fil_defaut = couleur_choisie();
    rendre_la_main();
}

void Param_fil2::Form_Unload(bool&) {
    fenetre_dessin* f = Fenetre::obtenir<fenetre_dessin>();
    f->setEnabled(true);
    f->activer_Cadre(true);
}
