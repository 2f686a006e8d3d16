#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace settings {

// How a .reg file's bytes carry its text. Files we create are UTF-8 without a byte-order
// mark and with LF line ends, so that `cat` and any editor show them as they are; files
// that regedit exported are UTF-16LE with a byte-order mark. Both are read, and a file
// keeps the encoding it had when it is rewritten.
enum class TextEncoding { Utf8, Utf8WithBom, Utf16LE };

struct DecodedText {
    std::string utf8;
    TextEncoding encoding = TextEncoding::Utf8;
};

// Never fails: UTF-8 bytes are passed through untouched, and in UTF-16 a lone surrogate
// becomes its generalized UTF-8 form so that it can be written back as it was.
DecodedText decodeText(std::string_view bytes);

// The bytes for `utf8` in `encoding`; nullopt when the text cannot be stored that way.
std::optional<std::string> encodeText(std::string_view utf8, TextEncoding encoding);

bool isValidUtf8(std::string_view text);

} // namespace settings
