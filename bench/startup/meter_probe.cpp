#include "FirstPaint.h"
#include "app/Program.h"
#include "meter/TForm1.h"

int main(int argc, char** argv)
{
    app::Program program(argc, argv);
    reportFirstPaint(program.Form1());
    return program.Run();
}
