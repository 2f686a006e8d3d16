#include "settings/MyFunctions.h"

#include "ChildProcess.h"
#include "TempConfigHome.h"

#include <gtest/gtest.h>

#include "Utf16.h"

#include <atomic>
#include <cctype>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>

using namespace settings;
namespace fs = std::filesystem;

namespace {

const std::string Head =
    "Windows Registry Editor Version 5.00\n\n[HKEY_CURRENT_USER\\Software\\Quorvel]\n";

// Everything below `root` but the lock file, which a write may have to create before it
// can find that it fails: each entry's type, permission bits and content.
std::map<std::string, std::string> snapshot(const fs::path& root)
{
    std::map<std::string, std::string> entries;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.path().filename() == "settings.reg.lock")
            continue;
        const auto status = fs::symlink_status(entry.path());
        std::string description = std::to_string(static_cast<int>(status.type())) + " " +
                                  std::to_string(static_cast<int>(status.permissions()));
        if (fs::is_regular_file(status)) {
            const auto size = fs::file_size(entry.path());
            description +=
                size <= 4096
                    ? " " + TempConfigHome::read(entry.path())
                    : " " + std::to_string(size) + " bytes, changed " +
                          std::to_string(
                              fs::last_write_time(entry.path()).time_since_epoch().count());
        }
        entries[fs::relative(entry.path(), root).string()] = description;
    }
    return entries;
}

void giveToUnprivilegedUser(const fs::path& root)
{
    if (geteuid() != 0)
        return;
    ASSERT_EQ(lchown(root.c_str(), UnprivilegedId, UnprivilegedId), 0);
    for (const auto& entry : fs::recursive_directory_iterator(root))
        ASSERT_EQ(lchown(entry.path().c_str(), UnprivilegedId, UnprivilegedId), 0);
}

TEST(SettingsStore, ReadsDefaultsWithoutCreatingAnything)
{
    TempConfigHome home;
    EXPECT_EQ(ReadIntegerSetting("Quorvel", "Top", 100), 100);
    EXPECT_EQ(ReadIntegerSetting("Quorvel", "Left", -7), -7);
    EXPECT_TRUE(ReadBoolSetting("Quorvel", "100p", true));
    EXPECT_FALSE(ReadBoolSetting("Quorvel", "75p", false));
    EXPECT_TRUE(fs::is_empty(home.path()));

    home.setContents(Head + "\"Left\"=dword:00000001\n");
    EXPECT_EQ(ReadIntegerSetting("Quorvel", "Top", 100), 100);
    EXPECT_EQ(ReadIntegerSetting("Other", "Left", 5), 5);
    EXPECT_EQ(snapshot(home.path()).size(), 2u);
}

TEST(SettingsStore, FirstWriteCreatesTheKey)
{
    TempConfigHome home;
    EXPECT_TRUE(WriteIntegerSetting("Quorvel", "Top", 100));
    EXPECT_EQ(home.contents(), Head + "\"Top\"=dword:00000064\n");
    EXPECT_EQ(fs::status(home.folder()).permissions(), fs::perms::owner_all);
    EXPECT_FALSE(fs::exists(home.folder() / "settings.reg.tmp"));

    EXPECT_TRUE(WriteBoolSetting("Quorvel", "100p", true));
    EXPECT_EQ(home.contents(), Head + "\"Top\"=dword:00000064\n\"100p\"=dword:00000001\n");
}

TEST(SettingsStore, CreatesAMissingConfigFolder)
{
    TempConfigHome home;
    setenv("XDG_CONFIG_HOME", (home.path() / "a" / "b").c_str(), 1);
    EXPECT_TRUE(WriteIntegerSetting("Quorvel", "Top", 1));
    EXPECT_EQ(ReadIntegerSetting("Quorvel", "Top", 0), 1);
    EXPECT_TRUE(fs::exists(home.path() / "a" / "b" / "Quorvel" / "settings.reg"));
}

