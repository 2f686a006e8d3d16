#pragma once

#include "about/TFormAbout.h"
#include "platform/ErrorBox.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

// An About dialog over a stand-in for the meter window (325 × 223, shown at (300, 200)),
// with the pages it opens and the errors it shows recorded instead of acted on.
class AboutDialog : public ::testing::Test {
protected:
    // exec()'s result when the dialog was still open after the actions.
    static constexpr int StillOpen = 42;

    void SetUp() override
    {
        previousReporter_ =
            platform::setErrorReporter([this](const QString& text) { errors.push_back(text); });
        meter.setFixedSize(325, 223);
        meter.move(300, 200);
        meter.show();
        meter.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&meter));
        createDialog();
    }

    void TearDown() override
    {
        dialog.reset();
        platform::setErrorReporter(previousReporter_);
    }

    void createDialog(const QString& logoPath = QString::fromUtf8(about::LogoResource))
    {
        dialog = std::make_unique<about::TFormAbout>(&meter, logoPath);
        dialog->setUrlOpener([this](const QUrl& url) { opened.push_back(url); });
    }

    void showDialog()
    {
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(dialogIsActive());
    }

    // QTest::qWaitForWindowActive also counts a dialog as active while its owner is.
    bool dialogIsActive()
    {
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == dialog.get(); });
    }

    // Shows the dialog modally, runs `actions` once it is active, then ends a showing that
    // the actions left open with StillOpen. Returns exec()'s result.
    int execWith(const std::function<void()>& actions)
    {
        QTimer::singleShot(0, dialog.get(), [this, actions] {
            if (dialogIsActive())
                actions();
            if (dialog->isVisible())
                dialog->done(StillOpen);
        });
        return dialog->exec();
    }

    void clickAt(QWidget* control, Qt::MouseButton button = Qt::LeftButton)
    {
        const QPoint centre = control->mapTo(dialog.get(), control->rect().center());
        QTest::mouseClick(dialog->windowHandle(), button, {}, centre);
    }

    void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(dialog->windowHandle(), key, modifiers);
    }

    QWidget meter;
    std::unique_ptr<about::TFormAbout> dialog;
    std::vector<QUrl> opened;
    std::vector<QString> errors;

private:
    platform::ErrorReporter previousReporter_;
};
