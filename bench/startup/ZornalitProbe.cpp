// The real program's start-up, run exactly as the program entry does it,
// stopped at the main window's first paint.

#include "FirstPaintClock.h"

#include "app/Form1.h"
#include "app/ProgramEntry.h"

int main(int argc, char** argv)
{
    return zornalit::runProgram(argc, argv,
        [](zornalit::Form1& window) { window.installEventFilter(new zornalit::bench::FirstPaintClock(&window)); });
}
