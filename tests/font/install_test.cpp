#include "platform/Resources.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include "PrintQt.h"

#include <gtest/gtest.h>

#include "FileHelpers.h"

#include <cstring>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kFileName = QStringLiteral("DS-DIGI.TTF");

using Report = QMap<QString, QString>;

QProcessEnvironment probeEnvironment(const char* temp, const char* tmpdir)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("TEMP"));
    environment.remove(QStringLiteral("TMPDIR"));
    if (temp)
        environment.insert(QStringLiteral("TEMP"), QString::fromUtf8(temp));
    if (tmpdir)
        environment.insert(QStringLiteral("TMPDIR"), QString::fromUtf8(tmpdir));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    // Qt would otherwise make its runtime folder inside TMPDIR, the folder under test.
    static const QTemporaryDir runtime;
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    return environment;
}

std::unique_ptr<QProcess> launch(const QProcessEnvironment& environment, bool wait)
{
    auto probe = std::make_unique<QProcess>();
    probe->setProcessEnvironment(environment);
    probe->setProcessChannelMode(QProcess::SeparateChannels);
    probe->start(QStringLiteral(DIGIT_FONT_PROBE),
                 wait ? QStringList{QStringLiteral("--wait")} : QStringList{});
    return probe;
}

Report finish(QProcess& probe)
{
    Report report;
    if (!probe.waitForFinished(30000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0) {
        report[QStringLiteral("crashed")] = QString::fromLocal8Bit(probe.readAllStandardError());
        return report;
    }
    for (const QString& line : QString::fromUtf8(probe.readAllStandardOutput()).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            report[line.left(equals)] = line.mid(equals + 1);
    }
    return report;
}

Report start(const QProcessEnvironment& environment)
{
    auto probe = launch(environment, false);
    return finish(*probe);
}

void makeOld(const QString& path)
{
    const timespec old[2] = {{1000000000, 0}, {1000000000, 0}};
    ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), old, AT_SYMLINK_NOFOLLOW);
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                  QDir::NoDotAndDotDot);
}

// The display shows the reading in the face: it is registered, Qt resolves the
// display's font to it, and the reading looks different from the substitute face.
void expectFaceShown(const Report& report)
{
    EXPECT_EQ(report.value(QStringLiteral("crashed")), QString());
    EXPECT_FALSE(report.contains(QStringLiteral("error"))) << report.value("error").toStdString();
    EXPECT_EQ(report.value(QStringLiteral("available")), QStringLiteral("1"));
    EXPECT_EQ(report.value(QStringLiteral("family")), QStringLiteral("DS-Digital"));
    EXPECT_EQ(report.value(QStringLiteral("changed")), QStringLiteral("1"));
}

class DigitFontInstall : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        resource = platform::LoadRawResource(QStringLiteral("DigiFont"));
    }

    // A face of that name installed on the machine would hide whether ours was registered.
    bool systemHasTheFace(const Report& report)
    {
        return report.value(QStringLiteral("preinstalled")) == QStringLiteral("1");
    }

    QString path() const { return folder.path() + '/' + kFileName; }

    QTemporaryDir folder;
    QByteArray resource;
};

TEST_F(DigitFontInstall, FirstStartWritesTheFileAndLaterStartsKeepIt)
{
    struct Case {
        const char* name;
        QString temp;   // "@" stands for the test's folder; null: unset
        QString tmpdir; // likewise
        QString expectedPath;
    };
    const QString dir = folder.path();
    const Case cases[] = {
        {"TEMP names the folder", QStringLiteral("@"), QStringLiteral("/nonexistent"),
         dir + QStringLiteral("/DS-DIGI.TTF")},
        {"TEMP ends in a slash", QStringLiteral("@/"), QString(),
         dir + QStringLiteral("//DS-DIGI.TTF")},
        {"TEMP unset", QString(), QStringLiteral("@"), dir + QStringLiteral("/DS-DIGI.TTF")},
        {"TEMP empty", QStringLiteral(""), QStringLiteral("@"),
         dir + QStringLiteral("/DS-DIGI.TTF")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(path());
        auto value = [&](const QString& v) {
            return v.isNull() ? QByteArray() : QString(v).replace('@', dir).toUtf8();
        };
        const QByteArray temp = value(c.temp);
        const QByteArray tmpdir = value(c.tmpdir);
        const QProcessEnvironment environment =
            probeEnvironment(c.temp.isNull() ? nullptr : temp.constData(),
                             c.tmpdir.isNull() ? nullptr : tmpdir.constData());

        const Report first = start(environment);
        if (systemHasTheFace(first))
            GTEST_SKIP() << "a DS-Digital face is installed on this machine";
        expectFaceShown(first);
        EXPECT_EQ(first.value(QStringLiteral("path")), c.expectedPath);
        EXPECT_EQ(readFile(path()), resource);
        EXPECT_EQ(entries(dir), QStringList{kFileName});

        makeOld(path());
        const struct stat before = lstatOf(path());
        const Report second = start(environment);
        expectFaceShown(second);
        EXPECT_EQ(lstatOf(path()).st_mtim.tv_sec, 1000000000);
        EXPECT_EQ(lstatOf(path()).st_ino, before.st_ino);
        EXPECT_EQ(readFile(path()), resource);
    }
}

TEST_F(DigitFontInstall, AFileThatCannotServeIsLeftAloneAndTheFaceStillShows)
{
    const QString victim = folder.path() + QStringLiteral("/victim");
    const QByteArray garbage("#!/bin/sh\necho not a font\n");
    struct Case {
        const char* name;
        bool needsRoot;
        std::function<void()> plant;
    };
    const Case cases[] = {
        {"empty file", false, [&] { writeFile(path(), {}); }},
        {"garbage", false, [&] { writeFile(path(), garbage); }},
        {"another font", false,
         [&] {
             ASSERT_TRUE(QFile::copy(
                 QStringLiteral("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"), path()));
         }},
        {"link to an existing file", false,
         [&] {
             writeFile(victim, garbage);
             ASSERT_TRUE(QFile::link(victim, path()));
         }},
        {"our font, owned by another user", true,
         [&] {
             writeFile(path(), resource);
             const passwd* nobody = ::getpwnam("nobody");
             ASSERT_EQ(::chown(QFile::encodeName(path()).constData(),
                               nobody ? nobody->pw_uid : 65534, -1),
                       0);
         }},
    };
    const QProcessEnvironment environment =
        probeEnvironment(QFile::encodeName(folder.path()).constData(), nullptr);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        if (c.needsRoot && ::geteuid() != 0)
            continue;
        QFile::remove(path());
        QFile::remove(victim);
        c.plant();
        makeOld(path());
        const struct stat before = lstatOf(path());
        const QByteArray content = readFile(path());
        const QByteArray victimContent = readFile(victim);

        const Report report = start(environment);
        if (systemHasTheFace(report))
            GTEST_SKIP() << "a DS-Digital face is installed on this machine";

        expectFaceShown(report);
        const struct stat after = lstatOf(path());
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_uid, before.st_uid);
        EXPECT_EQ(after.st_mode, before.st_mode);
        EXPECT_EQ(after.st_mtim.tv_sec, 1000000000);
        EXPECT_EQ(readFile(path()), content);
        EXPECT_EQ(readFile(victim), victimContent);
    }
}

