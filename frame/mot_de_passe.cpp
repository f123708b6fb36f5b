#include "frame/mot_de_passe.h"

#include "platform/aide.h"
#include "frame/adaptation.h"
#include "frame/etat.h"
#include "frame/options_dialogues.h"
#include "platform/images.h"
#include "platform/messages.h"

namespace {
// Brings a window in front without showing it when it is hidden.
void mettre_devant(QWidget* w) {
    w->raise();
    if (w->isVisible()) w->activateWindow();
}
}

Mot_de_passe::Mot_de_passe()
    : Fenetre(6405, 1800, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral("Mot de passe"));
    HelpContextID = aide::sujet_options;
    couleur_de_fond(0xFFFFFF);
    image_de_fond(image_integree(":/assets/mot_de_passe/fond.svg", QSize(427, 120)));
    QWidget* c = client();
    Label1 = new Etiquette(c, QStringLiteral("Entrer le mot de passe pour avoir accés à cette rubrique"));
    placer(Label1, 615, 270, 5325, 300);
    police(Label1, "Arial", 8.25);
    Label1->transparente(true);
    Text_motdepasse1 = new ZoneTexte(c);
    placer(Text_motdepasse1, 870, 615, 4245, 345);
    Go = new BoutonCommande(c, QStringLiteral("OK"));
    placer(Go, 1710, 1185, 1260, 300);
    Go->setIcon(QIcon(QPixmap::fromImage(image_integree(":/assets/options/valider.svg", QSize(14, 14)))));
    Command1 = new BoutonCommande(c, QStringLiteral("Annuler"));
    placer(Command1, 3045, 1185, 1260, 300);
    Command1->setIcon(QIcon(QPixmap::fromImage(image_integree(":/assets/options/annuler.svg", QSize(14, 14)))));
    Picture1 = new BoitePicture(c);
    placer(Picture1, 5280, 600, 615, 375);
    couleur_fond(Picture1, 0xFFFFFF);
    Picture1->definir_image(image_integree(":/assets/mot_de_passe/cle.svg", QSize(41, 25)));
    connect(Go, &QPushButton::clicked, this, &Mot_de_passe::Go_Click);
    connect(Command1, &QPushButton::clicked, this, &Mot_de_passe::Command1_Click);
}

void Mot_de_passe::Show() { montrer_devant(this, Fenetre::si_chargee<Options_QCM>()); }

void Mot_de_passe::Form_Load() {
    regle_15_twips(*this);
    // The adaptation pass loads the gate only to rescale it and discard it: quiz options loaded
    // before it keep the box the teacher ticked, and are not disabled behind a gate that the
    // pass then discards.
    if (adaptation_en_cours) return;
    Fenetre::obtenir<Options_QCM>()->Check1->setChecked(false);
}

void Mot_de_passe::Go_Click() {
    if (Text_motdepasse1->text() == mot_de_passe_options) {
        reponse_message = std::int16_t(
            MsgBox(QStringLiteral("Mot de passe valide, vous pouvez désormais visualiser les réponses au QCM"),
                   vb::vbInformation | vb::vbOKOnly));
        Options_QCM* options = Fenetre::obtenir<Options_QCM>();
        options->Check1->setChecked(true);
        options->setEnabled(true);
        Hide();
        mettre_devant(options);
    } else {
        reponse_message = std::int16_t(MsgBox(QStringLiteral("Mot de passe incorrect"), vb::vbCritical | vb::vbOKOnly));
        Fenetre::obtenir<Options_QCM>()->Check1->setChecked(false);
        mettre_devant(this);
        Text_motdepasse1->setFocus();
    }
}

void Mot_de_passe::Command1_Click() {
    Options_QCM* options = Fenetre::obtenir<Options_QCM>();
    options->setEnabled(true);
    mettre_devant(options);
    Unload();
}

void Mot_de_passe::Form_Unload(bool&) { Fenetre::obtenir<Options_QCM>()->setEnabled(true); }
