#include "kit/audio/sound_font.h"

#include <unistd.h>

#include <cstdlib>
#include <string_view>
#include <system_error>

namespace kit {
namespace {

bool usable(const std::filesystem::path& file) {
    std::error_code error;
    return std::filesystem::is_regular_file(file, error) && ::access(file.c_str(), R_OK) == 0;
}

}  // namespace

std::optional<std::filesystem::path> findSoundFont(const char* sdlSoundFonts,
                                                   const std::filesystem::path& root) {
    if (sdlSoundFonts != nullptr) {
        std::string_view list(sdlSoundFonts);
        while (!list.empty()) {
            const auto end = list.find(';');
            const std::filesystem::path file(list.substr(0, end));
            if (!file.empty() && usable(file))
                return file;
            list = end == std::string_view::npos ? std::string_view() : list.substr(end + 1);
        }
    }
    for (const char* place : kSoundFontPlaces) {
        const std::filesystem::path file = root / std::filesystem::path(place).relative_path();
        if (usable(file))
            return file;
    }
    return std::nullopt;
}

std::optional<std::filesystem::path> findSoundFont() {
    return findSoundFont(std::getenv("SDL_SOUNDFONTS"), "/");
}

}  // namespace kit
