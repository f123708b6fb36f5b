#include "frame/message_resolution.h"

#include "platform/aide.h"
#include "frame/adaptation.h"

message_resolution::message_resolution()
    : Fenetre(6315, 1950, Qt::Tool | Qt::FramelessWindowHint) {
    couleur_de_fond(0xFFFFC0);
    HelpContextID = aide::sujet_fenetre_principale;
    // The blanks fill the first lines of the label, so that the words stand lower down.
    Label1 = new Etiquette(client(), QString(129, QLatin1Char(' ')) +
                                         QStringLiteral("Veuillez patienter - VANTAREL s'ajuste aux propriétés "
                                                        "graphiques de votre matériel"));
    placer(Label1, 570, 480, 5190, 855);
    couleur_fond(Label1, 0xC0FFFF);
    Label1->centree(true);
    // Qt lets trailing runs of blanks hang past the line's end; the wrapped blank line of the
    // run time is kept as a first empty line.
    Label1->setContentsMargins(0, Label1->fontMetrics().lineSpacing(), 0, 0);
}

void message_resolution::Form_Load() { regle_15_twips(*this); }
