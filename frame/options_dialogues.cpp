#include "frame/options_dialogues.h"

#include "platform/aide.h"
#include "frame/adaptation.h"
#include "frame/etat.h"
#include "frame/form1.h"
#include "frame/mot_de_passe.h"
#include "frame/options.h"
#include "platform/images.h"

#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWindow>

// --- CaseACocher

CaseACocher::CaseACocher(QWidget* parent, const QString& texte) : QCheckBox(texte, parent) {}

void CaseACocher::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString texte = option.text;
    option.text.clear();
    QRect indicateur = style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, this);
    indicateur.moveTop((height() - indicateur.height()) / 2);
    QStyleOptionButton coche = option;
    coche.rect = indicateur;
    p.drawPrimitive(QStyle::PE_IndicatorCheckBox, coche);

    const int espace = style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option, this);
    QRect zone = rect();
    zone.setLeft(indicateur.right() + 1 + espace);
    const int alignement = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    style()->drawItemText(&p, zone, alignement, palette(), isEnabled(), texte, QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect cadre;
        cadre.initFrom(this);
        cadre.rect = p.boundingRect(zone, alignement, texte).intersected(rect());
        p.drawPrimitive(QStyle::PE_FrameFocusRect, cadre);
    }
}

bool CaseACocher::hitButton(const QPoint& position) const { return rect().contains(position); }

// --- shared

void montrer_devant(Fenetre* dialogue, QWidget* ouvreur) {
    if (!dialogue->vivante()) return;
    if (ouvreur) {
        dialogue->winId();
        ouvreur->winId();
        if (dialogue->windowHandle() && ouvreur->windowHandle())
            dialogue->windowHandle()->setTransientParent(ouvreur->windowHandle());
    }
    dialogue->Show();
}

namespace {
constexpr Qt::WindowFlags cadre_outil = Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                        Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

QIcon icone(const QString& chemin) { return QIcon(QPixmap::fromImage(image_integree(chemin, QSize(14, 14)))); }

void placer_rect(QWidget* controle, const QRectF& t) { placer(controle, t.x(), t.y(), t.width(), t.height()); }
}

DialogueOptions::DialogueOptions(double largeur_twips, double hauteur_twips, const QString& titre, const QString& fond)
    : Fenetre(largeur_twips, hauteur_twips, cadre_outil) {
    setWindowTitle(titre);
    HelpContextID = aide::sujet_options;
    couleur_de_fond(0xFFFFFF);
    image_de_fond(image_integree(fond, QSize(int(largeur_twips / 15), int(hauteur_twips / 15))));
}

CaseACocher* DialogueOptions::nouvelle_case(const QString& texte, double gauche, double haut, double largeur,
                                            double hauteur, bool cochee) {
    auto* c = new CaseACocher(client(), texte);
    placer(c, gauche, haut, largeur, hauteur);
    couleur_fond(c, 0xFFFFFF);
    police(c, "Arial", 8.25);
    c->setChecked(cochee);
    return c;
}

void DialogueOptions::poser_dossier_et_boutons(const QRectF& label, const QRectF& dossier, const QRectF& valider,
                                               const QRectF& annuler, bool dossier_actif) {
    Label1 = new Etiquette(client(), QStringLiteral("Répertoire de sauvegarde:"));
    placer_rect(Label1, label);
    police(Label1, "Arial", 8.25);
    Label1->transparente(true);
    repertoire_instal = new ZoneTexte(client());
    placer_rect(repertoire_instal, dossier);
    repertoire_instal->setEnabled(dossier_actif);
    Command2 = new BoutonCommande(client(), QStringLiteral("Valider"));
    placer_rect(Command2, valider);
    Command2->setIcon(icone(":/assets/options/valider.svg"));
    Command1 = new BoutonCommande(client(), QStringLiteral("Annuler"));
    placer_rect(Command1, annuler);
    Command1->setIcon(icone(":/assets/options/annuler.svg"));
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command1, &QPushButton::clicked, this, &DialogueOptions::Command1_Click);
}

void DialogueOptions::Show() { montrer_devant(this, Fenetre::si_chargee<Form1>()); }

void DialogueOptions::Form_Load() {
    regle_15_twips(*this);
    repertoire_instal->setText(dossier_programme());
}

