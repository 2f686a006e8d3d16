#pragma once

#include <QString>
#include <stdexcept>

namespace platform {

// An error whose message is meant for the user; the error box shows it.
class Error : public std::runtime_error {
public:
    explicit Error(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message)
    {
    }
    const QString& message() const { return message_; }

private:
    QString message_;
};

} // namespace platform
