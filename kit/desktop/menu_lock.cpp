#include "kit/desktop/menu_lock.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

namespace kit {

void lockMenus(std::initializer_list<QMenu*> menus, bool locked) {
    for (QMenu* menu : menus) {
        menu->menuAction()->setEnabled(!locked);
        for (QAction* item : menu->actions())
            item->setEnabled(!locked);
    }
}

QString newItemText(bool gameRunning) {
    return gameRunning ? QCoreApplication::translate("kit", "&Abort")
                       : QCoreApplication::translate("kit", "&New");
}

}  // namespace kit
