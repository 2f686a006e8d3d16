#include "RegDocument.h"

#include <algorithm>
#include <cstdio>

namespace settings {

namespace {

constexpr std::string_view Regedit4Header = "REGEDIT4";

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return asciiLower(x) == asciiLower(y); });
}

bool startsWithIgnoringCase(std::string_view s, std::string_view prefix)
{
    return s.size() >= prefix.size() && equalsIgnoringCase(s.substr(0, prefix.size()), prefix);
}

std::optional<uint32_t> parseHex(std::string_view digits, size_t maxDigits)
{
    if (digits.empty() || digits.size() > maxDigits)
        return std::nullopt;
    uint32_t value = 0;
    for (char c : digits) {
        const char l = asciiLower(c);
        if (l >= '0' && l <= '9')
            value = value << 4 | static_cast<uint32_t>(l - '0');
        else if (l >= 'a' && l <= 'f')
            value = value << 4 | static_cast<uint32_t>(l - 'a' + 10);
        else
            return std::nullopt;
    }
    return value;
}

std::optional<uint32_t> parseDwordData(std::string_view data)
{
    constexpr std::string_view dwordPrefix = "dword:";
    constexpr std::string_view hex4Prefix = "hex(4):";
    if (startsWithIgnoringCase(data, dwordPrefix))
        return parseHex(data.substr(dwordPrefix.size()), 8);
    if (!startsWithIgnoringCase(data, hex4Prefix))
        return std::nullopt;

    uint32_t value = 0;
    int count = 0;
    std::string_view bytes = data.substr(hex4Prefix.size());
    while (true) {
        const size_t comma = bytes.find(',');
        const auto byte = parseHex(trimmed(bytes.substr(0, comma)), 2);
        if (!byte || count == 4)
            return std::nullopt;
        value |= *byte << (8 * count++);
        if (comma == std::string_view::npos)
            break;
        bytes.remove_prefix(comma + 1);
    }
    return count == 4 ? std::optional(value) : std::nullopt;
}

struct ParsedValue {
    std::string name;
    std::optional<uint32_t> dword;
};

// `"name"=data` or `@=data`, the name with regedit's escapes \\ and \".
std::optional<ParsedValue> parseValue(std::string_view line)
{
    ParsedValue parsed;
    size_t i = 1;
    if (line.front() == '"') {
        bool closed = false;
        while (i < line.size() && !closed) {
            const char c = line[i];
            if (c == '\\' && i + 1 < line.size() && (line[i + 1] == '\\' || line[i + 1] == '"')) {
                parsed.name += line[i + 1];
                i += 2;
            } else {
                closed = c == '"';
                if (!closed)
                    parsed.name += c;
                ++i;
            }
        }
        if (!closed)
            return std::nullopt;
    }
    std::string_view rest = trimmed(line.substr(i));
    if (!rest.starts_with('='))
        return std::nullopt;
    parsed.dword = parseDwordData(trimmed(rest.substr(1)));
    return parsed;
}

std::string formatValue(std::string_view name, uint32_t value)
{
    std::string line;
    if (name.empty()) {
        line = "@";
    } else {
        line = "\"";
        for (char c : name) {
            if (c == '\\' || c == '"')
                line += '\\';
            line += c;
        }
        line += '"';
    }
    char data[16];
    std::snprintf(data, sizeof data, "%08x", value);
    return line + "=dword:" + data;
}

} // namespace

RegDocument::RegDocument(std::string text) : text_(std::move(text)) {}

std::vector<RegDocument::Entry> RegDocument::parse(std::string_view keyPath) const
{
    std::vector<Entry> entries;
    const std::string_view text = text_;
    bool inKey = false;

    // Sets [begin, contentEnd, end) to the physical line starting at `begin`.
    const auto physicalLine = [&](Entry& e, size_t begin) {
        const size_t newline = text.find('\n', begin);
        e.end = newline == std::string_view::npos ? text.size() : newline + 1;
        e.contentEnd = newline == std::string_view::npos ? text.size() : newline;
        if (newline != std::string_view::npos && e.contentEnd > begin &&
            text[e.contentEnd - 1] == '\r')
            --e.contentEnd;
    };

    for (size_t pos = 0; pos < text.size();) {
        Entry e;
        e.begin = pos;
        physicalLine(e, pos);
        const std::string_view line = trimmed(text.substr(pos, e.contentEnd - pos));

        if (entries.empty() && (line == Header || line == Regedit4Header)) {
            e.kind = Kind::Header;
        } else if (line.empty()) {
            e.kind = Kind::Blank;
        } else if (line.front() == '[' && line.back() == ']' && line.size() >= 2) {
            e.kind = Kind::Key;
            e.name = line.substr(1, line.size() - 2);
            inKey = equalsIgnoringCase(e.name, keyPath);
        } else if (line.front() == '"' || line.front() == '@') {
            std::string logical(line);
            while (logical.ends_with('\\') && e.end < text.size()) {
                logical.pop_back();
                Entry next;
                physicalLine(next, e.end);
                logical += trimmed(text.substr(e.end, next.contentEnd - e.end));
                e.contentEnd = next.contentEnd;
                e.end = next.end;
            }
            if (auto value = parseValue(logical)) {
                e.kind = Kind::Value;
                e.name = std::move(value->name);
                e.dword = value->dword;
            }
        }
        e.inKey = inKey;
        pos = e.end;
        entries.push_back(std::move(e));
    }
    return entries;
}

std::string RegDocument::lineBreak() const
{
    const size_t newline = text_.find('\n');
    return newline != std::string::npos && newline > 0 && text_[newline - 1] == '\r' ? "\r\n"
                                                                                     : "\n";
}

std::optional<uint32_t> RegDocument::dword(std::string_view keyPath,
                                           std::string_view valueName) const
{
    const auto entries = parse(keyPath);
    const auto match = std::ranges::find_if(entries.rbegin(), entries.rend(), [&](const Entry& e) {
        return e.kind == Kind::Value && e.inKey && equalsIgnoringCase(e.name, valueName);
    });
    return match == entries.rend() ? std::nullopt : match->dword;
}

void RegDocument::setDword(std::string_view keyPath, std::string_view valueName, uint32_t value)
{
    if (text_.find_first_not_of(" \t\r\n") == std::string::npos)
        text_.clear();
    const std::string eol = lineBreak();
    const std::string line = formatValue(valueName, value);
    const auto entries = parse(keyPath);

    const auto match = std::ranges::find_if(entries.rbegin(), entries.rend(), [&](const Entry& e) {
        return e.kind == Kind::Value && e.inKey && equalsIgnoringCase(e.name, valueName);
    });
    const auto last = std::ranges::find_if(entries.rbegin(), entries.rend(), [](const Entry& e) {
        return e.inKey && e.kind != Kind::Blank;
    });

    if (match != entries.rend()) {
        text_.replace(match->begin, match->contentEnd - match->begin, line);
    } else if (last != entries.rend()) {
        const bool endsUnbroken = last->end == last->contentEnd;
        text_.insert(last->end, (endsUnbroken ? eol : "") + line + eol);
    } else {
        if (!text_.empty() && !text_.ends_with('\n'))
            text_ += eol;
        if (!entries.empty() && entries.back().kind != Kind::Blank)
            text_ += eol;
        text_ += "[" + std::string(keyPath) + "]" + eol + line + eol;
    }

    if (entries.empty() || entries.front().kind != Kind::Header)
        text_.insert(0, std::string(Header) + eol + eol);
}

} // namespace settings
