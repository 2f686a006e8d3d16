#include "Application.h"

#include "ErrorBox.h"

#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

namespace platform {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    // One look on every desktop: the layout is designed in pixels.
    setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette palette = style()->standardPalette();
    const QColor buttonFace(240, 240, 240);
    palette.setColor(QPalette::Window, buttonFace);
    palette.setColor(QPalette::Button, buttonFace);
    setPalette(palette);
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        // A modal box must not open inside a paint event: show it once this event is over.
        QTimer::singleShot(0, this, [error = std::current_exception()] {
            try {
                std::rethrow_exception(error);
            } catch (...) {
                reportCurrentException();
            }
        });
        return true;
    }
}

} // namespace platform
