// Reads, looks up and writes keys of a settings file made of the fuzzer's bytes,
// through the real file code in a private folder. Every write must read back
// as written and leave the value of every other key as it was.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "kit/settings/ini_document.h"
#include "kit/settings/profile.h"
#include "kit/settings/settings.h"
#include "kit/testing/fuzz_support.h"

namespace {

using kit::testing::fuzzCheck;
using kit::testing::fuzzFolder;
using kit::testing::fuzzReadFile;

using Name = std::pair<std::string, std::string>;  // section, key

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

// A rough guess at the names in the text: every "[x]" and every "k=" under it.
// Each only serves as a probe, so a guess that is no real name does no harm.
std::vector<Name> probes(std::string_view text) {
    std::vector<Name> names;
    std::string section;
    for (std::size_t start = 0; start < text.size() && names.size() < 64;) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = trimmed(text.substr(start, end - start));
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (!line.empty() && line.front() == '[') {
            section = std::string(line.substr(1, line.find(']') - 1));
            names.emplace_back(section, "");
        } else if (const std::size_t equals = line.find('='); equals != std::string_view::npos) {
            names.emplace_back(section, std::string(line.substr(0, equals)));
        }
    }
    names.emplace_back(kit::kOrchardSection, "Orchard_Level");
    return names;
}

bool sameName(std::string_view a, std::string_view b) {
    a = trimmed(a);
    b = trimmed(b);
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

// Writes one key and checks every probe against what it read before.
void writeAndCheck(const kit::ProfileFile& file, const std::vector<Name>& names,
                   const std::string& section, const std::string& key, const std::string& value) {
    std::vector<std::optional<std::string>> before;
    const std::string text = fuzzReadFile(file.path());
    for (const auto& [s, k] : names)
        before.push_back(kit::IniDocument::lookup(text, s, k));
    fuzzCheck(file.writeString(section, key, value));
    const std::string after = fuzzReadFile(file.path());
    fuzzCheck(kit::IniDocument::lookup(after, section, key) == std::string(trimmed(value)));
    for (std::size_t i = 0; i < names.size(); ++i) {
        const auto& [s, k] = names[i];
        if (sameName(s, section) && sameName(k, key))
            continue;
        fuzzCheck(kit::IniDocument::lookup(after, s, k) == before[i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::filesystem::path path = fuzzFolder() / "Fallpack.ini";
    std::ofstream(path, std::ios::binary | std::ios::trunc) << text;
    const kit::ProfileFile file(path);

    // Every read the programs do, on whatever the file holds.
    kit::LoadOrchardSettings(file);
    kit::LoadBrikoSettings(file);
    kit::LoadPilloraSettings(file);
    std::vector<Name> names = probes(text);
    // Each read goes through the file; a few probes are enough for them.
    for (std::size_t i = 0; i < names.size() && i < 8; ++i) {
        const auto& [section, key] = names[i];
        file.readInt(section, key, 1);
        file.readString(section, key, "default", kit::kProfileNameBuffer);
    }

    // An existing key (chosen by the input), a new key in an existing section,
    // and a new section.
    const Name& existing = names[size % names.size()];
    const std::string value = " value " + std::to_string(size) + " ";
    const bool plainName = existing.first.find_first_of("[]=;\r\n") == std::string::npos &&
                           existing.second.find_first_of("[]=;\r\n") == std::string::npos &&
                           !trimmed(existing.first).empty() && !trimmed(existing.second).empty();
    if (plainName)
        writeAndCheck(file, names, existing.first, existing.second, value);
    if (!names.empty() && names.front().first.find_first_of("[]=;\r\n") == std::string::npos &&
        !trimmed(names.front().first).empty())
        writeAndCheck(file, names, names.front().first, "FuzzNewKey", value);
    writeAndCheck(file, names, "Fuzz New Section", "Key", value);
    return 0;
}
