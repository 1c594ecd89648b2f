#pragma once

#include <QString>

namespace kit {

// The player's own data folder of the three programs: "fallpack" in
// $XDG_DATA_HOME, else in ~/.local/share.
QString playerDataFolder();

// An installed program keeps its high-score files in the player's data folder:
// this makes that folder (created when missing) the current directory, where the
// high-score tables and the CD-ROM test look. A program that runs beside its
// music and waves (the build's bin/ folder, a portable copy) stays in the
// directory it was started from. Returns false, after saying why on the error
// stream, when the folder can be neither made nor entered.
bool enterPlayerFolder();

// The same for a given folder: makes it and enters it.
bool enterFolder(const QString& folder);

}  // namespace kit
