#include "frame/form1.h"

#include "frame/adaptation.h"
#include "frame/apropos.h"
#include "frame/etat.h"
#include "frame/fenetre_activite.h"
#include "frame/registre_activites.h"
#include "frame/result_eval.h"
#include "platform/aide.h"
#include "platform/messages.h"
#include "platform/temporisation.h"

#include <QApplication>
#include <QDir>

namespace {
bool termine = false;

// The activity buttons: each with its plain and highlighted picture.
struct BoutonActivite {
    BoitePicture* Form1::*bouton;
    int simple;
    int surligne;
};
}

void terminer_application() {
    termine = true;
    Fenetre::terminer_programme();
    for (Fenetre* f : Fenetre::fenetres_chargees()) f->hide();
    aide::fermer();
    QCoreApplication::quit();
}
bool application_terminee() { return termine; }
void reinitialiser_application_terminee() {
    termine = false;
    Fenetre::reinitialiser_fin_du_programme();
}

Form1::Form1()
    : Fenetre(6345, 3885, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral("Vantarel : Physique-Chimie en 5ème - EVALUATIONS"));
    HelpContextID = aide::sujet_fenetre_principale;
    centree_au_premier_affichage = true;
    couleur_de_fond(0xC0FFFF);
    image_de_fond(image_integree(":/assets/form1/fond.svg", QSize(986, 204)));
    QWidget* c = client();

    ImageList_bouton = ListeImages::depuis_dossier("form1/bouton", 6, QSize(79, 20));
    const int tailles_icones[8] = {15, 15, 21, 15, 21, 21, 21, 21};
    for (int i = 0; i < 8; ++i)
        icone_menu.ajouter(image_integree(QStringLiteral(":/assets/form1/icone_menu/%1.svg").arg(i + 1),
                                          QSize(tailles_icones[i], tailles_icones[i])));

    Picture7 = new BoitePicture(c);
    placer(Picture7, -15, -15, 6390, 615);
    Picture7->definir_image(image_integree(":/assets/form1/banniere.svg", QSize(797, 39)));
    Evaluations = new Etiquette(Picture7, QStringLiteral("Evaluations 5ème"));
    placer(Evaluations, 45, 75, 1605, 435);
    police(Evaluations, "Arial", 9.75, true);
    couleur_texte(Evaluations, 0xFFC0FF);
    Evaluations->transparente(true);
    Label6 = new Etiquette(Picture7, QStringLiteral("Physique-Chimie"));
    placer(Label6, 2115, 90, 3525, 375);
    police(Label6, "Arial", 15.75, true);
    couleur_texte(Label6, 0xFFFF);
    Label6->transparente(true);

    Label1 = new Etiquette(c, QStringLiteral("CHOISSISSEZ UNE ACTIVITE D'EVALUATION"));
    placer(Label1, 570, 765, 7725, 285);
    police(Label1, "Arial", 12, true);
    couleur_texte(Label1, 0xFFFFFF);
    Label1->transparente(true);

    const QImage puce = image_integree(":/assets/form1/puce.svg", QSize(20, 20));
    BoitePicture** puces[3] = {&Picture2, &Picture1, &Picture3};
    const int gauches[3] = {180, 2250, 4275};
    for (int i = 0; i < 3; ++i) {
        *puces[i] = new BoitePicture(c);
        placer(*puces[i], gauches[i], 1320, 255, 240);
        couleur_fond(*puces[i], 0xC0FFFF);
        (*puces[i])->definir_image(puce);
    }

    auto titre_groupe = [c](const QString& texte, double g, double h, double l, double ht) {
        auto* e = new Etiquette(c, texte);
        placer(e, g, h, l, ht);
        police(e, "Arial", 8.25, true);
        couleur_texte(e, 0x800000);
        e->transparente(true);
        return e;
    };
    Label2 = titre_groupe(QStringLiteral("Questionnaire à choix multiples"), 510, 1245, 1605, 375);
    Label3 = titre_groupe(QStringLiteral("Schématisation"), 2580, 1335, 1965, 210);
    Label4 = titre_groupe(QStringLiteral("Textes à trous"), 4605, 1335, 1695, 210);

    auto panneau = [c](double g, double h, double l, double ht) {
        auto* p = new BoitePicture(c);
        placer(p, g, h, l, ht);
        couleur_fond(p, 0xC0FFC0);
        p->definir_bordure(true);
        return p;
    };
    auto bouton = [this](const char* nom, BoitePicture* panneau, double g, double h, double l, double ht, int image) {
        auto* b = new BoitePicture(panneau);
        b->setObjectName(nom);
        placer(b, g, h, l, ht);
        b->setCursor(Qt::PointingHandCursor);
        montrer_image(b, image);
        return b;
    };
    Picture4 = panneau(180, 1755, 1725, 1170);
    Picture8 = bouton("Picture8", Picture4, 225, 60, 1140, 270, 1);
    Picture9 = bouton("Picture9", Picture4, 225, 420, 1140, 240, 3);
    Picture10 = bouton("Picture10", Picture4, 210, 765, 1140, 270, 5);
    Picture5 = panneau(2250, 1740, 1710, 1185);
    Picture11 = bouton("Picture11", Picture5, 225, 60, 1140, 270, 1);
    Picture12 = bouton("Picture12", Picture5, 225, 420, 1140, 240, 3);
    Picture6 = panneau(4275, 1740, 1710, 1170);
    Picture13 = bouton("Picture13", Picture6, 225, 60, 1140, 270, 1);
    Picture14 = bouton("Picture14", Picture6, 225, 420, 1140, 240, 3);
    Picture15 = bouton("Picture15", Picture6, 225, 765, 1140, 270, 5);

    Picture16 = new BoitePicture(c);
    placer(Picture16, 0, 3000, 6375, 945);
    Picture16->definir_image(image_integree(":/assets/form1/logo.svg", QSize(425, 63)));
    Label_patientez = new Etiquette(Picture16, QStringLiteral("Veuillez patienter........."));
    placer(Label_patientez, 105, 585, 2040, 240);
    couleur_texte(Label_patientez, 0x400000);
    Label_patientez->transparente(true);
    Label_patientez->hide();

    // Hover: a move over a button highlights it; a move over its panel puts the group back.
    const BoutonActivite boutons[8] = {{&Form1::Picture8, 1, 2},  {&Form1::Picture9, 3, 4},  {&Form1::Picture10, 5, 6},
                                       {&Form1::Picture11, 1, 2}, {&Form1::Picture12, 3, 4}, {&Form1::Picture13, 1, 2},
                                       {&Form1::Picture14, 3, 4}, {&Form1::Picture15, 5, 6}};
    for (const BoutonActivite& b : boutons) {
        BoitePicture* w = this->*b.bouton;
        const int surligne = b.surligne;
        connect(w, &BoitePicture::mouvement, this, [this, w, surligne] { montrer_image(w, surligne); });
    }
    connect(Picture4, &BoitePicture::mouvement, this, &Form1::Picture4_MouseMove);
    connect(Picture5, &BoitePicture::mouvement, this, &Form1::Picture5_MouseMove);
    connect(Picture6, &BoitePicture::mouvement, this, &Form1::Picture6_MouseMove);
    connect(Picture8, &BoitePicture::clic, this, &Form1::Picture8_Click);
    connect(Picture9, &BoitePicture::clic, this, &Form1::Picture9_Click);
    connect(Picture10, &BoitePicture::clic, this, &Form1::Picture10_Click);
    connect(Picture11, &BoitePicture::clic, this, &Form1::Picture11_Click);
    connect(Picture12, &BoitePicture::clic, this, &Form1::Picture12_Click);
    connect(Picture13, &BoitePicture::clic, this, &Form1::Picture13_Click);
    connect(Picture14, &BoitePicture::clic, this, &Form1::Picture14_Click);
    connect(Picture15, &BoitePicture::clic, this, &Form1::Picture15_Click);

    construire_menus();
}

