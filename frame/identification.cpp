#include "frame/identification.h"

#include "platform/aide.h"
#include "frame/adaptation.h"
#include "frame/apropos.h"
#include "frame/etat.h"
#include "frame/facteur_impression.h"
#include "frame/form1.h"
#include "frame/impression.h"
#include "frame/message_resolution.h"
#include "frame/mot_de_passe.h"
#include "frame/options_dialogues.h"
#include "frame/registre_activites.h"
#include "frame/result_eval.h"
#include "platform/ecran.h"
#include "platform/images.h"
#include "platform/messages.h"
#include "platform/nombres.h"
#include "platform/temporisation.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QPointer>
#include <QScreen>

namespace {
const QString aucun = QStringLiteral("Aucun");

QIcon icone(const QString& chemin) { return QIcon(QPixmap::fromImage(image_integree(chemin, QSize(16, 16)))); }
}

QRegion region_rectangle_arrondi(int x1, int y1, int x2, int y2, int largeur_coin, int hauteur_coin) {
    const int l = x2 - x1, h = y2 - y1;
    if (l <= 0 || h <= 0) return QRegion();
    const int lc = qMin(largeur_coin, l), hc = qMin(hauteur_coin, h);
    QRegion r(x1 + lc / 2, y1, l - 2 * (lc / 2), h);
    r += QRegion(x1, y1 + hc / 2, l, h - 2 * (hc / 2));
    r += QRegion(x1, y1, lc, hc, QRegion::Ellipse);
    r += QRegion(x2 - lc, y1, lc, hc, QRegion::Ellipse);
    r += QRegion(x1, y2 - hc, lc, hc, QRegion::Ellipse);
    r += QRegion(x2 - lc, y2 - hc, lc, hc, QRegion::Ellipse);
    return r;
}

// --- the family

DialogueIdentification::DialogueIdentification(double largeur_twips, double hauteur_twips, Qt::WindowFlags drapeaux,
                                               const QString& legende_command3, const QString& fond)
    : Fenetre(largeur_twips, hauteur_twips, drapeaux) {
    couleur_de_fond(0xFFFFFF);
    image_de_fond(image_integree(fond, QSize(int(largeur_twips / 15), int(hauteur_twips / 15))));
    QWidget* c = client();

    Image1 = new BoitePicture(c);
    placer(Image1, 120, 120, 1620, 945);
    Image1->definir_image(image_integree(":/assets/identification/image1.svg", QSize(108, 63)));
    Picture1 = new BoitePicture(c);
    placer(Picture1, 2265, 90, 1575, 735);
    Picture1->definir_image(image_integree(":/assets/identification/picture1.svg", QSize(105, 49)));

    Label5 = new Etiquette(c, QStringLiteral("IDENTIFICATION"));
    placer(Label5, 1860, 780, 2640, 285);
    police(Label5, "Lucida Sans Unicode", 12, true);
    // Where that face is missing, a face of Arial's widths rather than the wider default.
    QFont titre = Label5->font();
    titre.setFamilies({QStringLiteral("Lucida Sans Unicode"), QStringLiteral("Liberation Sans")});
    Label5->setFont(titre);
    couleur_texte(Label5, 0x0000FFFF);
    Label5->transparente(true);

    // The four rows: picture, label, box.
    struct Rangee {
        Etiquette** etiquette;
        ZoneTexte** boite;
        BoitePicture** image;
        const char* legende;
        const char* dessin;
        double haut;
        double haut_image;
        std::uint32_t fond;
    };
    const Rangee rangees[4] = {
        {&Label1, &Nom, &Picture2, "Nom:", "nom", 1110, 1140, 0x00FFFFC0},
        {&Label2, &Prenom, &Picture3, "Prénom:", "prenom", 1470, 1500, 0x00FFFFC0},
        {&Label3, &Classe, &Picture4, "Classe:", "classe", 1830, 1860, 0x00C0FFC0},
        {&Label4, &Temps, &Picture5, "Date:", "date", 2190, 2210, 0x00C0E0FF},
    };
    for (const Rangee& r : rangees) {
        *r.image = new BoitePicture(c);
        placer(*r.image, 120, r.haut_image, 250, 250);
        (*r.image)->definir_image(
            image_integree(QStringLiteral(":/assets/identification/%1.svg").arg(QLatin1String(r.dessin)), QSize(17, 17)));
        *r.etiquette = new Etiquette(c, QString::fromUtf8(r.legende));
        placer(*r.etiquette, 480, r.haut, 855, 325);
        police(*r.etiquette, "MS Sans Serif", 9.75);
        (*r.etiquette)->centree(true);
        (*r.etiquette)->bordure(true);
        couleur_fond(*r.etiquette, r.fond);
        *r.boite = new ZoneTexte(c);
        placer(*r.boite, 1320, r.haut, 2775, 325);
        couleur_fond(*r.boite, r.fond);
    }
    Temps->setReadOnly(true);
    couleur_texte(Temps, 0x00004080);

    MonthView1 = new QCalendarWidget(c);
    placer(MonthView1, 4140, 315, 2490, 2205);
    police(MonthView1, "Arial", 6.75);
    MonthView1->setLocale(QLocale());
    MonthView1->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    // Day names that fit the small font and width: "L M M J V S D".
    MonthView1->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
    MonthView1->setSelectedDate(QDate(2004, 1, 2));
    MonthView1->setCurrentPage(2004, 1);

    Command3 = new BoutonCommande(c, legende_command3);
    placer(Command3, 1320, 2595, 1215, 345);
    Command3->setIcon(icone(":/assets/identification/aucun.svg"));
    Command1 = new BoutonCommande(c, QStringLiteral("Valider"));
    placer(Command1, 2595, 2600, 1500, 350);
    Command1->setIcon(icone(":/assets/identification/valider.svg"));

    // The labels lie beneath the boxes, pictures and calendar where they touch them.
    for (Etiquette* e : {Label5, Label1, Label2, Label3, Label4}) e->lower();

    connect(MonthView1, &QCalendarWidget::clicked, this, &DialogueIdentification::MonthView1_DateClick);
    connect(Command1, &QPushButton::clicked, this, &DialogueIdentification::Command1_Click);
    connect(Command3, &QPushButton::clicked, this, &DialogueIdentification::Command3_Click);
}

