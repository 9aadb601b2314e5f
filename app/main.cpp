#include "app/ProgramEntry.h"
#include "platform/files/ProcessEnd.h"

int main(int argc, char** argv)
{
    return zornalit::finishProcess(zornalit::runProgram(argc, argv));
}
