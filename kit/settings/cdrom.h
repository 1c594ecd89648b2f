#pragma once

#include <functional>

namespace kit {

// True when the current directory lies on a CD-ROM (an ISO 9660 or UDF file
// system), where the high-score files cannot be written.
bool runningFromCdRom();

// Tests say "CD-ROM" (or not) through this; an empty function brings back the
// real file-system test.
void setCdRomProbe(std::function<bool()> probe);

}  // namespace kit
