#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kit {

// Texts are read into buffers of this size; one character less is kept.
inline constexpr std::size_t kProfileTextBuffer = 255;
// The player name's buffer: at most 79 characters are kept.
inline constexpr std::size_t kProfileNameBuffer = 80;

// "Fallpack.ini" in $XDG_CONFIG_HOME (when set and absolute), else in ~/.config.
std::filesystem::path settingsFilePath();

// The settings file that the three programs share: sections of "key=value"
// lines, section and key names compared without regard to letter case.
//
// Reading never fails: a missing file, section or key gives the caller's
// default, and any bytes at all (long lines, CR LF, NUL, invalid UTF-8) are
// read without harm; a pipe or device in the file's place reads as a missing
// file, at once. A write changes one key and keeps every other byte as it was;
// it creates the file, its folder and the section when they are missing. Each
// write is one locked read-modify-write that replaces the file atomically, so
// programs writing at the same moment never lose each other's keys and a crash
// or a full disk leaves the old file whole. A file that cannot be read, or that
// is read-only, is never written. Reads and writes take time and memory in
// proportion to the file's size.
class ProfileFile {
  public:
    explicit ProfileFile(std::filesystem::path file = settingsFilePath());

    const std::filesystem::path& path() const { return file_; }

    // The platform's integer read: blanks, an optional sign, then the leading
    // decimal digits (wrapping at 32 bits); a value that does not start with a
    // digit reads 0. A missing key gives `defaultValue`.
    int readInt(std::string_view section, std::string_view key, int defaultValue) const;

    // The value, surrounding blanks (and one pair of enclosing quotes) removed,
    // cut to `bufferSize - 1` bytes without splitting a UTF-8 character.
    // `defaultValue` is cut the same way.
    std::string readString(std::string_view section, std::string_view key,
                           std::string_view defaultValue,
                           std::size_t bufferSize = kProfileTextBuffer) const;

    // Sets one key. Line breaks in `value` are stored as blanks. Returns false
    // when the file could not or may not be replaced; it is then unchanged.
    bool writeString(std::string_view section, std::string_view key, std::string_view value) const;

    // Sets several keys of one section, in this order, as one replacement of the file.
    using KeyValues = std::vector<std::pair<std::string, std::string>>;
    bool writeStrings(std::string_view section, const KeyValues& keyValues) const;

  private:
    std::filesystem::path file_;
};

}  // namespace kit
