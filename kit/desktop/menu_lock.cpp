#include "kit/desktop/menu_lock.h"

#include <QAction>
#include <QMenu>

namespace kit {

void lockMenus(std::initializer_list<QMenu*> menus, bool locked) {
    for (QMenu* menu : menus) {
        menu->menuAction()->setEnabled(!locked);
        for (QAction* item : menu->actions())
            item->setEnabled(!locked);
    }
}

}  // namespace kit
