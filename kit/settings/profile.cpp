#include "kit/settings/profile.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <system_error>

#include "kit/files/atomic_file.h"
#include "kit/settings/ini_document.h"
#include "kit/text/utf8.h"

namespace kit {
namespace {

constexpr const char* kFileName = "Fallpack.ini";

std::filesystem::path homeFolder() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = ::getpwuid(::getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return std::filesystem::current_path();
}

std::optional<std::string> readValue(const std::filesystem::path& file, std::string_view section,
                                     std::string_view key) {
    std::string bytes;
    if (!readWholeFile(file, bytes))
        return std::nullopt;
    return IniDocument::lookup(bytes, section, key);
}

// Strips one pair of quotes that enclose the whole value.
std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

std::string oneLine(std::string_view value) {
    std::string result(value);
    for (char& c : result) {
        if (c == '\n' || c == '\r')
            c = ' ';
    }
    return result;
}

}  // namespace

std::filesystem::path settingsFilePath() {
    // Only an absolute XDG_CONFIG_HOME counts; a relative one is to be ignored.
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return std::filesystem::path(config) / kFileName;
    return homeFolder() / ".config" / kFileName;
}

ProfileFile::ProfileFile(std::filesystem::path file) : file_(std::move(file)) {}

int ProfileFile::readInt(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = readValue(file_, section, key);
    if (!value || value->empty())
        return defaultValue;
    std::string_view text = unquote(*value);
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    // Wraps at 32 bits like the unsigned accumulator of the platform's read.
    std::uint32_t result = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            break;
        result = result * 10u + static_cast<std::uint32_t>(c - '0');
    }
    if (negative)
        result = 0u - result;
    return static_cast<int>(result);
}

std::string ProfileFile::readString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, std::size_t bufferSize) const {
    const std::size_t keep = bufferSize > 0 ? bufferSize - 1 : 0;
    const auto value = readValue(file_, section, key);
    if (!value)
        return cutUtf8(defaultValue, keep);
    return cutUtf8(unquote(*value), keep);
}

bool ProfileFile::writeString(std::string_view section, std::string_view key,
                              std::string_view value) const {
    return writeStrings(section, {{std::string(key), std::string(value)}});
}

bool ProfileFile::writeStrings(std::string_view section, const KeyValues& keyValues) const {
    std::error_code ignored;
    if (file_.has_parent_path())
        std::filesystem::create_directories(file_.parent_path(), ignored);
    // A protected file is never replaced; no need to read it first.
    if (isWriteProtected(file_))
        return false;
    // The lock is on the settings file itself, so every writer, whatever its
    // environment, waits for the same one, and no lock file is left behind.
    FileLock lock(file_);
    if (!lock.locked())
        return false;
    // The lock has created a missing file. One that cannot be read may hold keys
    // of other programs: it is never replaced.
    std::string bytes;
    if (!readWholeFile(file_, bytes))
        return false;
    IniDocument document(std::move(bytes));
    for (const auto& [key, value] : keyValues)
        document.set(section, key, oneLine(value));
    return replaceFileAtomically(file_, document.text());
}

}  // namespace kit
