#include "RealProgram.h"

#include <QTest>

QString xdotool(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral("xdotool"), arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

QString visibleWindow(const QString& namePattern)
{
    return xdotool({"search", "--onlyvisible", "--name", namePattern}).section('\n', 0, 0);
}

QRect geometryOf(const QString& window)
{
    QRect r;
    for (const QString& line : xdotool({"getwindowgeometry", "--shell", window}).split('\n')) {
        const int value = line.section('=', 1).toInt();
        if (line.startsWith("X="))
            r.moveLeft(value);
        else if (line.startsWith("Y="))
            r.moveTop(value);
        else if (line.startsWith("WIDTH="))
            r.setWidth(value);
        else if (line.startsWith("HEIGHT="))
            r.setHeight(value);
    }
    return r;
}

void clickAt(QPoint screenPoint)
{
    xdotool({"mousemove", QString::number(screenPoint.x()), QString::number(screenPoint.y()),
             "click", "1"});
    QTest::qWait(300);
}

void RealProgram::SetUp()
{
    ASSERT_TRUE(home_.isValid());
    qputenv("TEMP", home_.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home_.filePath(QStringLiteral("config")).toUtf8());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    prepareEnvironment(environment);
    program_.setProcessEnvironment(environment);
    program_.start(QStringLiteral(QUORVEL_PROGRAM), {});
    ASSERT_TRUE(program_.waitForStarted());

    for (int attempt = 0; attempt < 200 && window_.isEmpty(); ++attempt) {
        QTest::qWait(50);
        window_ = visibleWindow(QStringLiteral("^Quorvel$"));
    }
    ASSERT_FALSE(window_.isEmpty()) << "the meter window did not appear";
    origin_ = geometryOf(window_).topLeft();
    QTest::qWait(300);
}

void RealProgram::TearDown()
{
    if (program_.state() != QProcess::NotRunning) {
        program_.kill();
        program_.waitForFinished();
    }
}
