#include "RegEncoding.h"

#include <cstdint>

namespace settings {

namespace {

constexpr std::string_view Utf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LEBom = "\xFF\xFE";

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void appendUtf16LE(std::string& out, char16_t unit)
{
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
}

// Decodes one sequence at `pos`, allowing encoded surrogates when `allowSurrogates`.
std::optional<char32_t> nextCodePoint(std::string_view text, size_t& pos, bool allowSurrogates)
{
    const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    size_t length;
    char32_t c;
    if (lead < 0x80) {
        ++pos;
        return lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
    } else {
        return std::nullopt;
    }
    if (pos + length > text.size())
        return std::nullopt;
    for (size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80)
            return std::nullopt;
        c = (c << 6) | (byte(pos + i) & 0x3F);
    }
    const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    const bool surrogate = c >= 0xD800 && c <= 0xDFFF;
    if (overlong || c > 0x10FFFF || (surrogate && !allowSurrogates))
        return std::nullopt;
    pos += length;
    return c;
}

} // namespace

DecodedText decodeText(std::string_view bytes)
{
    if (bytes.starts_with(Utf8Bom))
        return {std::string(bytes.substr(Utf8Bom.size())), TextEncoding::Utf8WithBom};
    if (!bytes.starts_with(Utf16LEBom))
        return {std::string(bytes), TextEncoding::Utf8};

    DecodedText decoded{{}, TextEncoding::Utf16LE};
    decoded.utf8.reserve(bytes.size() / 2);
    const auto unitAt = [&](size_t i) {
        return static_cast<char16_t>(static_cast<unsigned char>(bytes[i]) |
                                     static_cast<unsigned char>(bytes[i + 1]) << 8);
    };
    // An odd last byte is dropped; encoding the result back then shows the difference.
    for (size_t i = Utf16LEBom.size(); i + 1 < bytes.size(); i += 2) {
        const char16_t unit = unitAt(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const char16_t low = unitAt(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(decoded.utf8, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        appendUtf8(decoded.utf8, unit);
    }
    return decoded;
}

std::optional<std::string> encodeText(std::string_view utf8, TextEncoding encoding)
{
    switch (encoding) {
    case TextEncoding::Utf8:
        return std::string(utf8);
    case TextEncoding::Utf8WithBom:
        return std::string(Utf8Bom) + std::string(utf8);
    case TextEncoding::Utf16LE:
        break;
    }
    std::string out(Utf16LEBom);
    out.reserve(2 + utf8.size() * 2);
    for (size_t pos = 0; pos < utf8.size();) {
        const auto c = nextCodePoint(utf8, pos, true);
        if (!c)
            return std::nullopt;
        if (*c >= 0x10000) {
            appendUtf16LE(out, static_cast<char16_t>(0xD800 + ((*c - 0x10000) >> 10)));
            appendUtf16LE(out, static_cast<char16_t>(0xDC00 + ((*c - 0x10000) & 0x3FF)));
        } else {
            appendUtf16LE(out, static_cast<char16_t>(*c));
        }
    }
    return out;
}

bool isValidUtf8(std::string_view text)
{
    for (size_t pos = 0; pos < text.size();) {
        if (!nextCodePoint(text, pos, false))
            return false;
    }
    return true;
}

} // namespace settings
