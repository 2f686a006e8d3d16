#include "Program.h"

int main(int argc, char** argv)
{
    app::Program program(argc, argv);
    return program.Run();
}
