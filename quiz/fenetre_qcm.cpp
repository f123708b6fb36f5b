#include "quiz/fenetre_qcm.h"

#include "frame/etat.h"
#include "frame/impression.h"
#include "frame/registre_activites.h"
#include "platform/messages.h"
#include "platform/nombres.h"
#include "quiz/chargeurs.h"
#include "quiz/etat_qcm.h"

#include <QPointer>
#include <tuple>

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

fenetre_QCM::fenetre_QCM() : FenetreActivite(10260, 7875) {
    HelpContextID = sujet_aide;
    centree_au_premier_affichage = true;
    couleur_de_fond(0x80FFFF);
    definir_question_quitter(QStringLiteral("Voulez-vous vraiment quitter le module QCM?"));
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

    creer_banniere({QRectF(0, -45, 10275, 615), QStringLiteral(":/assets/qcm/banniere.svg"), QSize(685, 41),
                    QRectF(195, 150, 1500, 300), QStringLiteral("Questionnaire à choix multiples"),
                    QRectF(2625, 90, 5610, 375)});
    // The title is centred in the strip between the identity boxes, so that the longest titles
    // (up to 45 characters at 14 points) never run over the class and date boxes.
    std::tie(Titre, Label_titre) = creer_identite_et_titre(30, -15, 9255, 35, 7640, QRectF(2040, 225, 5520, 570));

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
    const DefinitionOnglet onglets[3] = {
        {QRectF(-15, 1410, 915, 2340), QRectF(885, 1410, 2655, 2340), 0xC0FFC0, QStringLiteral(":/assets/qcm/bande_elec.svg"),
         ImageList_command1, QStringLiteral("Cliquer pour choisir un thème d'électricité"), 184, 16, 0x8000},
        {QRectF(-15, 3735, 915, 2265), QRectF(885, 3735, 3855, 2265), 0xFFFFC0,
         QStringLiteral(":/assets/qcm/bande_chimie.svg"), ImageList_command2,
         QStringLiteral("Cliquer pour choisir un thème de chimie"), 280, 16, 0x800000},
        {QRectF(0, 5985, 900, 1875), QRectF(885, 5985, 3240, 1875), 0xC0E0FF,
         QStringLiteral(":/assets/qcm/bande_optique.svg"), ImageList_command3,
         QStringLiteral("Cliquer pour choisir un thème d'optique"), 216, 0, 0x40C0},
    };
    for (const DefinitionOnglet& o : onglets) ajouter_onglet(o);
    Command1 = bouton_onglet(0);
    Command2 = bouton_onglet(1);
    Command3 = bouton_onglet(2);
    themes_electricite = panneau(0);
    Themes_chimie = panneau(1);
    Themes_optique = panneau(2);
    Picture1 = bande(0);
    Picture2 = bande(1);
    Picture21 = bande(2);

    for (const ThemeQCM& t : themes()) {
        const int i = index_matiere(t.feuille->matiere);
        Etiquette* e = ajouter_etiquette(i, QString::fromUtf8(t.legende), t.haut_twips,
                                         twips_de(panneau(i)).width() - 435);
        e->setObjectName(t.etiquette);
        etiquettes_themes.insert(t.etiquette, e);
        const ThemeQCM* theme = &t;
        connect(e, &Etiquette::clic, this, [this, theme] { Label_theme_Click(*theme); });
    }
    Line37 = new Ligne(Themes_chimie, 30, 2025, 3510, 2025, 0x800000);
    Line1 = new Ligne(c, 885, 1410, 885, 7830);
    Line1->lower();
    Savoir->lower();

    creer_barre(4, QSize(30, 30), QSize(24, 24));
    ajouter_boutons_barre_communs(QSize(24, 24));
    placer_barre_au_dessus();

    connect(client(), &ZoneClient::mouvement, this, &fenetre_QCM::Form_MouseMove);
    connect(Savoir, &BoitePicture::mouvement, this, &fenetre_QCM::Savoir_MouseMove);
}

void fenetre_QCM::charger_activite() {
    charger_questions_chimie();
    charger_questions_elec();
    charger_questions_optique();
}

void fenetre_QCM::montrer_identification() { Fenetre::obtenir<Identification_QCM>()->Show(); }

void fenetre_QCM::Command1_Click() { basculer_panneau(0); }
void fenetre_QCM::Command2_Click() { basculer_panneau(1); }
void fenetre_QCM::Command3_Click() { basculer_panneau(2); }

void fenetre_QCM::Savoir_MouseMove() { MousePointer(0); }
void fenetre_QCM::Form_MouseMove() { MousePointer(0); }

void fenetre_QCM::Label_theme_Click(const ThemeQCM& theme) {
    // The end of a sheet is under way: its results and report belong to the sheet just ended.
    if (fin_en_cours_) return;
    const DefinitionFeuille& d = *theme.feuille;
    if (!fermer_panneau(index_matiere(d.matiere))) return;
    vider_releve_QCM();
    theme_courant = QString::fromLatin1(d.code_theme);
    Frame_QCM->show();
    afficher_titre(Label_titre, QString::fromUtf8(d.titre), theme.taille_titre);
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

void imprimer_fenetre_QCM() { imprimer_fenetre_activite(Fenetre::obtenir<fenetre_QCM>(), 45); }

namespace {
FenetreActivite* fenetre_qcm() { return Fenetre::obtenir<fenetre_QCM>(); }
}

void enregistrer_qcm() {
    using R = OuvreurActivite::Resultats;
    // The main window's quiz buttons: Electricité, Optique, Chimie.
    enregistrer_ouvreur({QStringLiteral("Picture8"), fenetre_qcm, 1, 0, true, R::decharger});
    enregistrer_ouvreur({QStringLiteral("Picture9"), fenetre_qcm, 3, 94, true, R::decharger});
    enregistrer_ouvreur({QStringLiteral("Picture10"), fenetre_qcm, 2, 94, true, R::decharger});
    enregistrer_fenetre_passe(fenetre_de_la_passe<fenetre_QCM>(QStringLiteral("fenetre_QCM"), 8, 1));
    enregistrer_fenetre_passe(fenetre_de_la_passe<Identification_QCM>(QStringLiteral("Identification_QCM"), 13, 13));
    enregistrer_etat({QStringLiteral("qcm"), vider_releve_QCM, reinitialiser_etat_qcm});
}
