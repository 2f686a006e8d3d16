#include "FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <ctime>

namespace {

class FirstPaintFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Once this paint event, and the rest of the window's, have been delivered.
            QTimer::singleShot(0, [] {
                timespec now{};
                clock_gettime(CLOCK_MONOTONIC, &now);
                std::printf("%lld\n",
                            static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

} // namespace

void reportFirstPaint(QWidget& window)
{
    window.installEventFilter(new FirstPaintFilter(&window));
}
