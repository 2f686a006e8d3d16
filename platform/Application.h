#pragma once

#include <QApplication>

namespace platform {

// The application object. Besides QApplication's duties it is the last line of
// defence for errors: one that escapes an event handler is shown in the error
// box after the event has been dealt with, and the event loop goes on.
class Application : public QApplication {
public:
    Application(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace platform
