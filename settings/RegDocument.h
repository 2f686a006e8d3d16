#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace settings {

// The text of a registry export file (.reg), as regedit writes it:
//
//   Windows Registry Editor Version 5.00
//
//   [HKEY_CURRENT_USER\Software\Quorvel]
//   "Top"=dword:00000064
//
// Only REG_DWORD values are understood. Every other line - values of other types, other
// keys, comments, lines that do not parse - is kept byte for byte, so setting a value
// changes nothing but that value's own line. Key paths and value names are matched
// without regard to ASCII case, as the registry does; where a key or value appears more
// than once, the last one counts, as it would on import.
class RegDocument {
public:
    static constexpr std::string_view Header = "Windows Registry Editor Version 5.00";

    explicit RegDocument(std::string text = {});

    const std::string& text() const { return text_; }

    // The value's 32 bits when it is a REG_DWORD (written `dword:` or as four bytes of
    // `hex(4):`); nullopt when it is missing or of another type.
    std::optional<uint32_t> dword(std::string_view keyPath, std::string_view valueName) const;

    // Replaces the value of that name whatever its type, or adds it at the end of its key,
    // adding the key (and the file's first line) when missing. Value names must not hold
    // line breaks or NUL.
    void setDword(std::string_view keyPath, std::string_view valueName, uint32_t value);

private:
    enum class Kind { Header, Blank, Key, Value, Other };

    // One logical line: a physical line and, for a value, the lines that continue it.
    struct Entry {
        size_t begin = 0;
        size_t contentEnd = 0; // before the last line break
        size_t end = 0;        // after it
        Kind kind = Kind::Other;
        std::string name; // the key path of a Key, the value name of a Value
        std::optional<uint32_t> dword;
        bool inKey = false; // whether it lies in the key being looked for
    };

    std::vector<Entry> parse(std::string_view keyPath) const;
    std::string lineBreak() const;

    std::string text_;
};

} // namespace settings
