#include "app/ProgramEntry.h"

int main(int argc, char** argv)
{
    return zornalit::runProgram(argc, argv);
}
