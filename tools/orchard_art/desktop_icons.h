#pragma once

#include <QString>

namespace orchard_art {

// Orchard's icon for the desktop's icon theme, "<size>.png" at every size the
// theme has, into `folder`; false when one cannot be written.
bool saveDesktopIcons(const QString& folder);

}  // namespace orchard_art
