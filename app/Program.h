#pragma once

#include "platform/Application.h"

#include <memory>

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

    // Shows the meter window and runs the event loop until it closes.
    int Run();

private:
    platform::Application application_;
    std::unique_ptr<meter::TForm1> form1_;
};

} // namespace app