void DialogueIdentification::dater_aujourd_hui() {
    Temps->setText(QLocale().toString(QDate::currentDate(), QLocale::ShortFormat));
}

void DialogueIdentification::MonthView1_DateClick() {
    const QDate d = MonthView1->selectedDate();
    Temps->setText(QStringLiteral("%1/%2/%3")
                       .arg(d.day(), 2, 10, QLatin1Char('0'))
                       .arg(d.month(), 2, 10, QLatin1Char('0'))
                       .arg(d.year()));
}

void DialogueIdentification::Command1_Click() {
    nom_eleve = Nom->text();
    prenom_eleve = Prenom->text();
    date_evaluation = Temps->text();
    classe_eleve = Classe->text();
    copier_vers_cible();

    const struct {
        ZoneTexte* boite;
        const char* message;
    } controles[4] = {
        {Prenom, "Attention: vous devez indiquer un prénom!"},
        {Nom, "Attention: vous devez indiquer un nom!"},
        {Classe, "Attention: vous devez indiquer une classe!"},
        {Temps, "Attention: vous devez indiquer une date!"},
    };
    for (const auto& c : controles) {
        if (!c.boite->text().isEmpty()) continue;
        reponse_message = std::int16_t(MsgBox(QString::fromUtf8(c.message), vb::vbExclamation | vb::vbOKOnly,
                                              QStringLiteral("Identification")));
        c.boite->setFocus();
        return;
    }
    rendre_la_main();
}

void DialogueIdentification::Command3_Click() {
    nom_eleve = aucun;
    prenom_eleve = aucun;
    date_evaluation = aucun;
    classe_eleve = aucun;
    copier_vers_cible();
    rendre_la_main();
}

// --- the main window's dialog

Identification::Identification()
    : DialogueIdentification(7575, 3015, Qt::Tool | Qt::FramelessWindowHint, QStringLiteral("Aucun"),
                             QStringLiteral(":/assets/identification/fond.svg")) {
    HelpContextID = aide::sujet_fenetre_principale;
}

void Identification::Form_Load() {
    adaptation_en_cours = false;
    if (ecran::TwipsPerPixelX() != 15.0f || ecran::TwipsPerPixelY() != 15.0f) passe_adaptation(*this);
    // The region is computed from the design size over a fixed 15, whatever the screen.
    const int droite = int(nombres::arrondi_pair(largeur_twips() / 15.0));
    const int bas = int(nombres::arrondi_pair(hauteur_twips() / 15.0));
    setMask(region_rectangle_arrondi(0, 0, droite, bas, 30, 30));
    update();
    definir_taille_twips(7575, hauteur_twips());
    dater_aujourd_hui();
    Nom->setText(QString());
}

void Identification::Show() {
    if (!vivante() || Fenetre::fin_du_programme()) return;
    if (!deja_montree_) {
        deja_montree_ = true;
        adjustSize();
        if (QScreen* s = QGuiApplication::primaryScreen()) {
            const QRect zone = s->availableGeometry();
            move(zone.center() - QPoint(width() / 2, height() / 2));
        }
    }
    montrer_devant(this, Fenetre::si_chargee<Form1>());
}

