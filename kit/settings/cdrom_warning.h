#pragma once

class QWidget;

namespace kit {

// The check that comes first in every Best command: on a CD-ROM it shows the
// "Warning !" box owned by `owner` and returns true, and the caller must then
// not show the high-score window. Otherwise returns false.
bool warnIfRunningFromCdRom(QWidget* owner);

}  // namespace kit