void DialogueOptions::Form_Unload(bool&) {
    if (Form1* f = Fenetre::si_chargee<Form1>()) f->setEnabled(true);
}

void DialogueOptions::suivre_case_word(bool cochee) { repertoire_instal->setEnabled(cochee); }

void DialogueOptions::rendre_la_main() {
    if (Form1* f = Fenetre::si_chargee<Form1>()) f->setEnabled(true);
    Hide();
}

void DialogueOptions::Command1_Click() { rendre_la_main(); }

// --- Options_QCM

Options_QCM::Options_QCM()
    : DialogueOptions(6210, 3225, QStringLiteral("  Options générales du module Evaluation-QCM"),
                      ":/assets/options/fond_qcm.svg") {
    Check1 = nouvelle_case(QStringLiteral("Afficher les réponses pour chaque question"), 975, 255, 4335, 225, false);
    Check2 = nouvelle_case(QStringLiteral("Obtenir une note en fin d'exercice"), 960, 630, 4065, 255, true);
    Check3 = nouvelle_case(QStringLiteral("Sauvegarder les réponses dans un fichier au format Microsoft WORD"), 960,
                           1020, 3315, 375, false);
    poser_dossier_et_boutons({1230, 1515, 3030, 285}, {1245, 1845, 4845, 315}, {1065, 2610, 1335, 315},
                             {2610, 2610, 1410, 315}, false);
    // Every change of the boxes runs their handlers, made by a click or by code.
    connect(Check1, &QCheckBox::toggled, this, &Options_QCM::Check1_Click);
    connect(Check3, &QCheckBox::toggled, this, &Options_QCM::Check3_Click);
}

void Options_QCM::Check1_Click() {
    setEnabled(false);
    Mot_de_passe* gardien = Fenetre::obtenir<Mot_de_passe>();
    gardien->Show();
    gardien->Text_motdepasse1->setFocus();
}

void Options_QCM::Check3_Click() { suivre_case_word(Check3->isChecked()); }

void Options_QCM::Command2_Click() {
    option_afficher_reponses = Check1->isChecked();
    option_note_fin = Check2->isChecked();
    chemin_QCM = repertoire_instal->text();
    rendre_la_main();
}

// --- Options_DESSIN

Options_DESSIN::Options_DESSIN()
    : DialogueOptions(6600, 2580, QStringLiteral("  Options générales du module Evaluation-schématisation"),
                      ":/assets/options/fond_dessin.svg") {
    Check1 = nouvelle_case(QStringLiteral("Sauvegarder les réponses dans un fichier au format Microsoft WORD"), 1080,
                           255, 3255, 375, true);
    poser_dossier_et_boutons({1350, 750, 3030, 285}, {1365, 1080, 4845, 315}, {1185, 1860, 1335, 315},
                             {2730, 1860, 1410, 315}, true);
    connect(Check1, &QCheckBox::toggled, this, &Options_DESSIN::Check1_Click);
}

void Options_DESSIN::Check1_Click() { suivre_case_word(Check1->isChecked()); }

void Options_DESSIN::Command2_Click() {
    chemin_schema = repertoire_instal->text();
    rendre_la_main();
}

// --- Options_TEXTES

Options_TEXTES::Options_TEXTES()
    : DialogueOptions(6690, 2520, QStringLiteral("  Options générales du module Evaluation-Textes à trous"),
                      ":/assets/options/fond_textes.svg") {
    Check1 = nouvelle_case(QStringLiteral("Sauvegarder les réponses dans un fichier au format Microsoft WORD"), 1065,
                           210, 3285, 375, true);
    poser_dossier_et_boutons({1335, 705, 3030, 285}, {1350, 1035, 4845, 315}, {1170, 1800, 1335, 315},
                             {2715, 1800, 1410, 315}, true);
    connect(Check1, &QCheckBox::toggled, this, &Options_TEXTES::Check1_Click);
}

void Options_TEXTES::Check1_Click() {
    const bool cochee = Check1->isChecked();
    suivre_case_word(cochee);
    montrer_bouton_valider_texte(cochee);
}

void Options_TEXTES::Command2_Click() {
    chemin_textes = repertoire_instal->text();
    rendre_la_main();
}
