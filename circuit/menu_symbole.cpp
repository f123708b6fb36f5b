// The pop-up menu of a placed symbol: black, red, or removed with its leads.
#include "circuit/etat_circuit.h"
#include "circuit/fenetre_dessin.h"
#include "platform/menu_contextuel.h"
#include "platform/transparence.h"

#include <QAction>
#include <QMenu>

namespace {
constexpr std::uint32_t NOIR = 0;
constexpr std::uint32_t ROUGE = 0xFF;
}

void fenetre_dessin::creer_mnuflottant() {
    auto commande = [this](QMenu* menu, const char* legende, void (fenetre_dessin::*action)()) {
        QAction* a = menu->addAction(QString::fromUtf8(legende));
        connect(a, &QAction::triggered, this, action);
        return a;
    };
    mnuflottant = new QMenu(QStringLiteral("flottant"), this);
    mnueffacer = commande(mnuflottant, "effacer", &fenetre_dessin::mnueffacer_Click);
    mnucouleur = mnuflottant->addMenu(QStringLiteral("Couleur"));
    mnunoir = commande(mnucouleur, "Noir", &fenetre_dessin::mnunoir_Click);
    mnurouge = commande(mnucouleur, "Rouge", &fenetre_dessin::mnurouge_Click);
}

void fenetre_dessin::symbole_DblClick(std::size_t k, int Index) {
    type_composant = types_composants[k].code_menu;
    if (Index == 0) return;
    index_composant = std::int16_t(Index);
    PopupMenu(mnuflottant);
}

BoitePicture* fenetre_dessin::cible_du_menu(std::size_t* k) const {
    const int code = type_composant.toInt();
    for (std::size_t t = 0; t < types_composants.size(); ++t)
        if (types_composants[t].code_menu == code) {
            *k = t;
            return symboles[t].element(index_composant);
        }
    return nullptr;
}

void fenetre_dessin::colorer_cible(bool rouge) {
    std::size_t k = 0;
    if (BoitePicture* s = cible_du_menu(&k)) {
        s->definir_image(rouge ? images_rouges[k] : images_noires[k]);
        rendre_transparent(s);
    }
    for (auto* trait : {traitav.element(index_composant), traitap.element(index_composant)})
        if (trait) trait->BorderColor(rouge ? ROUGE : NOIR);
}

void fenetre_dessin::mnunoir_Click() { colorer_cible(false); }
void fenetre_dessin::mnurouge_Click() { colorer_cible(true); }

void fenetre_dessin::mnueffacer_Click() {
    std::size_t k = 0;
    if (BoitePicture* s = cible_du_menu(&k)) s->hide();
    for (auto* trait : {traitav.element(index_composant), traitap.element(index_composant)})
        if (trait) trait->Visible(false);
}
