#pragma once

namespace zornalit::dbtool {

// Puts the console's output in UTF-8 for as long as it lives, then gives
// the console back the code page it had: when main returns, when the
// program exits from elsewhere, and when the console is interrupted
// (Ctrl+C) or closed. A Russian batch file run next in the same console is
// read in its own code page again. Windows only; elsewhere nothing is done.
class Utf8Console {
public:
    Utf8Console();
    ~Utf8Console();
    Utf8Console(const Utf8Console&) = delete;
    Utf8Console& operator=(const Utf8Console&) = delete;
};

} // namespace zornalit::dbtool
