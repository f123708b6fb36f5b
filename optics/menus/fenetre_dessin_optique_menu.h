#pragma once

#include "optics/menus/menus_optique_donnees.h"
#include "platform/fenetre.h"
#include "platform/images.h"

#include <QHash>
#include <QString>
#include <functional>

class QAction;
class QMenu;
class QMenuBar;

// The window that owns the optics sheet's eight pop-up menus. It is never shown: the sheet pops
// its menus at the pointer. It is created and loaded at the first use of a menu (its load puts
// the pictures of icone_menu on the items) and stays loaded for the rest of the run.
class fenetre_dessin_optique_menu : public Fenetre {
    Q_OBJECT
public:
    fenetre_dessin_optique_menu();

    // The menu bar, whose top-level menus are the eight pop-ups at positions 0 to 7.
    QMenuBar* barre_menus() const { return barre_; }
    // A pop-up or a sub-menu by name; nullptr for an unknown name.
    QMenu* menu(const QString& nom) const;
    // A command item, or the item of a pop-up or sub-menu header, by name; nullptr if unknown.
    QAction* item(const QString& nom) const;

    // The 15 menu pictures (21 x 21, the figure in the top-left 13 x 13).
    ListeImages icone_menu;

    // The Click handler of a command item: runs the command of its family with the item's row.
    // Choosing the item in a menu comes here. An unknown name or a header does nothing.
    void Click(const QString& nom);

    // The commands, one routine per family: each gets the chosen item's row (name, caption,
    // value) and the position of its pop-up (0 to 7, which tells the kinds it serves). A family
    // without a routine does nothing. The routines are the optics commands' own: they are set
    // once, when the optics activity registers, and serve every menu window of the run.
    using Commande = std::function<void(const LigneMenuOptique& item, int menu_flottant)>;
    static void definir_commande(FamilleCommande famille, Commande commande);

protected:
    void Form_Load() override;

private:
    struct Place {
        const LigneMenuOptique* ligne;
        int menu_flottant;  // position of its pop-up in the bar
        int position;       // in its pop-up
        int sous_position;  // in its sub-menu, -1 for an item of the pop-up itself
    };
    QAction* item_a_sa_place(const Place& place) const;

    QMenuBar* barre_ = nullptr;
    QHash<QString, QMenu*> menus_;
    QHash<QString, QAction*> items_;
    QHash<QString, Place> places_;
    QList<Place> places_images_;
};

// Opens a pop-up of the menu window at the mouse pointer, loading the window first when it is
// not loaded; returns once the chosen command has run (the chosen item), or nullptr when the
// menu was dismissed or the name is none of the eight.
QAction* ouvrir_menu_optique(const QString& nom);

// The pop-up that a right press opens on an element of that kind and index: the kind's menu,
// except on a palette template (index 0; an ellipse opens its menu at every index); empty
// when none opens (unknown kind, template).
QString menu_flottant_element(const QString& type, int index);
