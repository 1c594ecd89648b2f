#pragma once

#include <QString>

namespace briko_art {

// Briko's icon for the desktop's icon theme, "<size>.png" at every size the
// theme has, into `folder`; false when one cannot be written.
bool saveDesktopIcons(const QString& folder);

}  // namespace briko_art
