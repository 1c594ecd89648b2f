#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kit {

// The first `maxBytes` bytes of `text` at most, ending before a UTF-8
// character that would not fit whole. Bytes that are not UTF-8 are cut as bytes.
std::string cutUtf8(std::string_view text, std::size_t maxBytes);

}  // namespace kit
