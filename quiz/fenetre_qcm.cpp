#include "quiz/fenetre_qcm.h"

#include "frame/adaptation.h"
#include "frame/etat.h"
#include "frame/identification.h"
#include "frame/impression.h"
#include "platform/capture.h"
#include "platform/dialogues.h"
#include "platform/ecran.h"
#include "platform/messages.h"
#include "platform/nombres.h"
#include "platform/temporisation.h"
#include "quiz/chargeurs.h"
#include "quiz/etat_qcm.h"

#include <QAction>
#include <QPointer>

namespace {
struct LigneTheme {
    const char* etiquette;
    const char* legende;
    const char* cle;
    double haut;
    int taille;
};
const LigneTheme lignes_themes[] = {
    {"Label_elec1", "Montage électrique simple", "Elec1", 105, 14},
    {"Label_elec2", "Isolant et conducteur", "Elec2", 330, 14},
    {"Label_elec3", "Les lampes électriques", "Elec3", 570, 14},
    {"Label_elec4", "Schématiser un circuit électrique", "Elec4", 810, 14},
    {"Label_elec5", "Le sens du courant électrique", "Elec5", 1050, 14},
    {"Label_elec6", "Montage en série et en dérivation", "Elec6", 1290, 14},
    {"Label_elec7", "Association de piles en série", "Elec7", 1530, 14},
    {"Label_elec8", "Adaptation générateur-lampe", "Elec8", 1770, 14},
    {"Label_elec9", "Sécurité électrique et court-circuit", "Elec9", 2010, 14},
    {"Label_chimie2", "Déceler la présence de l'eau", "chimie2", 30, 14},
    {"Label_chimie3", "Etats et propriétés de l'eau", "chimie3", 255, 14},
    {"Label_chimie5", "Les changements d'état de l'eau", "chimie5", 465, 14},
    {"Label_chimie6", "Mesurer une masse", "chimie6", 690, 14},
    {"Label_chimie7", "Mesurer le volume d'un liquide et d'un solide", "chimie7", 915, 11},
    {"Label_chimie8", "Corps purs et mélanges", "chimie8", 1140, 14},
    {"Label_chimie9", "Séparer les constituants d'un mélange", "chimie9", 1365, 14},
    {"Label_chimie10", "L'eau est un solvant", "chimie10", 1605, 14},
    {"Label_chimie14", "Le dioxyde de carbone", "chimie14", 1830, 14},
    {"Label_chimie13", "Le matériel de chimie", "chimie13", 2055, 14},
    {"Label_optique1", "Sources de lumière et diffusion", "Optique1", 165, 14},
    {"Label_optique2", "Faisceau et rayon de lumière", "Optique2", 570, 14},
    {"Label_optique3", "Ombre propre, ombre portée et cône d'ombre", "Optique3", 1005, 11},
    {"Label_optique4", "Système Soleil - Terre - Lune", "Optique4", 1395, 14},
};

int index_matiere(Matiere m) { return m == Matiere::electricite ? 0 : m == Matiere::chimie ? 1 : 2; }

void appeler_chargeur(Matiere m, const QString& feuille) {
    switch (m) {
    case Matiere::electricite: afficher_question_elec(feuille, question_courante_QCM); break;
    case Matiere::chimie: afficher_question_chimie(feuille, question_courante_QCM); break;
    case Matiere::optique: afficher_question_optique(feuille, question_courante_QCM); break;
    }
}
}

const QList<ThemeQCM>& fenetre_QCM::themes() {
    static const QList<ThemeQCM> liste = [] {
        QList<ThemeQCM> l;
        for (const LigneTheme& t : lignes_themes) l.append({t.etiquette, t.legende, feuille_de_cle(t.cle), t.haut, t.taille});
        return l;
    }();
    return liste;
}

