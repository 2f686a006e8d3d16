#include "meter/FontFile.h"
#include "meter/FontFilePath.h"
#include "meter/SystemErrorText.h"
#include "platform/Error.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "PrintQt.h"

#include <gtest/gtest.h>

#include "FileHelpers.h"

#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <functional>
#include <latch>
#include <optional>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using meter::ProvideFontFile;

const QByteArray kFont = [] {
    QByteArray font("\0\1\0\0", 4);
    for (int i = 0; i < 12000; ++i)
        font.append(char(i * 7));
    return font;
}();

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

uid_t nobody()
{
    const passwd* user = ::getpwnam("nobody");
    return user ? user->pw_uid : 65534;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

class EnvironmentVariable {
public:
    EnvironmentVariable(const char* name, const char* value)
        : name_(name), saved_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name))
    {
        if (value)
            qputenv(name, value);
        else
            qunsetenv(name);
    }
    ~EnvironmentVariable()
    {
        if (wasSet_)
            qputenv(name_, saved_);
        else
            qunsetenv(name_);
    }

private:
    const char* name_;
    QByteArray saved_;
    bool wasSet_;
};

TEST(DigitFontFilePath, FollowsTheTemporaryFolderVariablesAsGiven)
{
    struct Case {
        const char* temp;
        const char* tmpdir;
        QString expected;
    };
    const Case cases[] = {
        {"/data/temp", "/other", QStringLiteral("/data/temp/DS-DIGI.TTF")},
        {"/data/temp/", nullptr, QStringLiteral("/data/temp//DS-DIGI.TTF")},
        {"relative", nullptr, QStringLiteral("relative/DS-DIGI.TTF")},
        {"/tmp/Ordner mit Größe", nullptr, QStringLiteral("/tmp/Ordner mit Größe/DS-DIGI.TTF")},
        {nullptr, "/var/tmp", QStringLiteral("/var/tmp/DS-DIGI.TTF")},
        {"", "/var/tmp", QStringLiteral("/var/tmp/DS-DIGI.TTF")},
        {nullptr, nullptr, QStringLiteral("/tmp/DS-DIGI.TTF")},
        {"", "", QStringLiteral("/tmp/DS-DIGI.TTF")},
    };
    for (const Case& c : cases) {
        EnvironmentVariable temp("TEMP", c.temp);
        EnvironmentVariable tmpdir("TMPDIR", c.tmpdir);
        EXPECT_EQ(meter::DigitFontFilePath(), c.expected)
            << "TEMP=" << (c.temp ? c.temp : "<unset>")
            << " TMPDIR=" << (c.tmpdir ? c.tmpdir : "<unset>");
    }
}

TEST(SystemErrorText, DropsTrailingBlanksControlCharactersAndFullStops)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("No such file or directory"), QStringLiteral("No such file or directory")},
        {QStringLiteral("Access is denied.\r\n"), QStringLiteral("Access is denied")},
        {QStringLiteral("Disk full . .\t"), QStringLiteral("Disk full")},
        {QStringLiteral("Version 1.2 of the driver failed"),
         QStringLiteral("Version 1.2 of the driver failed")},
        {QStringLiteral(" ...\n"), QString()},
        {QString(), QString()},
    };
    for (const auto& [raw, trimmed] : cases)
        EXPECT_EQ(meter::TrimSystemMessage(raw), trimmed) << raw.toStdString();
    EXPECT_EQ(meter::SystemErrorText(ENOENT), QStringLiteral("No such file or directory"));
}

class FontFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        path = folder.path() + QStringLiteral("/DS-DIGI.TTF");
    }

    QTemporaryDir folder;
    QString path;
};

TEST_F(FontFile, WritesTheWholeFontWhenNoneIsThere)
{
    const std::optional<QByteArray> loaded = ProvideFontFile(path, kFont);

    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(*loaded, kFont);
    EXPECT_EQ(readFile(path), kFont);
    EXPECT_EQ(entries(folder.path()), QStringList{QStringLiteral("DS-DIGI.TTF")});
    EXPECT_EQ(lstatOf(path).st_mode & 0777, 0666 & ~currentUmask());
}

