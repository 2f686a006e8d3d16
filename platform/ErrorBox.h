#pragma once

#include <QString>
#include <exception>
#include <functional>

namespace platform {

// The title of the application: the caption of every error box.
QString applicationTitle();
void setApplicationTitle(const QString& title);

// The message as the error box shows it: a full stop is appended when the
// last character sorts after the full stop.
QString errorBoxText(const QString& message);

// Shows `text` (already passed through errorBoxText) to the user.
using ErrorReporter = std::function<void(const QString& text)>;

// Replaces the way error boxes are shown (tests capture them); returns the previous one.
ErrorReporter setErrorReporter(ErrorReporter reporter);

// Shows the error box for `message`: stop icon, OK, the application title as caption.
void showErrorBox(const QString& message);

// Shows the error box for the exception that is being handled. Call only inside a catch block.
void reportCurrentException();

// Wraps an event handler so that no error escapes into the event loop:
// an error is shown in the error box and the program goes on.
template <class Handler> auto guarded(Handler handler)
{
    return [handler = std::move(handler)]() {
        try {
            handler();
        } catch (...) {
            reportCurrentException();
        }
    };
}

} // namespace platform