fenetre_QCM::fenetre_QCM()
    : FenetreActivite(10260, 7875, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                       Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(titre_application);
    HelpContextID = 3;
    centree_au_premier_affichage = true;
    couleur_de_fond(0x80FFFF);
    QWidget* c = client();

    ImageList_command1 = ListeImages::depuis_dossier("qcm/onglet_elec", 2, QSize(64, 160));
    ImageList_command2 = ListeImages::depuis_dossier("qcm/onglet_chimie", 2, QSize(59, 149));
    ImageList_command3 = ListeImages::depuis_dossier("qcm/onglet_optique", 2, QSize(58, 123));
    QCM_oui_non = ListeImages::depuis_dossier("qcm/oui_non", 2, QSize(60, 68));
    for (const DefinitionFeuille& d : table_feuilles()) listes_images.insert(d.liste_images, liste_images_qcm(d));

    // The work area first: the tabs and the sliding panels lie above it.
    Savoir = new BoitePicture(c);
    placer(Savoir, 900, 570, 9375, 7290);
    couleur_fond(Savoir, 0xFFFFFF);

    Picture7 = new BoitePicture(c);
    placer(Picture7, 0, -45, 10275, 615);
    Picture7->definir_image(image_integree(":/assets/qcm/banniere.svg", QSize(685, 41)));
    Picture7->setFocusPolicy(Qt::StrongFocus);
    Evaluations = new Etiquette(Picture7, QStringLiteral("Evaluations"));
    placer(Evaluations, 195, 150, 1500, 300);
    couleur_texte(Evaluations, 0xFFC0FF);
    police(Evaluations, "Arial", 9.75, true);
    Evaluations->transparente(true);
    Label6 = new Etiquette(Picture7, QStringLiteral("Questionnaire à choix multiples"));
    placer(Label6, 2625, 90, 5610, 375);
    couleur_texte(Label6, 0xFFFF);
    police(Label6, "Arial", 15.75, true);
    Label6->transparente(true);

    const BandeauIdentite bandeau = creer_bandeau_identite(Savoir, 30, -15, 9255, 35, 7640);
    Titre = bandeau.cadre;
    Nom = bandeau.nom;
    Prenom = bandeau.prenom;
    Classe = bandeau.classe;
    Temps = bandeau.date;
    // The title is centred in the strip between the identity boxes, so that the longest titles
    // (up to 45 characters at 14 points) never run over the class and date boxes.
    Label_titre = new Etiquette(Titre, QStringLiteral("Titre"));
    placer(Label_titre, 2040, 225, 5520, 570);
    couleur_texte(Label_titre, 0xFF);
    couleur_fond(Label_titre, 0xFFFFFF);
    Label_titre->centree(true);
    police(Label_titre, "Arial", 14.25);
    Label_titre->hide();

    Frame_QCM = new CadreGroupe(Savoir);
    placer(Frame_QCM, 45, 840, 9255, 5685);
    Frame_QCM->fond(0xFFFFFF);
    Frame_QCM->hide();
    Exercice = new CadreGroupe(Frame_QCM, QStringLiteral("Exercice n° "));
    placer(Exercice, 225, 120, 8775, 2655);
    Exercice->fond(0xFFFFFF);
    Exercice->couleur_titre(0x40C0);
    police(Exercice, "MS Sans Serif", 9.75);
    Numeroquestion = new Etiquette(Exercice, QStringLiteral("Question n°"));
    placer(Numeroquestion, 240, 360, 1815, 255);
    couleur_texte(Numeroquestion, 0xC0);
    couleur_fond(Numeroquestion, 0xFFFFFF);
    police(Numeroquestion, "MS Sans Serif", 8.25);
    label_question = new Etiquette(Exercice, QStringLiteral("Question"));
    placer(label_question, 240, 720, 3255, 1695);
    couleur_texte(label_question, 0xC0);
    couleur_fond(label_question, 0xC0E0FF);
    police(label_question, "Comic Sans MS", 8.25);
    label_question->setContentsMargins(2, 2, 2, 2);
    Picture_QCM = new BoitePicture(Exercice);
    placer(Picture_QCM, 3600, 255, 5085, 2280);
    couleur_fond(Picture_QCM, 0xFFFFFF);

    Reponses = new CadreGroupe(Frame_QCM, QStringLiteral("Réponses possibles"));
    placer(Reponses, 240, 2880, 8775, 2295);
    Reponses->fond(0xFFFFFF);
    Reponses->couleur_titre(0xC00000);
    police(Reponses, "MS Sans Serif", 9.75);
    const double hauts[6] = {0, 360, 720, 1080, 1440, 1800};
    for (int i = 1; i <= 5; ++i) {
        Option_rep[i] = new BoutonOption(Reponses);
        placer(Option_rep[i], 240, hauts[i], 255, 255);
        couleur_fond(Option_rep[i], 0xFFFFFF);
        Reponse[i] = new Etiquette(Reponses);
        placer(Reponse[i], 600, hauts[i], i == 1 ? 8115 : 8130, 405);
        couleur_fond(Reponse[i], 0xFFFFFF);
        police(Reponse[i], "Comic Sans MS", 8.25);
        connect(Option_rep[i], &QRadioButton::clicked, this, [this, i] { Option_rep_Click(i); });
    }
    Reponse_juste = new CadreGroupe(Reponses, QStringLiteral("REPONSE"));
    placer(Reponse_juste, 4920, 720, 3735, 1455);
    Reponse_juste->fond(0xFFFFFF);
    Reponse_juste->couleur_titre(0x8000);
    police(Reponse_juste, "Arial", 8.25);
    Reponse_juste->hide();
    Picture_Juste_Faux = new BoitePicture(Reponse_juste);
    placer(Picture_Juste_Faux, 120, 240, 945, 1065);
    couleur_fond(Picture_Juste_Faux, 0xFFFFFF);
    Picture_Juste_Faux->definir_image(QCM_oui_non.image(1));
    Reponse_juste_faux = new Etiquette(Reponse_juste, QStringLiteral("JUSTE  FAUX"));
    placer(Reponse_juste_faux, 1080, 240, 2535, 255);
    couleur_texte(Reponse_juste_faux, 0x8000);
    couleur_fond(Reponse_juste_faux, 0xC0E0FF);
    Reponse_juste_faux->centree(true);
    police(Reponse_juste_faux, "Arial", 9.75, true);
    texte_reponse = new Etiquette(Reponse_juste, QStringLiteral("Texte_reponse"));
    placer(texte_reponse, 1080, 600, 2535, 735);
    couleur_fond(texte_reponse, 0xC0FFC0);
    police(texte_reponse, "Arial", 8.25);

    Valid_reponse = new BoutonCommande(Frame_QCM, QStringLiteral("Valider la réponse"));
    placer(Valid_reponse, 240, 5280, 1575, 320);
    Valid_reponse->setIcon(QIcon(QPixmap::fromImage(image_integree(":/assets/qcm/valider.svg", QSize(14, 14)))));
    Valid_reponse->setEnabled(false);
    Continuer = new BoutonCommande(Frame_QCM, QStringLiteral("Continuer"));
    placer(Continuer, 1920, 5280, 1815, 315);
    Continuer->setIcon(QIcon(QPixmap::fromImage(image_integree(":/assets/qcm/continuer.svg", QSize(14, 14)))));
    Continuer->setEnabled(false);
    connect(Valid_reponse, &QPushButton::clicked, this, &fenetre_QCM::Valid_reponse_Click);
    connect(Continuer, &QPushButton::clicked, this, &fenetre_QCM::Continuer_Click);

    // The tab buttons and their panels, above the work area.
    struct Onglet {
        BoitePicture** bouton;
        BoitePicture** panneau;
        BoitePicture** bande;
        ListeImages* images;
        double haut, gauche_bouton, largeur_bouton, hauteur, largeur_panneau;
        std::uint32_t fond, repos;
        int ouvert, debut;
        const char* infobulle;
        const char* bande_svg;
        Matiere matiere;
    };
    const Onglet onglets[3] = {
        {&Command1, &themes_electricite, &Picture1, &ImageList_command1, 1410, -15, 915, 2340, 2655, 0xC0FFC0, 0x8000, 184,
         16, "Cliquer pour choisir un thème d'électricité", ":/assets/qcm/bande_elec.svg", Matiere::electricite},
        {&Command2, &Themes_chimie, &Picture2, &ImageList_command2, 3735, -15, 915, 2265, 3855, 0xFFFFC0, 0x800000, 280,
         16, "Cliquer pour choisir un thème de chimie", ":/assets/qcm/bande_chimie.svg", Matiere::chimie},
        {&Command3, &Themes_optique, &Picture21, &ImageList_command3, 5985, 0, 900, 1875, 3240, 0xC0E0FF, 0x40C0, 216, 0,
         "Cliquer pour choisir un thème d'optique", ":/assets/qcm/bande_optique.svg", Matiere::optique},
    };
    for (int i = 0; i < 3; ++i) {
        const Onglet& o = onglets[i];
        PanneauQCM& p = panneaux_[i];
        *o.panneau = new BoitePicture(c);
        placer(*o.panneau, 885, o.haut, o.largeur_panneau, o.hauteur);
        couleur_fond(*o.panneau, o.fond);
        *o.bande = new BoitePicture(*o.panneau);
        placer(*o.bande, 0, 0, 300, o.hauteur);
        (*o.bande)->definir_image(image_integree(o.bande_svg, QSize(20, int(o.hauteur / 15))));
        *o.bouton = new BoitePicture(c);
        placer(*o.bouton, o.gauche_bouton, o.haut, o.largeur_bouton, o.hauteur);
        couleur_fond(*o.bouton, 0x80FFFF);
        (*o.bouton)->definir_image(o.images->image(1));
        (*o.bouton)->setProperty("vb_onglet", 1);
        (*o.bouton)->setToolTip(QString::fromUtf8(o.infobulle));
        (*o.bouton)->setCursor(Qt::PointingHandCursor);
        p.panneau = *o.panneau;
        p.bouton = *o.bouton;
        p.images_bouton = *o.images;
        p.largeur_ouverte = o.ouvert;
        p.debut_ouverture = o.debut;
        p.couleur_repos = o.repos;
        p.matiere = o.matiere;
        connect(*o.bouton, &BoitePicture::clic, this, [this, i] { glisser_panneau(i); });
    }
    connect(themes_electricite, &BoitePicture::mouvement, this, &fenetre_QCM::themes_electricite_MouseMove);
    connect(Themes_chimie, &BoitePicture::mouvement, this, &fenetre_QCM::Themes_chimie_MouseMove);
    connect(Themes_optique, &BoitePicture::mouvement, this, &fenetre_QCM::Themes_optique_MouseMove);

    for (const ThemeQCM& t : themes()) {
        PanneauQCM& p = panneaux_[index_matiere(t.feuille->matiere)];
        auto* e = new Etiquette(p.panneau, QString::fromUtf8(t.legende));
        placer(e, 375, t.haut_twips, twips_de(p.panneau).width() - 435, 195);
        police(e, "Arial", 6.75);
        couleur_fond(e, couleur_fond_de(p.panneau));
        couleur_texte(e, p.couleur_repos);
        e->setCursor(Qt::PointingHandCursor);
        e->setObjectName(t.etiquette);
        p.etiquettes.append(e);
        etiquettes_themes.insert(t.etiquette, e);
        const ThemeQCM* theme = &t;
        connect(e, &Etiquette::clic, this, [this, theme] { Label_theme_Click(*theme); });
        connect(e, &Etiquette::mouvement, this, [this, e] { Label_theme_MouseMove(e); });
    }
    Line37 = new Ligne(Themes_chimie, 30, 2025, 3510, 2025, 0x800000);
    Line1 = new Ligne(c, 885, 1410, 885, 7830);
    Line1->lower();
    Savoir->lower();

    copie_savoir = new BoitePicture(c);
    copie_savoir->hide();

    Toolbar1 = new QToolBar(this);
    Toolbar1->setIconSize(QSize(24, 24));
    struct BoutonBarre {
        const char* cle;
        const char* infobulle;
        int image;
    };
    const BoutonBarre boutons[4] = {{"Enregistrer_sous", "Enregistrer sous ...", 1},
                                    {"Imprimer", "Imprimer", 2},
                                    {"Quitter", "Quitter", 7},
                                    {"Identification", "Identification", 10}};
    for (const BoutonBarre& b : boutons) {
        const QImage icone = image_integree(QStringLiteral(":/assets/qcm/barre/%1.svg").arg(b.image), QSize(24, 24));
        QAction* a = Toolbar1->addAction(QIcon(QPixmap::fromImage(icone)), QString::fromUtf8(b.infobulle));
        a->setToolTip(QString::fromUtf8(b.infobulle));
        a->setObjectName(b.cle);
        const QString cle = QString::fromUtf8(b.cle);
        connect(a, &QAction::triggered, this, [this, cle] { Toolbar1_ButtonClick(cle); });
    }
    ajouter_barre(Toolbar1);

    connect(client(), &ZoneClient::mouvement, this, &fenetre_QCM::Form_MouseMove);
    connect(Savoir, &BoitePicture::mouvement, this, &fenetre_QCM::Savoir_MouseMove);
}

