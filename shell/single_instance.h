// Only one copy of the program runs. A second start with a command line
// hands it to the running copy, which prints it as its own would be printed,
// and waits for the print's result.
#pragma once

#include <cstdint>
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

struct HandOverResult {
    HandOver kind = HandOver::Failed;
    // For Done: the print's result as the running copy answered it (0 when
    // the print was handed on whole or the command line printed nothing);
    // ERROR_TIMEOUT when the running copy ended or never answered.
    std::int32_t code = 0;
};

// Gives the command line to the running copy's main window and waits for the
// result of its print. The running copy may be starting (no window yet) or
// ending (the window gone): this waits a few seconds for a window that takes
// it.
HandOverResult HandOverCommandLine(const std::string& commandLine);

} // namespace sw
