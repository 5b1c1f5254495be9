// Runs a program to its end on the caller's thread while the caller's windows
// stay responsive.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

// What RunAndWait returns when the process cannot be created.
inline constexpr LONG kProcessNotStarted = -1;

// Starts `commandLine` with the window show state `showState` and waits until
// the process ends, dispatching the calling thread's messages every 100 ms.
// The process's main window, when it already has one right after the start,
// is watched: when its title shows "FINISHED" (any letter case), it is sent
// WM_CLOSE. `program`, when not empty, is the file to run, so that a path
// with spaces at the start of the command line cannot start another program.
// Returns the process's exit code or kProcessNotStarted.
LONG RunAndWait(const std::string& commandLine, int showState, const std::string& program = "");

} // namespace sw
