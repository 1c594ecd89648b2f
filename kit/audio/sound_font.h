#pragma once

#include <array>
#include <filesystem>
#include <optional>

namespace kit {

// Where the General MIDI soundfonts of the distributions lie, in the order they are
// looked for: the system's default (a link the distribution points at its chosen
// soundfont: Fedora's and Arch's, then Debian's alternative), then the usual files
// of Debian (/usr/share/sounds/sf2) and of Fedora and Arch (/usr/share/soundfonts),
// General MIDI sets before the GS ones.
inline constexpr std::array<const char*, 9> kSoundFontPlaces = {
    "/usr/share/soundfonts/default.sf2",    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2", "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/soundfonts/FluidR3_GM.sf2", "/usr/share/soundfonts/GeneralUser.sf2",
    "/usr/share/soundfonts/PCLite.sf2",     "/usr/share/sounds/sf2/FluidR3_GS.sf2",
    "/usr/share/soundfonts/FluidR3_GS.sf2",
};

// The soundfont the music plays with: the first path of `sdlSoundFonts` (the
// value of SDL_SOUNDFONTS, paths separated by ';' as the mixer reads it; null when
// it is not set) that is a regular file we may read, else the first of
// kSoundFontPlaces under `root` that is one. The files are only looked at, never
// opened: a pipe or a folder in a soundfont's place is passed over. Nothing when
// there is none.
std::optional<std::filesystem::path> findSoundFont(const char* sdlSoundFonts,
                                                   const std::filesystem::path& root);

// The same with this process's SDL_SOUNDFONTS, on the system's own root.
std::optional<std::filesystem::path> findSoundFont();

}  // namespace kit
