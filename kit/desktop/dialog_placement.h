#pragma once

#include <QPoint>
#include <QRect>

namespace kit {

// Every dialog opens 20 pixels right of and below the top-left corner of its
// main window's frame, which the main window hands it before each showing.
inline QPoint dialogPosition(const QRect& mainWindowRect) {
    return mainWindowRect.topLeft() + QPoint(20, 20);
}

}  // namespace kit
