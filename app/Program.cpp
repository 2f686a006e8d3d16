#include "Program.h"

#include "about/TFormAbout.h"
#include "meter/TForm1.h"
#include "platform/ErrorBox.h"

namespace app {

Program::Program(int& argc, char** argv) : application_(argc, argv)
{
    platform::setApplicationTitle(QStringLiteral("Brask Quorvel"));
    form1_ = std::make_unique<meter::TForm1>();
    // Error boxes and the About dialog show the program's icon too.
    QApplication::setWindowIcon(form1_->windowIcon());
    platform::guarded([this] { form1_->FormCreate(); })();
    formAbout_ = std::make_unique<about::TFormAbout>(form1_.get());
    form1_->setAboutDialog(formAbout_.get());
}

Program::~Program() = default;

int Program::Run()
{
    form1_->show();
    return application_.exec();
}

} // namespace app
