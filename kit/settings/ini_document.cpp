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

IniDocument::IniDocument(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t newline = text.find('\n', start);
        Line line;
        if (newline == npos) {
            line.content = std::string(text.substr(start));
            start = text.size();
        } else {
            std::size_t contentEnd = newline;
            line.end = "\n";
            if (contentEnd > start && text[contentEnd - 1] == '\r') {
                --contentEnd;
                line.end = "\r\n";
            }
            line.content = std::string(text.substr(start, contentEnd - start));
            start = newline + 1;
        }
        lines_.push_back(std::move(line));
    }
}

std::size_t IniDocument::findSection(std::string_view section) const {
    const std::string_view wanted = trim(section);
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = sectionName(lines_[i].content);
        if (name && sameName(*name, wanted))
            return i;
    }
    return npos;
}

std::size_t IniDocument::findKey(std::size_t header, std::string_view key) const {
    const std::string_view wanted = trim(key);
    for (std::size_t i = header + 1; i < lines_.size(); ++i) {
        if (sectionName(lines_[i].content))
            return npos;
        const auto name = keyName(lines_[i].content);
        if (name && sameName(*name, wanted))
            return i;
    }
    return npos;
}

std::optional<std::string> IniDocument::lookup(std::string_view text, std::string_view section,
                                               std::string_view key) {
    const std::string_view wantedSection = trim(section);
    const std::string_view wantedKey = trim(key);
    bool inSection = false;
    bool sectionSeen = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (const auto name = sectionName(line)) {
            // Only the first section of that name counts.
            if (inSection)
                return std::nullopt;
            inSection = !sectionSeen && sameName(*name, wantedSection);
            sectionSeen = sectionSeen || inSection;
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
    return (!lines_.empty() && lines_.front().end == "\r\n") ? "\r\n" : "\n";
}

void IniDocument::set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string end = newLineEnd();
    Line keyLine{std::string(trim(key)) + "=" + std::string(value), end};
    std::size_t header = findSection(section);
    if (header == npos) {
        if (!lines_.empty() && lines_.back().end.empty())
            lines_.back().end = end;
        if (!lines_.empty() && !trim(lines_.back().content).empty())
            lines_.push_back(Line{"", end});
        lines_.push_back(Line{"[" + std::string(trim(section)) + "]", end});
        lines_.push_back(std::move(keyLine));
        return;
    }
    const std::size_t existing = findKey(header, key);
    if (existing != npos) {
        keyLine.end = lines_[existing].end.empty() ? std::string() : lines_[existing].end;
        lines_[existing] = std::move(keyLine);
        return;
    }
    // After the section's last non-blank line, before the blank lines that part it
    // from the next section.
    std::size_t last = header;
    for (std::size_t i = header + 1; i < lines_.size() && !sectionName(lines_[i].content); ++i) {
        if (!trim(lines_[i].content).empty())
            last = i;
    }
    if (lines_[last].end.empty())
        lines_[last].end = end;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(last + 1), std::move(keyLine));
}

std::string IniDocument::text() const {
    std::string result;
    std::size_t size = 0;
    for (const Line& line : lines_)
        size += line.content.size() + line.end.size();
    result.reserve(size);
    for (const Line& line : lines_) {
        result += line.content;
        result += line.end;
    }
    return result;
}

}  // namespace kit
