#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kit {

// The text of an initialisation file, kept as one string: changing a key
// splices its line and leaves every other byte as it was, so a write costs one
// pass over the text and memory of about its size, however many lines it has.
// A line ends in LF or CR LF; a lone CR that ends the text (a CR LF file cut
// between the two) counts as a line end too. Section and key names are
// compared without regard to ASCII letter case; the first occurrence of a
// section or of a key within it is the one that counts.
class IniDocument {
  public:
    IniDocument() = default;
    explicit IniDocument(std::string text) : text_(std::move(text)) {}

    // The raw value after '=' in `text`, without surrounding blanks; nullopt
    // when absent. Reads the text in place, without building a document.
    static std::optional<std::string> lookup(std::string_view text, std::string_view section,
                                             std::string_view key);

    // Replaces the key's line, or adds it after the last line of its section
    // that is not blank, or adds the section at the end of the text. `value`
    // is one line: it holds no CR or LF.
    void set(std::string_view section, std::string_view key, std::string_view value);

    const std::string& text() const { return text_; }

  private:
    struct LineSpan;
    // Ends the text's last line when it has no line end, so that a line can follow;
    // returns where that line now ends.
    std::size_t terminate(const LineSpan& line);
    std::string newLineEnd() const;

    std::string text_;
};

}  // namespace kit