TEST_F(FontFile, LeavesWhateverIsAlreadyThereUnchanged)
{
    const bool root = ::geteuid() == 0;
    const QString victim = folder.path() + QStringLiteral("/victim");
    struct Case {
        const char* name;
        bool needsRoot;
        std::function<void()> plant;
        std::optional<QByteArray> loaded; // what may be loaded from the path
    };
    const QByteArray garbage("this is not a font\n");
    const Case cases[] = {
        {"own file, not a font", false, [&] { writeFile(path, garbage); }, garbage},
        {"own empty file", false, [&] { writeFile(path, {}); }, QByteArray()},
        {"file of another user", true,
         [&] {
             writeFile(path, kFont);
             ASSERT_EQ(::chown(QFile::encodeName(path).constData(), nobody(), -1), 0);
         },
         std::nullopt},
        {"link to an existing file", false,
         [&] {
             writeFile(victim, garbage);
             ASSERT_TRUE(QFile::link(victim, path));
         },
         std::nullopt},
        {"named pipe", false,
         [&] { ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0); }, std::nullopt},
        {"dangling link of another user", true,
         [&] {
             ASSERT_TRUE(QFile::link(victim, path));
             ASSERT_EQ(::lchown(QFile::encodeName(path).constData(), nobody(), -1), 0);
         },
         std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsRoot && !root)
            continue;
        QFile::remove(path);
        QFile::remove(victim);
        c.plant();
        const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
        ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), old, AT_SYMLINK_NOFOLLOW);
        const struct stat before = lstatOf(path);
        const QByteArray victimBefore = readFile(victim);

        EXPECT_EQ(ProvideFontFile(path, kFont), c.loaded);

        const struct stat after = lstatOf(path);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_size, before.st_size);
        EXPECT_EQ(after.st_mtim.tv_sec, 1000000000);
        EXPECT_EQ(readFile(victim), victimBefore);
    }
}

TEST_F(FontFile, ReplacesALinkToNothingRatherThanFollowingIt)
{
    const QString target = folder.path() + QStringLiteral("/elsewhere/planted.ttf");
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("elsewhere")));
    ASSERT_TRUE(QFile::link(target, path));

    EXPECT_EQ(ProvideFontFile(path, kFont), kFont);

    EXPECT_TRUE(S_ISREG(lstatOf(path).st_mode));
    EXPECT_EQ(readFile(path), kFont);
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(FontFile, ReportsWhyTheFileCannotBeCreatedAndLeavesNothingBehind)
{
    struct Case {
        const char* name;
        std::function<QString()> prepare; // returns the font file's path
        const char* reason;
    };
    const Case cases[] = {
        {"folder missing", [&] { return folder.path() + QStringLiteral("/missing/DS-DIGI.TTF"); },
         "No such file or directory"},
        {"folder is a file",
         [&] {
             writeFile(folder.path() + QStringLiteral("/plain"), "x");
             return folder.path() + QStringLiteral("/plain/DS-DIGI.TTF");
         },
         "Not a directory"},
        {"folder in the way",
         [&] {
             QDir(folder.path()).mkdir(QStringLiteral("DS-DIGI.TTF"));
             return path;
         },
         "Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const QString target = c.prepare();
        const QStringList before = entries(folder.path());
        try {
            ProvideFontFile(target, kFont);
            ADD_FAILURE() << "no error";
        } catch (const platform::Error& error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("Cannot create file \"%1\". %2").arg(target, c.reason));
        }
        EXPECT_EQ(entries(folder.path()), before);
    }
    EXPECT_FALSE(QFile::exists(folder.path() + QStringLiteral("/missing")));
}

TEST_F(FontFile, AFailedWriteLeavesNoPartialFile)
{
    // The file size limit makes the write stop part-way, as a full disk would.
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);

    std::optional<QString> message;
    try {
        ProvideFontFile(path, kFont);
    } catch (const platform::Error& error) {
        message = error.message();
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    ASSERT_TRUE(message.has_value());
    EXPECT_EQ(*message, QStringLiteral("Cannot create file \"%1\". File too large").arg(path));
    EXPECT_EQ(entries(folder.path()), QStringList());

    EXPECT_EQ(ProvideFontFile(path, kFont), kFont);
    EXPECT_EQ(readFile(path), kFont);
}

TEST_F(FontFile, CallersRacingForTheSameFileAllSucceed)
{
    constexpr int kCallers = 6;
    for (int round = 0; round < 20; ++round) {
        const QString folderPath = folder.path() + QStringLiteral("/round%1").arg(round);
        ASSERT_TRUE(QDir().mkdir(folderPath));
        const QString target = folderPath + QStringLiteral("/DS-DIGI.TTF");
        std::latch start(kCallers);
        std::atomic<int> good = 0;
        std::vector<std::thread> callers;
        for (int i = 0; i < kCallers; ++i)
            callers.emplace_back([&] {
                start.arrive_and_wait();
                try {
                    if (ProvideFontFile(target, kFont) == kFont)
                        ++good;
                } catch (...) {
                }
            });
        for (std::thread& caller : callers)
            caller.join();
        EXPECT_EQ(good, kCallers);
        EXPECT_EQ(readFile(target), kFont);
        EXPECT_EQ(entries(folderPath), QStringList{QStringLiteral("DS-DIGI.TTF")});
    }
}

} // namespace
