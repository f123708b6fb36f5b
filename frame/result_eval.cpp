#include "frame/result_eval.h"

#include "platform/aide.h"

#include "frame/etat.h"
#include "frame/fenetre_activite.h"
#include "frame/form1.h"
#include "platform/capture.h"
#include "platform/dialogues.h"
#include "platform/images.h"
#include "platform/messages.h"
#include "platform/nombres.h"
#include "quiz/etat_qcm.h"

#include <QLocale>

QString texte_note(float justes, int questions) {
    const float note = justes * 20.0f / float(questions);
    const double arrondie = nombres::arrondi_decimal(double(note), 1);
    const qint64 dixiemes = qint64(std::llround(arrondie * 10.0));
    const qint64 entiers = dixiemes / 10;
    const int reste = int(std::abs(dixiemes % 10));
    QString texte = QString::number(std::abs(entiers)).rightJustified(2, '0');
    if (dixiemes < 0) texte.prepend('-');
    return texte + QLocale().decimalPoint() + QString::number(reste) + QStringLiteral(" / 20");
}

Result_eval::Result_eval()
    : Fenetre(7620, 3540, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral("Résultats de l'évaluation"));
    HelpContextID = aide::sujet_resultats;
    couleur_de_fond(0xFFFFFF);

    Picture1 = new BoitePicture(client());
    placer(Picture1, 0, -60, 7695, 3615);
    couleur_fond(Picture1, 0xFFFFFF);
    Picture1->definir_image(image_integree(":/assets/result_eval/fond.svg", QSize(513, 241)));

    const BandeauIdentite bandeau = creer_bandeau_identite(Picture1, 0, 0, 7575, 75, 5880);
    Titre = bandeau.cadre;
    Nom_eval = bandeau.nom;
    Prenom_eval = bandeau.prenom;
    Classe_eval = bandeau.classe;
    Temps_eval = bandeau.date;
    Label_titre2 = new Etiquette(Titre);
    placer(Label_titre2, 2160, 180, 3540, 570);
    couleur_texte(Label_titre2, 0xFF);
    couleur_fond(Label_titre2, 0xFFFFFF);
    Label_titre2->centree(true);
    police(Label_titre2, "MS Sans Serif", 9.75);

    auto etiquette = [this](const QString& texte, double g, double h, double l, double ht, std::uint32_t fond) {
        auto* e = new Etiquette(Picture1, texte);
        placer(e, g, h, l, ht);
        couleur_fond(e, fond);
        police(e, "MS Sans Serif", 8.25);
        return e;
    };
    Label1 = etiquette(QStringLiteral("Nombre de questions évaluées:"), 1935, 1320, 2415, 255, 0xC0FFFF);
    Label5 = etiquette(QString(), 4455, 1320, 735, 255, 0xFFFFFF);
    Label2 = etiquette(QStringLiteral("Nombre de questions justes:"), 1935, 1680, 2415, 255, 0xFF00);
    Label6 = etiquette(QString(), 4455, 1680, 855, 255, 0xFFFFFF);
    couleur_texte(Label6, 0x4000);
    Label3 = etiquette(QStringLiteral("Nombre de questions fausses:"), 1935, 2040, 2415, 255, 0x8080FF);
    Label7 = etiquette(QString(), 4455, 2040, 735, 375, 0xFFFFFF);
    couleur_texte(Label7, 0x80);
    Label4 = etiquette(QStringLiteral("NOTE:"), 1935, 2640, 2295, 255, 0xFFFFFF);
    couleur_texte(Label4, 0xFF);
    police(Label4, "MS Sans Serif", 12, true);
    Label8 = etiquette(QString(), 2895, 2640, 1335, 375, 0xC0E0FF);
    couleur_texte(Label8, 0xFF);
    Label8->bordure(true);
    Label8->centree(true);
    police(Label8, "MS Sans Serif", 12, true);

    // The frame around the counts and the mark.
    new Ligne(Picture1, 1815, 1080, 5415, 1080);
    new Ligne(Picture1, 5415, 1080, 5415, 3240);
    new Ligne(Picture1, 1815, 3240, 5415, 3240);
    new Ligne(Picture1, 1815, 1080, 1815, 3240);

    auto bouton = [this](const QString& texte, double h, const QString& icone) {
        auto* b = new BoutonCommande(Picture1, texte);
        placer(b, 5760, h, 1815, 735);
        b->setIcon(QIcon(QPixmap::fromImage(image_integree(icone, QSize(21, 21)))));
        b->setIconSize(QSize(21, 21));
        return b;
    };
    Command2 = bouton(QStringLiteral("Imprimer"), 960, ":/assets/form1/icone_menu/2.svg");
    couleur_fond(Command2, 0xE0E0E0);
    Command1 = bouton(QStringLiteral("Enregistrer sous..."), 1785, ":/assets/form1/icone_menu/1.svg");
    Command3 = bouton(QStringLiteral("Quitter"), 2640, ":/assets/form1/icone_menu/4.svg");

    copie_fenetre = new BoitePicture(client());
    copie_fenetre->hide();

    connect(Command1, &QPushButton::clicked, this, &Result_eval::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Result_eval::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Result_eval::Command3_Click);
}

void Result_eval::Form_Load() { remplir(); }

void Result_eval::remplir() {
    Nom_eval->setText(nom_eleve);
    Prenom_eval->setText(prenom_eleve);
    Temps_eval->setText(date_evaluation);
    Classe_eval->setText(classe_eleve);
    Label_titre2->setText(titre_theme);
    if (nb_questions_QCM == 0) return;
    Label8->setText(texte_note(nb_justes, nb_questions_QCM));
    Label5->setText(QString::number(nb_questions_QCM));
    Label6->setText(QString::number(double(nb_justes)));
    Label7->setText(QString::number(double(float(nb_questions_QCM) - nb_justes)));
}

void Result_eval::Show() {
    if (!vivante()) return;
    remplir();
    Fenetre::Show();
}

void Result_eval::Form_Unload(bool&) {
    if (Form1* f = Fenetre::si_chargee<Form1>()) f->setEnabled(true);
}

void Result_eval::Command1_Click() {
    const QSize taille = Picture1->size();
    copie_fenetre->resize(taille);
    copie_fenetre->Image() = capturer_zone(client(), taille);
    enregistrer_image_sous(this, copie_fenetre->Image(), QStringLiteral("Enregistrez la fenêtre sous..."));
}

void Result_eval::Command3_Click() {
    if (MsgBox(QStringLiteral("Voulez-vous vraiment quitter?"), vb::vbYesNo) == vb::vbYes) Unload();
}