void Form1::construire_menus() {
    barre_menus = new QMenuBar(this);
    barre_menus->setNativeMenuBar(false);
    ajouter_barre(barre_menus);
    mnufichiers = barre_menus->addMenu(QStringLiteral("Fichier"));
    mnuidentifier = mnufichiers->addAction(QStringLiteral("  Identification"));
    mnuquitter = mnufichiers->addAction(QStringLiteral("  Quitter"));
    mnuoptions = barre_menus->addMenu(QStringLiteral("Options"));
    mnuoptionsSCHEMA = mnuoptions->addMenu(QStringLiteral("  Module EVALUATION-SCHEMATISATION"));
    mnuoptionsDESSIN = mnuoptionsSCHEMA->addAction(QStringLiteral("Options générales"));
    mnuoptionQCM = mnuoptions->addMenu(QStringLiteral("  Module EVALUATION-QCM"));
    mnuoptionsQCM = mnuoptionQCM->addAction(QStringLiteral("Options générales"));
    mnuoptiontexte = mnuoptions->addMenu(QStringLiteral("  Module EVALUATION-TEXTES A TROUS"));
    mnuoptionstexte = mnuoptiontexte->addAction(QStringLiteral("Options générales"));
    mnuaffichage = barre_menus->addMenu(QStringLiteral("Affichage"));
    mnuaffichefenetrenote = mnuaffichage->addAction(QStringLiteral("Afficher la fenêtre de notation du QCM"));
    mnuquoi = barre_menus->addMenu(QStringLiteral("?"));
    mnuaide = mnuquoi->addAction(QStringLiteral("  Aide (F1)"));
    mnuapropos = mnuquoi->addAction(QStringLiteral("  A propos"));

    connect(mnuidentifier, &QAction::triggered, this, &Form1::mnuidentifier_Click);
    connect(mnuquitter, &QAction::triggered, this, &Form1::mnuquitter_Click);
    connect(mnuoptionsDESSIN, &QAction::triggered, this, &Form1::mnuoptionsDESSIN_Click);
    connect(mnuoptionsQCM, &QAction::triggered, this, &Form1::mnuoptionsQCM_Click);
    connect(mnuoptionstexte, &QAction::triggered, this, &Form1::mnuoptionstexte_Click);
    connect(mnuaffichefenetrenote, &QAction::triggered, this, &Form1::mnuaffichefenetrenote_Click);
    connect(mnuaide, &QAction::triggered, this, &Form1::mnuaide_Click);
    connect(mnuapropos, &QAction::triggered, this, &Form1::mnuapropos_Click);
}

