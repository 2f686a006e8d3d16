// quorvel-render: the meter picture without a window, for documentation pipelines.
#include "MeterRenderer.h"
#include "RenderRequest.h"
#include "meter/InstallDigitFont.h"
#include "platform/Application.h"
#include "platform/ErrorBox.h"

#include <cstdio>

namespace {

void printLine(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fputc('\n', stream);
}

int fail(const QString& message)
{
    printLine(stderr, QStringLiteral("quorvel-render: %1").arg(message));
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    // Draws without any display, and keeps Qt's own chatter out of the output.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtFatalMsg)
            printLine(stderr, message);
    });
    platform::Application application(argc, argv);

    const app::RenderCommand command = app::ParseRenderArguments(application.arguments().mid(1));
    if (std::holds_alternative<app::ShowHelp>(command)) {
        printLine(stdout, app::RenderUsage());
        return 0;
    }
    if (std::holds_alternative<app::ShowVersion>(command)) {
        printLine(stdout, QStringLiteral("quorvel-render " QUORVEL_VERSION));
        return 0;
    }
    if (const auto* error = std::get_if<app::UsageError>(&command))
        return fail(error->message + QStringLiteral("; see --help"));
    const auto& request = std::get<app::RenderRequest>(command);

    QString handlerError;
    platform::setErrorReporter([&](const QString& text) { handlerError = text; });
    QImage picture;
    platform::guarded([&] {
        meter::RegisterEmbeddedDigitFont();
        picture = app::RenderMeterPicture(request);
    })();
    if (!handlerError.isEmpty())
        return fail(handlerError);

    const QString writeError = app::WritePicture(picture, request);
    return writeError.isEmpty() ? 0 : fail(writeError);
}