void fenetre_QCM::Form_Load() {
    regle_15_twips(*this);
    afficher_identite();
    definir_largeur(themes_electricite, 0);
    definir_largeur(Themes_chimie, 0);
    definir_largeur(Themes_optique, 0);
    charger_questions_chimie();
    charger_questions_elec();
    charger_questions_optique();
}

void fenetre_QCM::Form_Unload(bool& annuler) {
    demander_quitter(QStringLiteral("Voulez-vous vraiment quitter le module QCM?"), annuler);
}

int fenetre_QCM::image_onglet(const BoitePicture* bouton) const { return bouton->property("vb_onglet").toInt(); }

void fenetre_QCM::glisser_panneau(int index) {
    QPointer<fenetre_QCM> moi(this);
    PanneauQCM& p = panneaux_[index];
    int image;
    if (p.panneau->width() > 20) {
        for (int w = p.largeur_ouverte; w >= 0; w -= 8) {
            temporisation(1);
            if (!moi || !moi->vivante()) return;
            definir_largeur(p.panneau, w);
        }
        image = 1;
    } else {
        for (int w = p.debut_ouverture; w <= p.largeur_ouverte; w += 8) {
            temporisation(1);
            if (!moi || !moi->vivante()) return;
            definir_largeur(p.panneau, w);
        }
        image = 2;
    }
    p.bouton->definir_image(p.images_bouton.image(image));
    p.bouton->setProperty("vb_onglet", image);
}

