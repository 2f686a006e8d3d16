#include "ArtworkFiles.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QSet>
#include <QTemporaryDir>

using namespace artwork_test;

namespace {

struct GeneratorRun {
    int exitCode = -1;
    QString errors;
};

GeneratorRun runGenerator(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUORVEL_ARTWORK_TOOL), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromLocal8Bit(process.readAllStandardError())};
}

QSet<QString> filesUnder(const QString& folder)
{
    QSet<QString> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        files.insert(QDir(folder).relativeFilePath(it.next()));
    return files;
}

TEST(ArtworkGenerator, ReproducesTheCommittedFilesByteForByte)
{
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    const GeneratorRun run = runGenerator({out.path()});
    ASSERT_EQ(run.exitCode, 0) << run.errors.toStdString();

    QSet<QString> expected;
    for (const ArtworkFile& file : ArtworkFiles) {
        expected.insert(file.path);
        QFile written(out.filePath(file.path));
        ASSERT_TRUE(written.open(QIODevice::ReadOnly)) << "not written: " << file.path;
        const QByteArray committed = readCommitted(file.path);
        ASSERT_FALSE(committed.isEmpty()) << "not committed: " << file.path;
        EXPECT_TRUE(written.readAll() == committed)
            << file.path << " differs from the committed file; run quorvel-artwork resources";
    }
    EXPECT_EQ(filesUnder(out.path()), expected);
}

TEST(ArtworkGenerator, ReportsBadUseAndUnwritableFolders)
{
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    QFile blocker(scratch.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    struct Case {
        QStringList arguments;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{}, 2, "usage: quorvel-artwork <output folder>"},
        {{
             "",
         },
         2,
         "usage: quorvel-artwork <output folder>"},
        {{"a", "b"}, 2, "usage: quorvel-artwork <output folder>"},
        {{scratch.filePath("file")}, 1, "quorvel-artwork: cannot"},
        {{scratch.filePath("file/below")}, 1, "quorvel-artwork: cannot"},
    };
    for (const Case& c : cases) {
        const GeneratorRun run = runGenerator(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(run.errors.contains(QLatin1String(c.message)))
            << c.arguments.join(' ').toStdString() << ": " << run.errors.toStdString();
    }
    EXPECT_EQ(filesUnder(scratch.path()), QSet<QString>{"file"}) << "nothing may be left behind";
}

} // namespace
