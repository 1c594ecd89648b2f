#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kit {

// The text of an initialisation file as lines, each kept byte for byte with its
// own line end, so that changing one key rewrites nothing else. Section and key
// names are compared without regard to ASCII letter case; the first occurrence
// of a section or of a key within it is the one that counts.
class IniDocument {
  public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    // The raw value after '=' in `text`, without surrounding blanks; nullopt
    // when absent. Reads the text in place, without building a document.
    static std::optional<std::string> lookup(std::string_view text, std::string_view section,
                                             std::string_view key);

    // Replaces the key's line, or adds it at the end of its section, or adds
    // the section at the end of the file.
    void set(std::string_view section, std::string_view key, std::string_view value);

    std::string text() const;

  private:
    struct Line {
        std::string content;  // without the line end
        std::string end;      // "\n", "\r\n" or "" on an unterminated last line
    };
    // Index of the section's header line, or npos.
    std::size_t findSection(std::string_view section) const;
    // Index of the key's line inside the section starting after `header`, or npos.
    std::size_t findKey(std::size_t header, std::string_view key) const;
    std::string newLineEnd() const;

    std::vector<Line> lines_;
};

}  // namespace kit
