#pragma once

namespace zornalit {

// Ends the process with status, once main's own work is done and every
// object of it destroyed. On Windows the process ends there and then,
// after flushing the C streams: the usual exit unloads the MinGW runtime's
// libraries one by one, and libstdc++'s unloading waits on a winpthreads
// lock that a thread killed by the exit may hold, so that a closed window's
// process could stay behind for good, holding the program's files. Nothing
// of ours needs that unloading: files are written and closed before. On
// other systems it returns status, for main to return.
int finishProcess(int status);

} // namespace zornalit
