#pragma once

#include "meter/TForm1.h"
#include "platform/ErrorBox.h"

#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

// A meter window created as the program creates it, with settings and the
// temporary folder pointed at a fresh folder, shown and active.
class MeterWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(home_.isValid());
        qputenv("XDG_CONFIG_HOME", home_.filePath("config").toUtf8());
        qputenv("TEMP", home_.path().toUtf8());
        platform::setApplicationTitle(QStringLiteral("Brask Quorvel"));
        previousReporter_ =
            platform::setErrorReporter([this](const QString& text) { errors.push_back(text); });
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

    QImage grabClient() const
    {
        return form->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    std::unique_ptr<meter::TForm1> form;
    std::vector<QString> errors;

private:
    QTemporaryDir home_;
    platform::ErrorReporter previousReporter_;
};
