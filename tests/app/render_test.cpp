#include "app/RenderRequest.h"
#include "meter/RangeTable.h"
#include "meter/TForm1.h"
#include "platform/ComboBox.h"
#include "platform/ErrorBox.h"
#include "platform/RadioButton.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using app::ParseRenderArguments;

struct Rendered {
    int exitCode;
    QByteArray out;
    QString err;
};

Rendered render(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(QUORVEL_RENDER), arguments);
    process.waitForFinished(30000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            process.readAllStandardOutput(),
            QString::fromLocal8Bit(process.readAllStandardError())};
}

TEST(RenderArguments, DefaultsAreWhatAFirstStartShows)
{
    const auto command = ParseRenderArguments({"--output", "meter.png"});
    const auto* request = std::get_if<app::RenderRequest>(&command);
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->reading, QStringLiteral("0.0000"));
    EXPECT_EQ(request->range, -1);
    EXPECT_EQ(request->size, app::PictureSize::Full);
    EXPECT_EQ(request->background, app::Background::White);
}

TEST(RenderArguments, RangesByNameWithoutRegardToCaseOrByIndex)
{
    const std::pair<const char*, int> cases[] = {
        {"Off", 0}, {"mv", 1}, {"VOLT", 2}, {"durchgang", 7}, {"0", 0}, {"7", 7}, {"kOhm", 5}};
    for (const auto& [name, index] : cases) {
        const auto command = ParseRenderArguments({"--range", name, "--output", "-"});
        ASSERT_TRUE(std::holds_alternative<app::RenderRequest>(command)) << name;
        EXPECT_EQ(std::get<app::RenderRequest>(command).range, index) << name;
    }
}

TEST(RenderArguments, BadInputIsAUsageError)
{
    const QStringList cases[] = {
        {"--range", "Kelvin", "--output", "a.png"},
        {"--range", "8", "--output", "a.png"},
        {"--range", "-1", "--output", "a.png"},
        {"--size", "33", "--output", "a.png"},
        {"--background", "red", "--output", "a.png"},
        {"--output", "a.gif"},
        {"--output", "noextension"},
        {"--reading", "1"},
        {"--output"},
        {"--colour", "pink", "--output", "a.png"},
    };
    for (const QStringList& arguments : cases)
        EXPECT_TRUE(std::holds_alternative<app::UsageError>(ParseRenderArguments(arguments)))
            << arguments.join(' ').toStdString();
    EXPECT_TRUE(std::holds_alternative<app::ShowHelp>(ParseRenderArguments({"--help"})));
    EXPECT_TRUE(std::holds_alternative<app::ShowVersion>(ParseRenderArguments({"--version"})));
}

// The picture the copy button of a real window puts on the clipboard.
QImage copiedByTheWindow(const QString& reading, int range, int size, bool pink)
{
    meter::TForm1 form;
    form.Edit1->setText(reading);
    if (range >= 0)
        form.ComboBox1->pick(range);
    platform::RadioButton* sizes[] = {form.RadioButton1, form.RadioButton2, form.RadioButton3};
    sizes[size]->setChecked(true);
    (pink ? form.RadioButton5 : form.RadioButton4)->setChecked(true);
    form.Button1Click();
    return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
}

class RenderProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid() && fonts.isValid());
        qputenv("TEMP", fonts.path().toUtf8());
        qputenv("XDG_CONFIG_HOME", fonts.filePath("config").toUtf8());
        platform::guarded([&] {
            meter::TForm1 form;
            form.FormCreate(); // makes the typeface available to this process too
        })();
    }
    QTemporaryDir dir;
    QTemporaryDir fonts;
};

TEST_F(RenderProgram, DrawsExactlyWhatTheCopyButtonCopies)
{
    const char* sizeNames[] = {"100", "75", "50"};
    for (int range = -1; range < int(meter::RangeTable.size()); ++range) {
        for (int size = 0; size < 3; ++size) {
            for (bool pink : {false, true}) {
                QStringList arguments = {"--reading",    "-1.999",
                                         "--size",       sizeNames[size],
                                         "--background", pink ? "pink" : "white",
                                         "--output",     "-"};
                if (range >= 0)
                    arguments << "--range" << QString::number(range);
                const Rendered result = render(arguments);
                ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
                const QImage drawn =
                    QImage::fromData(result.out, "PNG").convertToFormat(QImage::Format_RGB32);
                ASSERT_EQ(drawn, copiedByTheWindow("-1.999", range, size, pink))
                    << arguments.join(' ').toStdString();
            }
        }
    }
}

TEST_F(RenderProgram, WritesPngAndBmpFilesByTheirExtension)
{
    const QImage expected = copiedByTheWindow("12.5", 4, 1, true);
    for (const char* name : {"meter.png", "meter.BMP"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        const Rendered result = render({"--reading", "12.5", "--range", "ampere", "--size", "75",
                                        "--background", "pink", "--output", path});
        ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(result.err.isEmpty()) << result.err.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith(QByteArray(name[6] == 'p' ? "\x89PNG" : "BM"))) << name;
        EXPECT_EQ(QImage::fromData(bytes).convertToFormat(QImage::Format_RGB32), expected) << name;
    }
}

TEST_F(RenderProgram, BadInputGivesOneLineAndWritesNothing)
{
    QFile existing(dir.filePath("existing.png"));
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    const QStringList cases[] = {
        {"--range", "Kelvin", "--output", dir.filePath("a.png")},
        {"--size", "80", "--output", dir.filePath("a.png")},
        {"--background", "lime", "--output", dir.filePath("a.png")},
        {"--output", dir.filePath("a.jpeg")},
        {"--output", dir.filePath("missing/a.png")},
        {"--output", dir.path() + "/"},
        {"--range", "9", "--output", dir.filePath("existing.png")},
    };
    for (const QStringList& arguments : cases) {
        const Rendered result = render(arguments);
        EXPECT_NE(result.exitCode, 0) << arguments.join(' ').toStdString();
        EXPECT_TRUE(result.err.startsWith("quorvel-render: ")) << result.err.toStdString();
        EXPECT_EQ(result.err.count('\n'), 1) << result.err.toStdString();
        EXPECT_TRUE(result.out.isEmpty());
    }
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
              QStringList{"existing.png"})
        << "nothing partial left behind";
    ASSERT_TRUE(existing.open(QIODevice::ReadOnly));
    EXPECT_EQ(existing.readAll(), QByteArray("keep me"));
}

TEST_F(RenderProgram, HelpAndVersion)
{
    const Rendered help = render({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("--background white|pink"));
    const Rendered version = render({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, QByteArray("quorvel-render 1.0\n"));
}

} // namespace
