#include "settings/RegDocument.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

using settings::RegDocument;

namespace {

const std::string Key = "HKEY_CURRENT_USER\\Software\\Quorvel";
const std::string Head =
    "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Quorvel]\n";

struct ReadCase {
    const char* what;
    std::string text;
    std::string name;
    std::optional<uint32_t> expected;
};

class RegDocumentRead : public testing::TestWithParam<ReadCase> {};

TEST_P(RegDocumentRead, FindsOnlyDwordValuesOfTheKey)
{
    const ReadCase& c = GetParam();
    EXPECT_EQ(RegDocument(c.text).dword(Key, c.name), c.expected) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RegDocumentRead,
    testing::Values(
        ReadCase{"dword", Head + "\"Top\"=dword:00000064\n", "Top", 100},
        ReadCase{"all bits", Head + "\"Top\"=dword:fffffff8\n", "Top", 0xfffffff8u},
        ReadCase{"upper case, fewer digits", Head + "\"Top\"=DWORD:FF\n", "Top", 255},
        ReadCase{"name in other case", Head + "\"top\"=dword:00000001\n", "TOP", 1},
        ReadCase{"escaped name", Head + "\"a\\\"b\\\\c\"=dword:00000002\n", "a\"b\\c", 2},
        ReadCase{"default value", Head + "@=dword:00000003\n", "", 3},
        ReadCase{"blanks around =", Head + "\"Top\" = dword:00000005 \t\n", "Top", 5},
        ReadCase{"hex(4) is a dword", Head + "\"Top\"=hex(4):64,00,00,00\n", "Top", 100},
        ReadCase{"continued line", Head + "\"Top\"=hex(4):64,01,\\\n  00,00\n", "Top", 0x164},
        ReadCase{"CRLF",
                 "Windows Registry Editor Version 5.00\r\n\r\n"
                 "[HKEY_CURRENT_USER\\Software\\Quorvel]\r\n\"Top\"=dword:00000007\r\n",
                 "Top", 7},
        ReadCase{"no final line break", Head + "\"Top\"=dword:00000008", "Top", 8},
        ReadCase{"last of two", Head + "\"Top\"=dword:00000001\n\"Top\"=dword:00000002\n", "Top",
                 2},
        ReadCase{"key given twice",
                 Head + "\"Top\"=dword:00000001\n\n[HKEY_CURRENT_USER\\Software\\Other]\n"
                        "\"Left\"=dword:00000009\n\n[HKEY_CURRENT_USER\\Software\\Quorvel]\n"
                        "\"Left\"=dword:00000002\n",
                 "Top", 1},
        ReadCase{"key in other case",
                 "REGEDIT4\n\n[hkey_current_user\\SOFTWARE\\quorvel]\n\"Top\"=dword:0000000a\n",
                 "Top", 10},
        ReadCase{"no first line",
                 "[HKEY_CURRENT_USER\\Software\\Quorvel]\n\"Top\"=dword:0000000b\n", "Top", 11},
        ReadCase{"missing", Head + "\"Left\"=dword:00000001\n", "Top", std::nullopt},
        ReadCase{"string", Head + "\"Top\"=\"100\"\n", "Top", std::nullopt},
        ReadCase{"binary", Head + "\"Top\"=hex:64,00,00,00\n", "Top", std::nullopt},
        ReadCase{"qword", Head + "\"Top\"=hex(b):64,00,00,00,00,00,00,00\n", "Top", std::nullopt},
        ReadCase{"big-endian dword", Head + "\"Top\"=hex(5):00,00,00,64\n", "Top", std::nullopt},
        ReadCase{"hex(4) of 8 bytes", Head + "\"Top\"=hex(4):64,00,00,00,00,00,00,00\n", "Top",
                 std::nullopt},
        ReadCase{"nine digits", Head + "\"Top\"=dword:000000064\n", "Top", std::nullopt},
        ReadCase{"no digits", Head + "\"Top\"=dword:\n", "Top", std::nullopt},
        ReadCase{"not hex", Head + "\"Top\"=dword:0000006g\n", "Top", std::nullopt},
        ReadCase{"deleted", Head + "\"Top\"=-\n", "Top", std::nullopt},
        ReadCase{"string after dword", Head + "\"Top\"=dword:00000001\n\"Top\"=\"1\"\n", "Top",
                 std::nullopt},
        ReadCase{"other key",
                 "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Other]\n"
                 "\"Top\"=dword:00000001\n",
                 "Top", std::nullopt},
        ReadCase{"subkey",
                 Head + "\n[HKEY_CURRENT_USER\\Software\\Quorvel\\Sub]\n"
                        "\"Top\"=dword:00000001\n",
                 "Top", std::nullopt},
        ReadCase{"before any key", "\"Top\"=dword:00000001\n", "Top", std::nullopt},
        ReadCase{"unterminated name", Head + "\"Top=dword:00000001\n", "Top", std::nullopt},
        ReadCase{"comment", Head + ";\"Top\"=dword:00000001\n", "Top", std::nullopt},
        ReadCase{"empty", "", "Top", std::nullopt}));

struct WriteCase {
    const char* what;
    std::string before;
    std::string name;
    uint32_t value;
    std::string after;
};

class RegDocumentWrite : public testing::TestWithParam<WriteCase> {};

TEST_P(RegDocumentWrite, ChangesOnlyTheValueItSets)
{
    const WriteCase& c = GetParam();
    RegDocument document(c.before);
    document.setDword(Key, c.name, c.value);
    EXPECT_EQ(document.text(), c.after) << c.what;
    EXPECT_EQ(document.dword(Key, c.name), c.value) << c.what;
}

const std::string Foreign = "; kept as written\n"
                            "\"Name\"=\"text with \\\"quotes\\\"\"\n"
                            "\"Blob\"=hex:01,02,03,\\\n"
                            "  04,05\n"
                            "this line is not a value\n";

INSTANTIATE_TEST_SUITE_P(
    Cases, RegDocumentWrite,
    testing::Values(
        WriteCase{"new file", "", "Top", 100, Head + "\"Top\"=dword:00000064\n"},
        WriteCase{"blank file", " \n\r\n", "Top", 100, Head + "\"Top\"=dword:00000064\n"},
        WriteCase{"replaced in place", Head + "\"Top\"=dword:00000001\n\"Left\"=dword:00000002\n",
                  "Top", 0xfffffff8u, Head + "\"Top\"=dword:fffffff8\n\"Left\"=dword:00000002\n"},
        WriteCase{"replaces a string", Head + "\"Top\"=\"100\"\n\"Left\"=dword:00000002\n", "Top",
                  5, Head + "\"Top\"=dword:00000005\n\"Left\"=dword:00000002\n"},
        WriteCase{"replaces a continued value",
                  Head + "\"Top\"=hex:01,\\\n  02\n\"Left\"=dword:00000002\n", "Top", 5,
                  Head + "\"Top\"=dword:00000005\n\"Left\"=dword:00000002\n"},
        WriteCase{"name in other case", Head + "\"TOP\"=dword:00000001\n", "Top", 2,
                  Head + "\"Top\"=dword:00000002\n"},
        WriteCase{"keeps what it does not know", Head + Foreign + "\n", "Top", 1,
                  Head + Foreign + "\"Top\"=dword:00000001\n\n"},
        WriteCase{"adds to the key, not to the next one",
                  Head + "\"Top\"=dword:00000001\n\n[HKEY_CURRENT_USER\\Software\\Other]\n"
                         "\"X\"=dword:00000001\n",
                  "Left", 2,
                  Head + "\"Top\"=dword:00000001\n\"Left\"=dword:00000002\n\n"
                         "[HKEY_CURRENT_USER\\Software\\Other]\n\"X\"=dword:00000001\n"},
        WriteCase{"adds the key",
                  "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Other]\n"
                  "\"X\"=dword:00000001\n",
                  "Top", 1,
                  "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Other]\n"
                  "\"X\"=dword:00000001\n\n[HKEY_CURRENT_USER\\Software\\Quorvel]\n"
                  "\"Top\"=dword:00000001\n"},
        WriteCase{"adds the first line", "garbage", "Top", 1,
                  "Windows Registry Editor Version 5.00\n\ngarbage\n\n"
                  "[HKEY_CURRENT_USER\\Software\\Quorvel]\n\"Top\"=dword:00000001\n"},
        WriteCase{"no final line break", Head + "\"Top\"=dword:00000001", "Left", 2,
                  Head + "\"Top\"=dword:00000001\n\"Left\"=dword:00000002\n"},
        WriteCase{"keeps CRLF",
                  "Windows Registry Editor Version 5.00\r\n\r\n"
                  "[HKEY_CURRENT_USER\\Software\\Quorvel]\r\n\"Top\"=dword:00000001\r\n\r\n",
                  "Left", 2,
                  "Windows Registry Editor Version 5.00\r\n\r\n"
                  "[HKEY_CURRENT_USER\\Software\\Quorvel]\r\n\"Top\"=dword:00000001\r\n"
                  "\"Left\"=dword:00000002\r\n\r\n"},
        WriteCase{"escapes the name", "", "a\"b\\c", 1, Head + "\"a\\\"b\\\\c\"=dword:00000001\n"},
        WriteCase{"default value", "", "", 1, Head + "@=dword:00000001\n"},
        WriteCase{"non-ASCII name", "", "Größe", 1, Head + "\"Größe\"=dword:00000001\n"}));

} // namespace
