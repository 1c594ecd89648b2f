#pragma once

#include <QString>

namespace pillora_art {

// Pillora's icon for the desktop's icon theme, "<size>.png" at every size the
// theme has, into `folder`; false when one cannot be written.
bool saveDesktopIcons(const QString& folder);

}  // namespace pillora_art
