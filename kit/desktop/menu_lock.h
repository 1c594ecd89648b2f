#pragma once

#include <QString>

#include <initializer_list>

class QMenu;

namespace kit {

// Locks a game's menus while a game runs, and unlocks them after it: a locked
// menu is greyed in the menu bar, and its items are disabled with it, since an
// item's shortcut would otherwise still reach past its disabled menu.
void lockMenus(std::initializer_list<QMenu*> menus, bool locked);

// The caption of the games' New item: "&New", or "&Abort" while a game runs.
QString newItemText(bool gameRunning);

}  // namespace kit
