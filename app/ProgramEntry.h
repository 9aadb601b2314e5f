#pragma once

#include <functional>

namespace zornalit {

class Form1;

// The whole run of the program: the main window is built, loaded, centred
// and shown, then events are served until it is closed. afterShow, if
// given, sees the window once it has been shown (the start-up measurement
// uses it). Returns the exit status.
int runProgram(int& argc, char** argv, const std::function<void(Form1&)>& afterShow = {});

} // namespace zornalit
