#include "settings/RegEncoding.h"

#include <gtest/gtest.h>

#include "Utf16.h"

#include <string>

using settings::decodeText;
using settings::encodeText;
using settings::TextEncoding;

namespace {

TEST(RegEncoding, DecodesTheEncodingsRegistryFilesComeIn)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::string text;
        TextEncoding encoding;
    };
    const Case cases[] = {
        {"UTF-8", "\"Größe\"=dword:1", "\"Größe\"=dword:1", TextEncoding::Utf8},
        {"UTF-8 with mark", "\xEF\xBB\xBF\"A\"", "\"A\"", TextEncoding::Utf8WithBom},
        {"UTF-16LE", utf16le(u"\"Größe\"\r\n"), "\"Größe\"\r\n", TextEncoding::Utf16LE},
        {"UTF-16LE pair", utf16le(u"\U0001F600"), "\xF0\x9F\x98\x80", TextEncoding::Utf16LE},
        {"empty", "", "", TextEncoding::Utf8},
    };
    for (const Case& c : cases) {
        const auto decoded = decodeText(c.bytes);
        EXPECT_EQ(decoded.utf8, c.text) << c.what;
        EXPECT_EQ(decoded.encoding, c.encoding) << c.what;
    }
}

TEST(RegEncoding, WritesBackExactlyWhatItRead)
{
    const std::string cases[] = {
        "plain",
        "\xEF\xBB\xBF"
        "with mark",
        "invalid \xC3\x28 UTF-8 is kept",
        utf16le(u"Größe \U0001F600\r\n"),
        utf16le(std::u16string(u"lone ") + char16_t(0xD800) + u" surrogate"),
        utf16le(std::u16string(u"trailing ") + char16_t(0xDBFF)),
    };
    for (const std::string& bytes : cases) {
        const auto decoded = decodeText(bytes);
        EXPECT_EQ(encodeText(decoded.utf8, decoded.encoding), bytes) << bytes;
    }
}

TEST(RegEncoding, ShowsWhatCannotBeWrittenBack)
{
    const std::string oddLength = utf16le(u"text") + "x";
    const auto decoded = decodeText(oddLength);
    EXPECT_NE(encodeText(decoded.utf8, decoded.encoding), oddLength);
    EXPECT_EQ(encodeText("bad \xC3\x28", TextEncoding::Utf16LE), std::nullopt);
}

TEST(RegEncoding, ValidatesUtf8)
{
    EXPECT_TRUE(settings::isValidUtf8(""));
    EXPECT_TRUE(settings::isValidUtf8("Größe \xF0\x9F\x98\x80"));
    for (const char* bad :
         {"\xC3", "\xC3\x28", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"})
        EXPECT_FALSE(settings::isValidUtf8(bad)) << bad;
}

} // namespace