void Form1::poser_bitmaps_menus() {
    // Item by its menu's position in the bar and its own position in the menu.
    struct Bitmap {
        int menu;
        int item;
        int image;
    };
    const Bitmap bitmaps[] = {{0, 0, 3}, {0, 1, 4}, {1, 0, 5}, {1, 1, 6}, {1, 2, 7}, {2, 0, 6}};
    const QList<QAction*> menus = barre_menus->actions();
    for (const Bitmap& b : bitmaps) {
        if (b.menu >= menus.size() || !menus[b.menu]->menu()) continue;
        const QList<QAction*> items = menus[b.menu]->menu()->actions();
        if (b.item >= items.size()) continue;
        items[b.item]->setIcon(QIcon(QPixmap::fromImage(icone_menu.image(b.image))));
    }
}

void Form1::Form_Load() {
    regle_15_twips(*this);
    chemin_appli = QDir::toNativeSeparators(QCoreApplication::applicationDirPath());
    titre_theme = "";
    option_note_fin = true;
    option_afficher_reponses = false;
    // The activities' own start values: the circuit sheet's counters and wire defaults, the
    // quiz answer log emptied.
    appliquer_valeurs_de_depart();
    chemin_textes = chemin_appli;
    chemin_QCM = chemin_appli;
    chemin_schema = chemin_appli;
    mot_de_passe_options = MOT_DE_PASSE_ENSEIGNANT;
    poser_bitmaps_menus();
}