TEST_F(DigitFontInstall, ALinkToNothingIsReplacedNotFollowed)
{
    const QString target = folder.path() + QStringLiteral("/planted-target");
    ASSERT_TRUE(QFile::link(target, path()));

    const Report report =
        start(probeEnvironment(QFile::encodeName(folder.path()).constData(), nullptr));
    if (systemHasTheFace(report))
        GTEST_SKIP() << "a DS-Digital face is installed on this machine";

    expectFaceShown(report);
    EXPECT_TRUE(S_ISREG(lstatOf(path()).st_mode));
    EXPECT_EQ(readFile(path()), resource);
    EXPECT_FALSE(QFile::exists(target));
}

TEST_F(DigitFontInstall, AFileThatCannotBeCreatedIsReportedAndNothingIsRegistered)
{
    struct Case {
        const char* name;
        QString temp;
        std::function<void()> prepare;
        int error;
    };
    const QString missing = folder.path() + QStringLiteral("/missing");
    const Case cases[] = {
        {"TEMP names a missing folder", missing, [] {}, ENOENT},
        {"a folder in the way", folder.path(),
         [&] { ASSERT_TRUE(QDir(folder.path()).mkdir(kFileName)); }, EISDIR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.prepare();
        const QStringList before = entries(folder.path());

        const Report report =
            start(probeEnvironment(QFile::encodeName(c.temp).constData(), nullptr));
        if (systemHasTheFace(report))
            GTEST_SKIP() << "a DS-Digital face is installed on this machine";

        const QString file = c.temp + '/' + kFileName;
        EXPECT_EQ(report.value(QStringLiteral("error")),
                  QStringLiteral("Cannot create file \"%1\". %2.")
                      .arg(file, QString::fromLocal8Bit(std::strerror(c.error))));
        EXPECT_EQ(report.value(QStringLiteral("path")), file);
        EXPECT_EQ(report.value(QStringLiteral("available")), QStringLiteral("0"));
        EXPECT_EQ(report.value(QStringLiteral("changed")), QStringLiteral("0"));
        EXPECT_EQ(entries(folder.path()), before);
    }
}

TEST_F(DigitFontInstall, TwoStartsAtTheSameMomentBothShowTheFace)
{
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        const QString dir = folder.path() + QStringLiteral("/round%1").arg(round);
        ASSERT_TRUE(QDir().mkdir(dir));
        const QProcessEnvironment environment =
            probeEnvironment(QFile::encodeName(dir).constData(), nullptr);
        auto first = launch(environment, true);
        auto second = launch(environment, true);
        for (QProcess* probe : {first.get(), second.get()}) {
            while (!probe->peek(4096).contains("ready\n") && probe->waitForReadyRead(30000)) {
            }
        }
        for (QProcess* probe : {first.get(), second.get()}) {
            probe->write("go\n");
            probe->closeWriteChannel();
        }
        for (QProcess* probe : {first.get(), second.get()}) {
            const Report report = finish(*probe);
            if (systemHasTheFace(report))
                GTEST_SKIP() << "a DS-Digital face is installed on this machine";
            expectFaceShown(report);
        }
        EXPECT_EQ(readFile(dir + '/' + kFileName), resource);
        EXPECT_EQ(entries(dir), QStringList{kFileName});
    }
}

} // namespace