void fenetre_QCM::Command1_Click() { glisser_panneau(0); }
void fenetre_QCM::Command2_Click() { glisser_panneau(1); }
void fenetre_QCM::Command3_Click() { glisser_panneau(2); }

void fenetre_QCM::Label_theme_MouseMove(Etiquette* etiquette) {
    for (const PanneauQCM& p : panneaux_) {
        if (!p.etiquettes.contains(etiquette)) continue;
        for (Etiquette* e : p.etiquettes) couleur_texte(e, e == etiquette ? 0xFF : p.couleur_repos);
    }
}

void fenetre_QCM::themes_electricite_MouseMove() {
    for (Etiquette* e : panneaux_[0].etiquettes) couleur_texte(e, panneaux_[0].couleur_repos);
}
void fenetre_QCM::Themes_chimie_MouseMove() {
    for (Etiquette* e : panneaux_[1].etiquettes) couleur_texte(e, panneaux_[1].couleur_repos);
}
void fenetre_QCM::Themes_optique_MouseMove() {
    for (Etiquette* e : panneaux_[2].etiquettes) couleur_texte(e, panneaux_[2].couleur_repos);
}

void fenetre_QCM::Savoir_MouseMove() { MousePointer(0); }
void fenetre_QCM::Form_MouseMove() { MousePointer(0); }

