#include "optics/menus/fenetre_dessin_optique_menu.h"

#include "optics/sheet/etat_optique.h"
#include "platform/menu_contextuel.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPixmap>
#include <array>

namespace {
std::array<fenetre_dessin_optique_menu::Commande, NOMBRE_FAMILLES_COMMANDES>& commandes() {
    static std::array<fenetre_dessin_optique_menu::Commande, NOMBRE_FAMILLES_COMMANDES> routines;
    return routines;
}

// The part of a menu picture that an item shows: its figure lies in the top-left 13 x 13.
constexpr int COTE_IMAGE_ITEM = 13;
}

void fenetre_dessin_optique_menu::definir_commande(FamilleCommande famille, Commande commande) {
    commandes()[std::size_t(famille)] = std::move(commande);
}

fenetre_dessin_optique_menu::fenetre_dessin_optique_menu() : Fenetre(4800, 3600) {
    setWindowTitle(QStringLiteral("Vantarel"));
    icone_menu = ListeImages::depuis_dossier(QStringLiteral("optique/icone_menu"), 15, QSize(21, 21));
    barre_ = new QMenuBar(this);
    ajouter_barre(barre_);

    // The tree, row by row: a pop-up goes into the bar, a header opens a sub-menu of the
    // current pop-up, a command goes into the current pop-up or sub-menu.
    QMenu* flottant = nullptr;
    QMenu* sous_menu = nullptr;
    Place place{nullptr, -1, -1, -1};
    for (const LigneMenuOptique& ligne : lignes_menus_optique()) {
        const QString nom = QString::fromUtf8(ligne.nom);
        const QString legende = QString::fromUtf8(ligne.legende);
        QAction* action = nullptr;
        if (ligne.niveau == 0) {
            flottant = barre_->addMenu(legende);
            sous_menu = nullptr;
            place = {&ligne, place.menu_flottant + 1, -1, -1};
            menus_.insert(nom, flottant);
            action = flottant->menuAction();
        } else if (ligne.niveau == 1) {
            place = {&ligne, place.menu_flottant, place.position + 1, -1};
            if (ligne.famille == FamilleCommande::en_tete) {
                sous_menu = flottant->addMenu(legende);
                menus_.insert(nom, sous_menu);
                action = sous_menu->menuAction();
            } else {
                action = flottant->addAction(legende);
            }
        } else {
            place = {&ligne, place.menu_flottant, place.position, place.sous_position + 1};
            action = sous_menu->addAction(legende);
        }
        action->setObjectName(nom);
        if (QMenu* m = menus_.value(nom)) m->setObjectName(nom);
        items_.insert(nom, action);
        places_.insert(nom, place);
        if (ligne.image) places_images_.append(place);
        if (ligne.famille != FamilleCommande::en_tete)
            connect(action, &QAction::triggered, this, [this, nom] { Click(nom); });
    }
}

void fenetre_dessin_optique_menu::Form_Load() {
    // Each picture goes on the item at its place (pop-up, position, position in the sub-menu),
    // the same picture whether or not the item is checked (none ever is). The text notes'
    // pop-up has no picture. No 15-twips rule: the window never shows.
    for (const Place& place : places_images_) {
        QAction* action = item_a_sa_place(place);
        const QImage image = icone_menu.image(place.ligne->image);
        if (!action || image.isNull()) continue;
        action->setIcon(QIcon(QPixmap::fromImage(image.copy(0, 0, COTE_IMAGE_ITEM, COTE_IMAGE_ITEM))));
    }
}

QAction* fenetre_dessin_optique_menu::item_a_sa_place(const Place& place) const {
    const QList<QAction*> flottants = barre_->actions();
    if (place.menu_flottant >= flottants.size() || !flottants[place.menu_flottant]->menu()) return nullptr;
    const QList<QAction*> items = flottants[place.menu_flottant]->menu()->actions();
    if (place.position >= items.size()) return nullptr;
    QAction* item = items[place.position];
    if (place.sous_position < 0) return item;
    if (!item->menu()) return nullptr;
    const QList<QAction*> sous_items = item->menu()->actions();
    return place.sous_position < sous_items.size() ? sous_items[place.sous_position] : nullptr;
}

QMenu* fenetre_dessin_optique_menu::menu(const QString& nom) const { return menus_.value(nom); }

QAction* fenetre_dessin_optique_menu::item(const QString& nom) const { return items_.value(nom); }

void fenetre_dessin_optique_menu::Click(const QString& nom) {
    const auto it = places_.constFind(nom);
    if (it == places_.cend() || it->ligne->famille == FamilleCommande::en_tete) return;
    // The commands go here: the routine of the item's family, with the item's row.
    const Commande& commande = commandes()[std::size_t(it->ligne->famille)];
    if (commande) commande(*it->ligne, it->menu_flottant);
}

QAction* ouvrir_menu_optique(const QString& nom) {
    bool connu = false;
    for (const LigneMenuOptique& ligne : lignes_menus_optique())
        connu = connu || (ligne.niveau == 0 && nom == QString::fromUtf8(ligne.nom));
    if (!connu) return nullptr;
    return PopupMenu(Fenetre::obtenir<fenetre_dessin_optique_menu>()->menu(nom));
}

QString menu_flottant_element(const QString& type, int index) {
    const TypeElement* t = type_element(type);
    if (!t || (index == 0 && type != QLatin1String("cercle"))) return {};
    return QString::fromUtf8(t->menu);
}