void Form1::Form_Unload(bool& annuler) {
    reponse_message = std::int16_t(MsgBox(QStringLiteral("Etes-vous sûr de vouloir quitter VANTAREL?"), vb::vbOKCancel,
                                          QStringLiteral("Avertissement")));
    if (reponse_message == vb::vbOK)
        terminer_application();
    else
        annuler = true;
}

void Form1::montrer_image(BoitePicture* bouton, int index) {
    bouton->setProperty("vb_image_bouton", index);
    bouton->definir_image(ImageList_bouton.image(index));
}

int Form1::image_bouton(const BoitePicture* bouton) const { return bouton->property("vb_image_bouton").toInt(); }

void Form1::Picture4_MouseMove() {
    montrer_image(Picture8, 1);
    montrer_image(Picture9, 3);
    montrer_image(Picture10, 5);
}
void Form1::Picture5_MouseMove() {
    montrer_image(Picture11, 1);
    montrer_image(Picture12, 3);
}
void Form1::Picture6_MouseMove() {
    montrer_image(Picture13, 1);
    montrer_image(Picture14, 3);
    montrer_image(Picture15, 5);
}

void Form1::remettre_groupe(BoitePicture* bouton) {
    if (bouton->parentWidget() == Picture4) Picture4_MouseMove();
    if (bouton->parentWidget() == Picture5) Picture5_MouseMove();
    if (bouton->parentWidget() == Picture6) Picture6_MouseMove();
}

void Form1::ouvrir_activite(BoitePicture* bouton) {
    // The button's row of the activity table; a button no activity took does nothing.
    const OuvreurActivite* o = ouvreur_du_bouton(bouton->objectName());
    if (!o) return;
    if (o->patienter) {
        Label_patientez->show();
        temporisation(10);
        // The program may have been ended from inside the pause.
        if (Fenetre::fin_du_programme()) return;
    }
    FenetreActivite* a = o->fenetre();
    if (o->sujet > 0) {
        // Only the chosen subject's tab shows, at the top of the column.
        for (int i = 0; i < a->nombre_onglets(); ++i) a->bouton_onglet(i)->setVisible(i == o->sujet - 1);
        if (o->haut_onglet > 0 && o->sujet - 1 < a->nombre_onglets()) {
            definir_haut(a->bouton_onglet(o->sujet - 1), o->haut_onglet);
            definir_haut(a->panneau(o->sujet - 1), o->haut_onglet);
        }
    }
    remettre_groupe(bouton);
    a->Show();
    Hide();
    if (o->resultats == OuvreurActivite::Resultats::decharger) {
        Fenetre::decharger<Result_eval>();
    } else {
        // Hidden, the marks window can no longer give the main window back its input (it does
        // so when it closes): the main window takes it back now, as an unload would give it.
        Fenetre::obtenir<Result_eval>()->Hide();
        setEnabled(true);
    }
    Label_patientez->hide();
}

void Form1::Picture8_Click() { ouvrir_activite(Picture8); }
void Form1::Picture9_Click() { ouvrir_activite(Picture9); }
void Form1::Picture10_Click() { ouvrir_activite(Picture10); }
void Form1::Picture11_Click() { ouvrir_activite(Picture11); }
void Form1::Picture12_Click() { ouvrir_activite(Picture12); }
void Form1::Picture13_Click() { ouvrir_activite(Picture13); }
void Form1::Picture14_Click() { ouvrir_activite(Picture14); }
void Form1::Picture15_Click() { ouvrir_activite(Picture15); }

void Form1::mnuaffichefenetrenote_Click() {
    Result_eval* r = Fenetre::obtenir<Result_eval>();
    r->remplir();
    setEnabled(false);
    r->Show();
}

void Form1::mnuquitter_Click() { Unload(); }

void Form1::mnuaide_Click() { aide::envoyer_f1(this); }

void Form1::mnuapropos_Click() { Fenetre::obtenir<Apropos>()->Show(); }
