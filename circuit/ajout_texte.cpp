#include "circuit/ajout_texte.h"

#include "circuit/etat_circuit.h"
#include "circuit/fenetre_dessin.h"

#include <limits>

namespace {
const DialogueTexte::Disposition disposition{
    5085, 1800, QStringLiteral("Ajouter du texte"), QStringLiteral(":/assets/circuit/ajout_texte/fond.svg"),
    //       Left, Top, Width, Height (twips)
    QRectF(2130, 1245, 1335, 285),  // Command2
    QRectF(1050, 885, 3735, 285),   // Command1
    QRectF(1050, 165, 3735, 645),   // Text1
    QRectF(330, 165, 735, 255),     // "Texte:"
    QStringLiteral(":/assets/circuit/ajout_texte/Command2.svg"),
    QStringLiteral(":/assets/circuit/ajout_texte/Command1.svg"), QStringLiteral("Valider"),
    QStringLiteral("Autre couleur, police, taille, style,..."), QStringLiteral("Texte:")};
}

Ajout_texte::Ajout_texte() : DialogueTexte(disposition) { HelpContextID = fenetre_dessin::sujet_aide; }

void Ajout_texte::Command2_Click() {
    fenetre_dessin* f = Fenetre::si_chargee<fenetre_dessin>();
    EtiquetteSansFenetre* e = nullptr;
    if (f && edition_texte.toBool()) e = f->Texte_ajout.element(index_texte);
    if (f && !e) {
        // A new label; none past the last number there is. Edit mode for a label this sheet
        // does not have adds one too.
        if (nombre_textes < std::numeric_limits<std::int16_t>::max()) {
            const int n = ++nombre_textes;
            nb_textes_ajoutes = std::int16_t(n);
            e = f->ajouter_texte(n);
            if (e) {
                vers_etiquette(*e);
                e->Visible(true);
                QList<const QWidget*> symboles;
                for (const auto& tableau : f->symboles)
                    for (auto [i, s] : tableau.elements())
                        if (i != 0) symboles << s;
                const QPoint place = place_nouvelle_etiquette(n, *e, symboles);
                e->Left(place.x());
                e->Top(place.y());
            }
        }
    } else if (e) {
        vers_etiquette(*e);
    }
    edition_texte = false;
    Unload();
}
