#include "platform/menu_contextuel.h"

#include <QAction>
#include <QCursor>
#include <QMenu>
#include <QPointer>

namespace {
CrochetMenuContextuel crochet_menu;

bool choisissable(const QAction* a) {
    return a && a->isEnabled() && a->isVisible() && !a->isSeparator() && !a->menu();
}
}

void installer_crochet_menu_contextuel(CrochetMenuContextuel crochet) { crochet_menu = std::move(crochet); }

QAction* PopupMenu(QMenu* menu) {
    if (!menu) return nullptr;
    if (crochet_menu) {
        QPointer<QAction> choix = crochet_menu(menu);
        if (!choisissable(choix)) return nullptr;
        choix->trigger();
        return choix;
    }
    // exec() runs the chosen command's triggered signal before it returns.
    return menu->exec(QCursor::pos());
}
