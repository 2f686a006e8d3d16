#pragma once

#include "meter/TForm1.h"
#include "platform/ErrorBox.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// Starts the meter window as the program does (title, window, creation handler,
// then shown), with the settings and the temporary folder in a fresh folder.
class MeterProgram : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        qputenv("XDG_CONFIG_HOME", configHome().toUtf8());
        qputenv("TEMP", home_.path().toUtf8());
        platform::setApplicationTitle(QStringLiteral("Brask Quorvel"));
        previousReporter_ = platform::setErrorReporter([this](const QString& text) {
            errors.push_back(text);
            visibleAtError.push_back(form && form->isVisible());
        });
    }

    void start()
    {
        form = std::make_unique<meter::TForm1>();
        platform::guarded([this] { form->FormCreate(); })();
        form->show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    void TearDown() override
    {
        form.reset();
        platform::setErrorReporter(previousReporter_);
    }

    QString configHome() const { return home_.filePath(QStringLiteral("config")); }
    QString temporaryFolder() const { return home_.path(); }

    QImage grabClient() const
    {
        return form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    std::unique_ptr<meter::TForm1> form;
    std::vector<QString> errors;
    std::vector<bool> visibleAtError;

private:
    QTemporaryDir home_;
    platform::ErrorReporter previousReporter_;
};

class MeterWindow : public MeterProgram {
protected:
    void SetUp() override
    {
        MeterProgram::SetUp();
        start();
    }
};
