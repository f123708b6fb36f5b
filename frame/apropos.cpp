#include "frame/apropos.h"

#include "platform/aide.h"
#include "frame/adaptation.h"
#include "platform/images.h"

Apropos::Apropos()
    : Fenetre(5370, 3540, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                              Qt::MSWindowsFixedSizeDialogHint) {
    setWindowTitle(QStringLiteral(" A propos"));
    HelpContextID = aide::sujet_fenetre_principale;
    couleur_de_fond(0xFFFFFF);
    image_de_fond(image_integree(":/assets/apropos/fond.svg", QSize(368, 251)));
    Command1 = new BoutonCommande(client(), QStringLiteral("OK"));
    placer(Command1, 30, 3075, 1695, 315);
    connect(Command1, &QPushButton::clicked, this, &Apropos::Command1_Click);
}

void Apropos::Form_Load() { regle_15_twips(*this); }

void Apropos::Command1_Click() { Unload(); }
