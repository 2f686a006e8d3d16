#pragma once

#include <string>
#include <string_view>

// The text as a UTF-16LE file with a byte-order mark, as regedit exports it.
inline std::string utf16le(std::u16string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}
