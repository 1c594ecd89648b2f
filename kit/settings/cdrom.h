#pragma once

#include <functional>

class QWidget;

namespace kit {

// True when the current directory lies on a CD-ROM (an ISO 9660 or UDF file
// system), where the high-score files cannot be written.
bool runningFromCdRom();

// Tests say "CD-ROM" (or not) through this; an empty function brings back the
// real file-system test.
void setCdRomProbe(std::function<bool()> probe);

// The check that comes first in every Best command: on a CD-ROM it shows the
// "Warning !" box owned by `owner` and returns true, and the caller must then
// not show the high-score window. Otherwise returns false.
bool warnIfRunningFromCdRom(QWidget* owner);

}  // namespace kit
