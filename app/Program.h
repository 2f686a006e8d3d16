#pragma once

#include "platform/Application.h"

#include <memory>

namespace about {
class TFormAbout;
}

namespace meter {
class TForm1;
}

namespace app {

// The program's start-up: the application object with its title, the meter
// window with its creation handler, then the About dialog, hidden.
class Program {
public:
    Program(int& argc, char** argv);
    ~Program();

    meter::TForm1& Form1() { return *form1_; }
    about::TFormAbout& FormAbout() { return *formAbout_; }

    // Shows the meter window and runs the event loop until it closes.
    int Run();

private:
    platform::Application application_;
    std::unique_ptr<meter::TForm1> form1_;
    // A child window of Form1: declared after it, so it is destroyed first.
    std::unique_ptr<about::TFormAbout> formAbout_;
};

} // namespace app