TEST(SettingsStore, StoresIntegersAndBooleansAsDwords)
{
    struct Case {
        std::function<bool()> write;
        const char* line;
        int32_t readBack;
    };
    const Case cases[] = {
        {[] { return WriteIntegerSetting("Quorvel", "V", -8); }, "\"V\"=dword:fffffff8", -8},
        {[] { return WriteIntegerSetting("Quorvel", "V", 0); }, "\"V\"=dword:00000000", 0},
        {[] { return WriteIntegerSetting("Quorvel", "V", INT32_MIN); }, "\"V\"=dword:80000000",
         INT32_MIN},
        {[] { return WriteIntegerSetting("Quorvel", "V", INT32_MAX); }, "\"V\"=dword:7fffffff",
         INT32_MAX},
        {[] { return WriteBoolSetting("Quorvel", "V", true); }, "\"V\"=dword:00000001", 1},
        {[] { return WriteBoolSetting("Quorvel", "V", false); }, "\"V\"=dword:00000000", 0},
    };
    for (const Case& c : cases) {
        TempConfigHome home;
        EXPECT_TRUE(c.write());
        EXPECT_EQ(home.contents(), Head + c.line + "\n");
        EXPECT_EQ(ReadIntegerSetting("Quorvel", "V", 12345), c.readBack) << c.line;
        EXPECT_EQ(ReadBoolSetting("Quorvel", "V", c.readBack == 0), c.readBack != 0) << c.line;
    }
}

TEST(SettingsStore, ReadsOnlyDwordsAndOtherwiseTheDefault)
{
    struct Case {
        const char* data;
        int32_t integer;     // read with default 42
        bool booleanIfTrue;  // read with default true
        bool booleanIfFalse; // read with default false
    };
    const Case cases[] = {
        {"dword:00000005", 5, true, true},
        {"dword:00000000", 0, false, false},
        {"dword:fffffff8", -8, true, true},
        {"\"1\"", 42, true, false},
        {"\"100\"", 42, true, false},
        {"hex:64,00,00,00", 42, true, false},
        {"hex(b):64,00,00,00,00,00,00,00", 42, true, false},
        {"hex(5):00,00,00,64", 42, true, false},
    };
    TempConfigHome home;
    for (const Case& c : cases) {
        home.setContents(Head + "\"V\"=" + c.data + "\n");
        EXPECT_EQ(ReadIntegerSetting("Quorvel", "V", 42), c.integer) << c.data;
        EXPECT_EQ(ReadBoolSetting("Quorvel", "V", true), c.booleanIfTrue) << c.data;
        EXPECT_EQ(ReadBoolSetting("Quorvel", "V", false), c.booleanIfFalse) << c.data;
    }
}

TEST(SettingsStore, KeepsWhatItDidNotWrite)
{
    TempConfigHome home;
    const std::string foreign = Head + "; a person's note\n"
                                       "\"Top\"=\"100\"\n"
                                       "\"Blob\"=hex:64,00,00,00\n"
                                       "\"Wide\"=hex(b):64,00,00,00,00,00,00,00\n"
                                       "not a value at all\n"
                                       "\n[HKEY_CURRENT_USER\\Software\\Quorvel\\Sub]\n"
                                       "\"Left\"=dword:00000009\n";
    home.setContents(foreign);

    EXPECT_TRUE(WriteIntegerSetting("Quorvel", "Left", 300));
    EXPECT_EQ(home.contents(), Head + "; a person's note\n"
                                      "\"Top\"=\"100\"\n"
                                      "\"Blob\"=hex:64,00,00,00\n"
                                      "\"Wide\"=hex(b):64,00,00,00,00,00,00,00\n"
                                      "not a value at all\n"
                                      "\"Left\"=dword:0000012c\n"
                                      "\n[HKEY_CURRENT_USER\\Software\\Quorvel\\Sub]\n"
                                      "\"Left\"=dword:00000009\n");
    EXPECT_EQ(ReadIntegerSetting("Quorvel", "Top", 100), 100);
    EXPECT_EQ(ReadIntegerSetting("Quorvel", "Blob", 1), 1);
    EXPECT_EQ(ReadIntegerSetting("Quorvel", "Left", 0), 300);
    EXPECT_EQ(ReadIntegerSetting("Quorvel\\Sub", "Left", 0), 9);

    EXPECT_TRUE(WriteIntegerSetting("Quorvel", "Top", 40));
    EXPECT_EQ(ReadIntegerSetting("Quorvel", "Top", 100), 40);
    EXPECT_EQ(home.contents().find("\"Top\"=\"100\""), std::string::npos);
}