void fenetre_QCM::Toolbar1_ButtonClick(const QString& cle) {
    if (cle == QLatin1String("Enregistrer_sous")) {
        Picture7->setFocus();
        const QSize taille(Savoir->width() + 60, Savoir->height() + 45);
        copie_savoir->resize(taille);
        copie_savoir->Image() = capturer_zone(client(), taille);
        enregistrer_image_sous(this, copie_savoir->Image(), QStringLiteral("Enregistrez sous..."));
    } else if (cle == QLatin1String("Imprimer")) {
        imprimer_fenetre_QCM();
    } else if (cle == QLatin1String("Quitter")) {
        Unload();
    } else if (cle == QLatin1String("Identification")) {
        setEnabled(false);
        ouvrir_identification_qcm();
    }
}

void fenetre_QCM::Label_theme_Click(const ThemeQCM& theme) {
    // The end of a sheet is under way: its results and report belong to the sheet just ended.
    if (fin_en_cours_) return;
    QPointer<fenetre_QCM> moi(this);
    const DefinitionFeuille& d = *theme.feuille;
    PanneauQCM& p = panneaux_[index_matiere(d.matiere)];
    for (int w = p.largeur_ouverte; w >= 0; w -= 8) {
        temporisation(1);
        if (!moi || !moi->vivante()) return;
        definir_largeur(p.panneau, w);
    }
    p.bouton->definir_image(p.images_bouton.image(1));
    p.bouton->setProperty("vb_onglet", 1);
    vider_releve_QCM();
    theme_courant = QString::fromLatin1(d.code_theme);
    Frame_QCM->show();
    Label_titre->show();
    QFont f = Label_titre->font();
    f.setPointSizeF(double(float(ecran::TwipsPerPixelX() * float(theme.taille_titre)) / 15.0f));
    Label_titre->setFont(f);
    Label_titre->setText(QString::fromUtf8(d.titre));
    titre_theme = QString::fromUtf8(d.titre);
    for (int i = 1; i <= 5; ++i) Reponse[i]->setText(QString());
    for (int i = 1; i <= 5; ++i) {
        Option_rep[i]->setEnabled(true);
        Option_rep[i]->Value(false);
    }
    Valid_reponse->setEnabled(false);
    Continuer->setEnabled(false);
    Reponse_juste->hide();
    question_courante_QCM = 1;
    nb_justes = 0;
    appeler_chargeur(d.matiere, QString::fromLatin1(d.cle));
}

