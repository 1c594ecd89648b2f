#pragma once

#include <filesystem>

namespace kit {

// The folder of the running executable, whatever the current directory is.
std::filesystem::path executableFolder();

// The program's folder: where its music and wave files are, whatever the
// current directory is. A program with its files beside it (the build's bin/
// folder, or a portable copy of it) uses its own folder; an installed program
// finds them in the installed data folder (share/fallpack), reached from the
// executable by the same relative path as at installation, so the installed
// tree may be moved as a whole.
std::filesystem::path programFolder();

// The same choice for a program whose executable lies in `executable`.
std::filesystem::path programFolderOf(const std::filesystem::path& executable);

// The data folder relative to the installed executable's folder, as configured
// ("../share/fallpack" for bin/ and share/ under one prefix).
std::filesystem::path installedDataPath();

// True when the program runs from an installation rather than beside its files.
bool runsInstalled();

}  // namespace kit