TEST(SettingsStore, RewritesRegeditExportsInTheirOwnEncoding)
{
    TempConfigHome home;
    const std::u16string exported = u"Windows Registry Editor Version 5.00\r\n\r\n"
                                    u"[HKEY_CURRENT_USER\\Software\\Quorvel]\r\n"
                                    u"\"Top\"=dword:00000028\r\n"
                                    u"\"Größe\"=\"groß\"\r\n\r\n";
    home.setContents(utf16le(exported));
    EXPECT_EQ(ReadIntegerSetting("Quorvel", "Top", 100), 40);

    EXPECT_TRUE(WriteIntegerSetting("Quorvel", "Left", 300));
    EXPECT_EQ(home.contents(), utf16le(u"Windows Registry Editor Version 5.00\r\n\r\n"
                                       u"[HKEY_CURRENT_USER\\Software\\Quorvel]\r\n"
                                       u"\"Top\"=dword:00000028\r\n"
                                       u"\"Größe\"=\"groß\"\r\n"
                                       u"\"Left\"=dword:0000012c\r\n\r\n"));
}

TEST(SettingsStore, RefusesNamesItCannotStore)
{
    TempConfigHome home;
    const std::pair<std::string, std::string> cases[] = {
        {"", "Top"},         {"..", "Top"},
        {"a/b", "Top"},      {"Quorvel\\", "Top"},
        {"Quo\xC3", "Top"},  {"Quorvel", "a\nb"},
        {"Quorvel", "a\rb"}, {"Quorvel", std::string("a\0b", 3)},
        {"Quorvel", "\xFF"},
    };
    for (const auto& [key, value] : cases) {
        EXPECT_FALSE(WriteIntegerSetting(key, value, 1)) << key << " / " << value;
        EXPECT_FALSE(WriteBoolSetting(key, value, true)) << key << " / " << value;
        EXPECT_EQ(ReadIntegerSetting(key, value, 7), 7) << key << " / " << value;
    }
    EXPECT_TRUE(fs::is_empty(home.path()));
}

TEST(SettingsStore, ReplacesTheFileALinkPointsTo)
{
    TempConfigHome home;
    fs::create_directories(home.folder());
    fs::create_directories(home.path() / "dotfiles");
    const fs::path target = home.path() / "dotfiles" / "quorvel.reg";
    std::ofstream(target) << Head << "\"Top\"=dword:00000001\n";
    fs::create_symlink(target, home.file());

    EXPECT_TRUE(WriteIntegerSetting("Quorvel", "Top", 2));
    EXPECT_TRUE(fs::is_symlink(home.file()));
    EXPECT_EQ(TempConfigHome::read(target), Head + "\"Top\"=dword:00000002\n");
}

