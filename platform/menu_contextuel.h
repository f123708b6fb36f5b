#pragma once

#include <functional>

class QAction;
class QMenu;

// The run time's pop-up menu: shown at the mouse pointer, it returns once it is closed, and the
// chosen command (its triggered signal) has run by then. Returns the chosen command, nullptr
// when the menu was dismissed.
QAction* PopupMenu(QMenu* menu);

// Replaces the real menu (tests): the hook gets the menu and returns the command to choose, in
// it or in one of its submenus, or nullptr to dismiss it. A command a pupil could not choose
// (disabled, hidden, a separator, a submenu's title, or one of another menu) is not run. The
// chosen command is triggered, which the menus that hold it hear of, as for real.
using CrochetMenuContextuel = std::function<QAction*(QMenu* menu)>;
void installer_crochet_menu_contextuel(CrochetMenuContextuel crochet);
