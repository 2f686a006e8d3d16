#include "SystemErrorText.h"

#include <system_error>

namespace meter {

QString TrimSystemMessage(QString text)
{
    while (!text.isEmpty()) {
        const QChar last = text.back();
        if (!last.isSpace() && last != QLatin1Char('.') && last.category() != QChar::Other_Control)
            break;
        text.chop(1);
    }
    return text;
}

QString SystemErrorText(int error)
{
    return TrimSystemMessage(QString::fromLocal8Bit(std::generic_category().message(error)));
}

} // namespace meter
