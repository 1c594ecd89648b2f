#include "kit/text/utf8.h"

namespace kit {
namespace {

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// The length of the character that a lead byte opens, or 1 for anything else.
std::size_t sequenceLength(unsigned char lead) {
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

}  // namespace

std::string cutUtf8(std::string_view text, std::size_t maxBytes) {
    if (text.size() <= maxBytes)
        return std::string(text);
    std::size_t lead = maxBytes;
    while (lead > 0 && maxBytes - lead < 3 &&
           isContinuation(static_cast<unsigned char>(text[lead - 1])))
        --lead;
    // `lead` - 1 is the byte that opens the last character before the cut, if any.
    if (lead > 0 &&
        lead - 1 + sequenceLength(static_cast<unsigned char>(text[lead - 1])) > maxBytes)
        return std::string(text.substr(0, lead - 1));
    return std::string(text.substr(0, maxBytes));
}

}  // namespace kit
