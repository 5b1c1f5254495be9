// Only one copy of the program runs. A second start with a command line
// hands it to the running copy, which prints it as its own would be printed.
#pragma once

#include <string>

namespace sw {

// Creates the program's named mutex; true when another copy holds it (or it
// cannot be created), and the program must not start. The handle is kept
// for the life of the process when this copy got it first.
bool IsAnotherInstanceRunning();

enum class HandOver {
    Done,    // the running copy took the command line
    RunHere, // the other copy ended meanwhile: this one now holds the mutex
    Failed,  // nobody took it in time
};

// Gives the command line to the running copy's main window. The running
// copy may be starting (no window yet) or ending (the window gone): this
// waits a few seconds for a window that takes it.
HandOver HandOverCommandLine(const std::string& commandLine);

} // namespace sw
