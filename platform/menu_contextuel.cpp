#include "platform/menu_contextuel.h"

#include "platform/attente.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QPointer>

namespace {
CrochetMenuContextuel crochet_menu;

bool choisissable(const QAction* a) {
    return a && a->isEnabled() && a->isVisible() && !a->isSeparator() && !a->menu();
}

// Whether the command is in the menu or in one of its submenus.
bool dans_le_menu(const QMenu* menu, const QAction* commande) {
    for (const QAction* a : menu->actions())
        if (a == commande || (a->menu() && dans_le_menu(a->menu(), commande))) return true;
    return false;
}
}

void installer_crochet_menu_contextuel(CrochetMenuContextuel crochet) { crochet_menu = std::move(crochet); }

QAction* PopupMenu(QMenu* menu) {
    if (!menu) return nullptr;
    if (crochet_menu) {
        QPointer<QAction> choix = crochet_menu(menu);
        if (!choisissable(choix) || !dans_le_menu(menu, choix)) return nullptr;
        // Triggering the command also tells the menus that hold it, as a real choice does.
        choix->trigger();
        return choix;
    }
    // exec() runs the chosen command's triggered signal before it returns.
    const AttenteEvenements attente;
    return menu->exec(QCursor::pos());
}
