#pragma once

#include <filesystem>

namespace kit {

// The folder of the running executable, whatever the current directory is.
// Music and wave files stand beside the program there.
std::filesystem::path programFolder();

}  // namespace kit