void fenetre_QCM::Option_rep_Click(int index) {
    Valid_reponse->setEnabled(question_courante_QCM <= nb_questions_QCM);
    choix_eleve = std::int16_t(index);
}

void fenetre_QCM::afficher_retour(bool juste) {
    Reponse_juste->show();
    couleur_texte(Reponse_juste_faux, juste ? 0x8000 : 0xFF);
    couleur_fond(Reponse_juste_faux, juste ? 0xC0FFC0 : 0xC0E0FF);
    Reponse_juste_faux->setText(juste ? QStringLiteral("JUSTE !") : QStringLiteral("FAUX !"));
    texte_reponse->setText(texte_correction);
    couleur_fond(texte_reponse, juste ? 0xC0FFC0 : 0xC0E0FF);
    Picture_Juste_Faux->definir_image(QCM_oui_non.image(juste ? 1 : 2));
}

void fenetre_QCM::Valid_reponse_Click() {
    if (MsgBox(QStringLiteral("Voulez-vous vraiment valider votre réponse?"), vb::vbOKCancel,
               QStringLiteral("Attention")) != vb::vbOK)
        return;
    Continuer->setEnabled(true);
    for (int i = 1; i <= 5; ++i) Option_rep[i]->setEnabled(false);
    const bool juste = int(nombres::Val(bonne_reponse)) == choix_eleve && choix_eleve >= 1;
    if (option_afficher_reponses) afficher_retour(juste);
    if (juste) nb_justes += 1;
    if (question_courante_QCM <= nb_questions_QCM && nb_reponses_QCM < TAILLE_RELEVE_QCM && choix_eleve >= 1 &&
        choix_eleve <= 5) {
        const int k = ++nb_reponses_QCM;
        const LigneQCM& ligne = tableau_QCM[question_courante_QCM];
        questions_posees[k] = ligne[3];
        reponses_eleve[k] = ligne[choix_eleve + 3];
        corrections[k] = ligne[10];
    }
    Valid_reponse->setEnabled(false);
}

void fenetre_QCM::Continuer_Click() {
    // One end per sheet: a click while the end of the sheet runs is ignored.
    if (fin_en_cours_) return;
    QPointer<fenetre_QCM> moi(this);
    ++question_courante_QCM;
    for (int i = 1; i <= 5; ++i) Reponse[i]->setText(QString());
    for (int i = 1; i <= 5; ++i) Option_rep[i]->hide();
    for (int i = 1; i <= 5; ++i) Option_rep[i]->Value(false);
    const bool fin = question_courante_QCM > nb_questions_QCM;
    fin_en_cours_ = fin;
    const QString code = theme_courant;
    if (code.startsWith('e')) afficher_question_elec(code, question_courante_QCM);
    if (code.startsWith('c')) afficher_question_chimie(code, question_courante_QCM);
    if (code.startsWith('O')) afficher_question_optique(code, question_courante_QCM);
    if (!moi || !moi->vivante()) return;
    if (question_courante_QCM > nb_questions_QCM) {
        Valid_reponse->setEnabled(false);
        reponse_message = std::int16_t(MsgBox(QStringLiteral("Exercice terminé"), vb::vbExclamation | vb::vbOKOnly));
        if (!moi || !moi->vivante()) return;
        label_question->setText(QString());
        Frame_QCM->hide();
        Label_titre->setText(QString());
    } else {
        Valid_reponse->setEnabled(false);
    }
    for (int i = 1; i <= 5; ++i) Option_rep[i]->setEnabled(true);
    Continuer->setEnabled(false);
    Reponse_juste->hide();
    fin_en_cours_ = false;
}