void Identification::rendre_la_main() {
    Hide();
    Form1* f = Fenetre::obtenir<Form1>();
    f->setEnabled(true);
    f->Show();
}

void Identification::closeEvent(QCloseEvent* e) {
    if (Fenetre::fin_du_programme()) {
        Fenetre::closeEvent(e);
        return;
    }
    e->ignore();
}

// --- the activity windows' dialogs

IdentificationActivite::IdentificationActivite(double largeur_twips, double hauteur_twips, const QString& titre,
                                               const QString& legende_command3)
    : DialogueIdentification(largeur_twips, hauteur_twips,
                             Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                                 Qt::MSWindowsFixedSizeDialogHint,
                             legende_command3, QStringLiteral(":/assets/identification/fond_activite.svg")) {
    setWindowTitle(titre);
}

void IdentificationActivite::Show() { montrer_devant(this, cible()); }

void IdentificationActivite::Form_Load() {
    regle_15_twips(*this);
    dater_aujourd_hui();
}

void IdentificationActivite::Form_Unload(bool&) { cible()->setEnabled(true); }

void IdentificationActivite::copier_vers_cible() { cible()->afficher_identite(); }

void IdentificationActivite::rendre_la_main() {
    cible()->setEnabled(true);
    Hide();
}

// --- the adaptation pass

namespace {
// The frame's windows of the pass, with their places in its two orders: rescaling goes
// alphabetically (letter case aside); unloading starts with the four activity windows (quiz,
// texts, circuits, optics) and then goes alphabetically. The activities register theirs.
void enregistrer_fenetres_du_cadre() {
    enregistrer_fenetre_passe(fenetre_de_la_passe<Apropos>(QStringLiteral("Apropos"), 4, 8));
    enregistrer_fenetre_passe(fenetre_de_la_passe<Facteur_impression>(QStringLiteral("Facteur_impression"), 5, 9));
    enregistrer_fenetre_passe(fenetre_de_la_passe<Form1>(QStringLiteral("Form1"), 10, 10));
    enregistrer_fenetre_passe(fenetre_de_la_passe<impression>(QStringLiteral("impression"), 15, 15));
    enregistrer_fenetre_passe(fenetre_de_la_passe<Mot_de_passe>(QStringLiteral("Mot_de_passe"), 16, 16));
    enregistrer_fenetre_passe(fenetre_de_la_passe<Options_DESSIN>(QStringLiteral("Options_DESSIN"), 17, 17));
    enregistrer_fenetre_passe(fenetre_de_la_passe<Options_QCM>(QStringLiteral("Options_QCM"), 18, 18));
    enregistrer_fenetre_passe(fenetre_de_la_passe<Options_TEXTES>(QStringLiteral("Options_TEXTES"), 19, 19));
    enregistrer_fenetre_passe(fenetre_de_la_passe<Result_eval>(QStringLiteral("Result_eval"), 22, 22));
}

// A window the pass loaded goes away as at the end of the program: without its unload handler,
// which would ask its quit question or touch the windows it serves.
void decharger_en_silence(Fenetre* f) {
    f->hide();
    delete f;
}
}

void passe_adaptation(Identification& dialogue) {
    enregistrer_fenetres_du_cadre();
    adaptation_en_cours = true;
    QList<QPointer<Fenetre>> deja_chargees;
    for (Fenetre* f : Fenetre::fenetres_chargees()) deja_chargees.append(f);
    auto deja_chargee = [&deja_chargees](Fenetre* f) { return f && deja_chargees.contains(QPointer<Fenetre>(f)); };

    message_resolution* notice = Fenetre::obtenir<message_resolution>();
    adapter_resolution(*notice);
    notice->Show();
    notice->repaint();  // painted before the long loading starts, whatever the display's delays
    temporisation(2);
    adapter_resolution(dialogue);
    deja_chargees.append(notice);

    for (const FenetreDeLaPasse& e : fenetres_par_adaptation())
        if (!deja_chargee(e.si_chargee())) adapter_resolution(*e.charger());
    for (const FenetreDeLaPasse& e : fenetres_par_dechargement()) {
        Fenetre* f = e.si_chargee();
        if (f && !deja_chargee(f)) decharger_en_silence(f);
    }
    // Windows that a load of the pass brought in by itself.
    for (Fenetre* f : Fenetre::fenetres_chargees())
        if (!deja_chargee(f)) decharger_en_silence(f);

    notice->Hide();
    adaptation_en_cours = false;
    if (Form1* f = Fenetre::si_chargee<Form1>()) f->Hide();
}
