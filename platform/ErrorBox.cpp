#include "ErrorBox.h"

#include "Error.h"

#include <QApplication>
#include <QMessageBox>
#include <new>

namespace platform {
namespace {

QString& titleStorage()
{
    static QString title;
    return title;
}

void showMessageBox(const QString& text)
{
    QMessageBox box(QMessageBox::Critical, applicationTitle(), text, QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

ErrorReporter& reporterStorage()
{
    static ErrorReporter reporter = showMessageBox;
    return reporter;
}

QString messageOf(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const Error& e) {
        return e.message();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Out of memory");
    } catch (const std::exception& e) {
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

} // namespace

QString applicationTitle()
{
    return titleStorage();
}

void setApplicationTitle(const QString& title)
{
    titleStorage() = title;
}

QString errorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

ErrorReporter setErrorReporter(ErrorReporter reporter)
{
    return std::exchange(reporterStorage(), std::move(reporter));
}

void showErrorBox(const QString& message)
{
    reporterStorage()(errorBoxText(message));
}

void reportCurrentException()
{
    showErrorBox(messageOf(std::current_exception()));
}

} // namespace platform
