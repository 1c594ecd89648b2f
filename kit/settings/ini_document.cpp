#include "kit/settings/ini_document.h"

#include <algorithm>

namespace kit {
namespace {

constexpr std::size_t npos = std::string::npos;

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

char lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return lower(x) == lower(y); });
}

// The name of a "[name]" line, or nullopt when the line opens no section.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = trim(line);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == npos)
        return std::nullopt;
    return trim(line.substr(1, close - 1));
}

bool isComment(std::string_view line) {
    line = trim(line);
    return !line.empty() && line.front() == ';';
}

// The key of a "key=value" line, or nullopt.
std::optional<std::string_view> keyName(std::string_view line) {
    if (isComment(line) || sectionName(line))
        return std::nullopt;
    const std::size_t equals = line.find('=');
    if (equals == npos)
        return std::nullopt;
    return trim(line.substr(0, equals));
}

}  // namespace

struct IniDocument::LineSpan {
    std::size_t begin = 0;       // the line's first byte
    std::size_t contentEnd = 0;  // where its line end starts
    std::size_t end = 0;         // the next line's first byte

    // The line that starts at `begin`.
    static LineSpan at(std::string_view text, std::size_t begin) {
        const std::size_t newline = text.find('\n', begin);
        LineSpan line{begin, newline == npos ? text.size() : newline,
                      newline == npos ? text.size() : newline + 1};
        if (line.contentEnd > begin && text[line.contentEnd - 1] == '\r')
            --line.contentEnd;
        return line;
    }

    std::string_view content(std::string_view text) const {
        return text.substr(begin, contentEnd - begin);
    }
};

std::optional<std::string> IniDocument::lookup(std::string_view text, std::string_view section,
                                               std::string_view key) {
    const std::string_view wantedSection = trim(section);
    const std::string_view wantedKey = trim(key);
    bool inSection = false;
    for (std::size_t start = 0; start < text.size();) {
        const LineSpan span = LineSpan::at(text, start);
        start = span.end;
        const std::string_view line = span.content(text);
        if (const auto name = sectionName(line)) {
            // Only the first section of that name counts.
            if (inSection)
                return std::nullopt;
            inSection = sameName(*name, wantedSection);
            continue;
        }
        if (!inSection)
            continue;
        const auto name = keyName(line);
        if (name && sameName(*name, wantedKey))
            return std::string(trim(line.substr(line.find('=') + 1)));
    }
    return std::nullopt;
}

std::string IniDocument::newLineEnd() const {
    const std::size_t newline = text_.find('\n');
    if (newline == npos)
        return !text_.empty() && text_.back() == '\r' ? "\r\n" : "\n";
    return newline > 0 && text_[newline - 1] == '\r' ? "\r\n" : "\n";
}

std::size_t IniDocument::terminate(const LineSpan& line) {
    if (line.end < text_.size() || text_.empty() || text_.back() == '\n')
        return line.end;
    // A lone CR at the end only lacks its LF; the value before it stays the same.
    text_ += line.contentEnd < line.end ? std::string("\n") : newLineEnd();
    return text_.size();
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string_view wantedSection = trim(section);
    const std::string_view wantedKey = trim(key);
    const std::string keyLine = std::string(wantedKey) + "=" + std::string(value);

    // One pass: the section's header, its last line that is not blank, and the key.
    std::optional<LineSpan> header, lastFilled, found;
    LineSpan last;
    for (std::size_t start = 0; start < text_.size();) {
        last = LineSpan::at(text_, start);
        start = last.end;
        const std::string_view line = last.content(text_);
        const auto name = sectionName(line);
        if (!header) {
            if (name && sameName(*name, wantedSection))
                header = lastFilled = last;
            continue;
        }
        if (name)
            break;
        const auto keyFound = keyName(line);
        if (keyFound && sameName(*keyFound, wantedKey)) {
            found = last;
            break;
        }
        if (!trim(line).empty())
            lastFilled = last;
    }

    if (found) {
        text_.replace(found->begin, found->contentEnd - found->begin, keyLine);
        return;
    }
    const std::string end = newLineEnd();
    if (header) {
        // Before the blank lines that part the section from the next one.
        const std::size_t at = terminate(*lastFilled);
        text_.insert(at, keyLine + end);
        return;
    }
    if (!text_.empty()) {
        const bool blankLast = trim(last.content(text_)).empty();
        terminate(last);
        if (!blankLast)
            text_ += end;
    }
    text_ += "[" + std::string(wantedSection) + "]" + end + keyLine + end;
}

}  // namespace kit
