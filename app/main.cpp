#include "meter/TForm1.h"
#include "platform/Application.h"
#include "platform/ErrorBox.h"

int main(int argc, char** argv)
{
    platform::Application application(argc, argv);
    platform::setApplicationTitle(QStringLiteral("Brask Quorvel"));

    meter::TForm1 Form1;
    platform::guarded([&] { Form1.FormCreate(); })();

    Form1.show();
    return application.exec();
}