TEST(SettingsStore, KeepsTheFilesPermissions)
{
    TempConfigHome home;
    home.setContents(Head);
    fs::permissions(home.file(),
                    fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_TRUE(WriteIntegerSetting("Quorvel", "Top", 2));
    EXPECT_EQ(fs::status(home.file()).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST(SettingsStore, RecoversFromALeftoverTemporaryFile)
{
    TempConfigHome home;
    home.setContents(Head + "\"Top\"=dword:00000001\n");
    std::ofstream(home.folder() / "settings.reg.tmp") << "half a fil";
    EXPECT_TRUE(WriteIntegerSetting("Quorvel", "Top", 2));
    EXPECT_EQ(home.contents(), Head + "\"Top\"=dword:00000002\n");
    EXPECT_FALSE(fs::exists(home.folder() / "settings.reg.tmp"));
}

TEST(SettingsStore, WaitsWhileAnotherWriterHoldsTheLock)
{
    using namespace std::chrono_literals;
    TempConfigHome home;
    ASSERT_TRUE(WriteIntegerSetting("Quorvel", "Top", 1));
    const int lock = open((home.folder() / "settings.reg.lock").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(lock, 0);
    ASSERT_EQ(flock(lock, LOCK_EX), 0);

    std::atomic<bool> done = false;
    bool written = false;
    std::thread writer([&] {
        written = WriteIntegerSetting("Quorvel", "Top", 2);
        done = true;
    });
    std::this_thread::sleep_for(150ms);
    EXPECT_FALSE(done);
    EXPECT_EQ(ReadIntegerSetting("Quorvel", "Top", 0), 1);

    flock(lock, LOCK_UN);
    close(lock);
    writer.join();
    EXPECT_TRUE(written);
    EXPECT_EQ(ReadIntegerSetting("Quorvel", "Top", 0), 2);
}

struct FailureCase {
    const char* what;
    std::function<void(const TempConfigHome&)> setUp;
    bool unprivileged;
    int topRead; // what reading Top gives, with default -1
    std::function<void()> inChild = [] {};
};

class SettingsStoreFailure : public testing::TestWithParam<FailureCase> {};

TEST_P(SettingsStoreFailure, WritesFailAndChangeNothing)
{
    const FailureCase& c = GetParam();
    TempConfigHome home;
    home.setContents(Head + "\"Top\"=dword:00000001\n\"Left\"=dword:00000002\n");
    c.setUp(home);
    if (c.unprivileged)
        giveToUnprivilegedUser(home.path());
    const auto before = snapshot(home.path());

    const auto results = runInChild(c.unprivileged, [&] {
        c.inChild();
        return std::vector<int>{
            WriteIntegerSetting("Quorvel", "Top", 7), WriteBoolSetting("Quorvel", "100p", true),
            ReadIntegerSetting("Quorvel", "Top", -1), ReadIntegerSetting("Quorvel", "Left", -1)};
    });
    if (!results)
        GTEST_SKIP() << "could not run the check in a child process as an unprivileged user";
    ASSERT_EQ(results->size(), 4u);
    EXPECT_FALSE((*results)[0]) << c.what;
    EXPECT_FALSE((*results)[1]) << c.what;
    EXPECT_EQ((*results)[2], c.topRead) << c.what;
    EXPECT_EQ((*results)[3], c.topRead == -1 ? -1 : 2) << c.what;
    EXPECT_EQ(snapshot(home.path()), before) << c.what;
}

void chmodFolder(const TempConfigHome& home)
{
    fs::permissions(home.folder(), fs::perms::owner_read | fs::perms::owner_exec);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsStoreFailure,
    testing::Values(FailureCase{"read-only folder", chmodFolder, true, 1},
                    FailureCase{"read-only folder with a lock file",
                                [](const TempConfigHome& home) {
                                    std::ofstream(home.folder() / "settings.reg.lock");
                                    chmodFolder(home);
                                },
                                true, 1},
                    FailureCase{"read-only file",
                                [](const TempConfigHome& home) {
                                    fs::permissions(home.file(), fs::perms::owner_read);
                                },
                                true, 1},
                    FailureCase{"unreadable file",
                                [](const TempConfigHome& home) {
                                    fs::permissions(home.file(), fs::perms::none);
                                },
                                true, -1},
                    FailureCase{"disk full", [](const TempConfigHome&) {}, false, 1,
                                [] {
                                    signal(SIGXFSZ, SIG_IGN);
                                    const rlimit limit{64, 64};
                                    setrlimit(RLIMIT_FSIZE, &limit);
                                }},
                    FailureCase{"config home beneath a file",
                                [](const TempConfigHome& home) {
                                    std::ofstream(home.path() / "file") << "x";
                                    setenv("XDG_CONFIG_HOME",
                                           (home.path() / "file" / "cfg").c_str(), 1);
                                },
                                false, -1},
                    FailureCase{"a folder in the file's place",
                                [](const TempConfigHome& home) {
                                    fs::remove(home.file());
                                    fs::create_directory(home.file());
                                },
                                false, -1},
                    FailureCase{"file too large to be settings",
                                [](const TempConfigHome& home) {
                                    fs::resize_file(home.file(), 17 * 1024 * 1024);
                                },
                                false, -1},
                    FailureCase{"UTF-16 file that would not be written back unchanged",
                                [](const TempConfigHome& home) {
                                    home.setContents(
                                        utf16le(u"Windows Registry Editor Version 5.00\r\n\r\n"
                                                u"[HKEY_CURRENT_USER\\Software\\Quorvel]\r\n"
                                                u"\"Top\"=dword:00000001\r\n"
                                                u"\"Left\"=dword:00000002\r\n") +
                                        "!");
                                },
                                false, 1}),
    [](const testing::TestParamInfo<FailureCase>& info) {
        std::string name;
        for (const char* p = info.param.what; *p; ++p)
            name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return name;
    });

} // namespace
