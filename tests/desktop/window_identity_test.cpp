// Starts the real program on an X server and checks that the window manager can tie its
// window to the desktop entry: the window class and the icons it announces.
#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <memory>

namespace {

QString run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString desktopEntryValue(const QString& key)
{
    QFile file(QStringLiteral(QUORVEL_DESKTOP_ENTRY));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    const QString prefix = key + QLatin1Char('=');
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size());
    }
    return {};
}

// The pictures of _NET_WM_ICON by their width: each is width, height, then one
// non-premultiplied ARGB value per pixel, row by row.
std::map<int, QImage> parseNetWmIcon(const QString& xpropLine)
{
    const QStringList values = xpropLine.section(QLatin1Char('='), 1).split(QLatin1Char(','));
    std::map<int, QImage> icons;
    qsizetype at = 0;
    auto next = [&](bool& ok) -> quint32 {
        ok = at < values.size();
        return ok ? values[at++].trimmed().toUInt(&ok) : 0;
    };
    while (at < values.size()) {
        bool ok = false;
        const int width = int(next(ok));
        const int height = ok ? int(next(ok)) : 0;
        if (!ok || width <= 0 || height <= 0 || width > 1024 || height > 1024)
            return {};
        QImage image(width, height, QImage::Format_ARGB32);
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                const QRgb pixel = next(ok);
                if (!ok)
                    return {};
                image.setPixel(x, y, pixel);
            }
        }
        icons.emplace(width, image);
    }
    return icons;
}

class WindowIdentity : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        home_ = std::make_unique<QTemporaryDir>();
        program_ = std::make_unique<QProcess>();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TEMP"), home_->path());
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                           home_->filePath(QStringLiteral("config")));
        environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        program_->setProcessEnvironment(environment);
        program_->start(QStringLiteral(QUORVEL_PROGRAM), {});
        if (!program_->waitForStarted())
            return;
        for (int attempt = 0; attempt < 200 && window_.isEmpty(); ++attempt) {
            QTest::qWait(50);
            window_ =
                run(QStringLiteral("xdotool"), {"search", "--onlyvisible", "--name", "^Quorvel$"})
                    .section(QLatin1Char('\n'), 0, 0);
        }
    }

    static void TearDownTestSuite()
    {
        program_->kill();
        program_->waitForFinished();
        program_.reset();
        home_.reset();
        window_.clear();
    }

    void SetUp() override { ASSERT_FALSE(window_.isEmpty()) << "the meter window did not appear"; }

    static QString property(const QStringList& arguments)
    {
        return run(QStringLiteral("xprop"), QStringList{"-id", window_} + arguments);
    }

    static inline std::unique_ptr<QTemporaryDir> home_;
    static inline std::unique_ptr<QProcess> program_;
    static inline QString window_;
};

TEST_F(WindowIdentity, WindowClassIsTheEntrysStartupWMClass)
{
    const QString wmClass = property({"WM_CLASS"});
    const QStringList names = wmClass.section(QLatin1Char('='), 1).split(QLatin1Char(','));
    ASSERT_EQ(names.size(), 2) << wmClass.toStdString();
    const QString windowClass = names[1].trimmed().remove(QLatin1Char('"'));

    const QString startupClass = desktopEntryValue(QStringLiteral("StartupWMClass"));
    ASSERT_FALSE(startupClass.isEmpty()) << "the desktop entry names no StartupWMClass";
    EXPECT_EQ(windowClass.toStdString(), startupClass.toStdString());
}

TEST_F(WindowIdentity, WindowIconIsTheThemeIconAtEverySize)
{
    const std::map<int, QImage> announced = parseNetWmIcon(
        property({"-len", "100000000", "-notype", "-f", "_NET_WM_ICON", "32c", "_NET_WM_ICON"}));
    ASSERT_FALSE(announced.empty()) << "the window announces no readable icon";

    const QDir iconDir(QStringLiteral(QUORVEL_ICON_DIR));
    const QStringList files = iconDir.entryList({QStringLiteral("quorvel-*.png")}, QDir::Files);
    ASSERT_FALSE(files.isEmpty());
    std::map<int, QImage> installed;
    for (const QString& file : files) {
        const QImage icon = QImage(iconDir.filePath(file)).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(icon.isNull()) << file.toStdString();
        installed.emplace(icon.width(), icon);
    }

    ASSERT_EQ(announced.size(), installed.size());
    for (const auto& [size, icon] : installed) {
        SCOPED_TRACE(size);
        const auto found = announced.find(size);
        ASSERT_NE(found, announced.end()) << "no icon of this size";
        const QImage& shown = found->second;
        ASSERT_EQ(shown.size(), icon.size());
        for (int y = 0; y < icon.height(); ++y) {
            for (int x = 0; x < icon.width(); ++x) {
                // Qt holds icons premultiplied, so the colour of a faint pixel comes back
                // rounded; what the screen shows of it must stay the same.
                const QRgb expected = qPremultiply(icon.pixel(x, y));
                const QRgb actual = qPremultiply(shown.pixel(x, y));
                const bool same = qAlpha(actual) == qAlpha(expected) &&
                                  std::abs(qRed(actual) - qRed(expected)) <= 1 &&
                                  std::abs(qGreen(actual) - qGreen(expected)) <= 1 &&
                                  std::abs(qBlue(actual) - qBlue(expected)) <= 1;
                ASSERT_TRUE(same) << "pixel " << x << "," << y << ": " << std::hex << actual
                                  << " instead of " << expected;
            }
        }
    }
}

} // namespace
