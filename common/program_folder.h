// Where the running program lives: the schedules, the event log, the help
// file and the companion are found beside it.
#pragma once

#include <string>

namespace sw {

// The program's own file, as the system started it, whatever the length of
// its path; empty when the system cannot give it whole.
std::string ProgramPath();

// The folder of ProgramPath() with a trailing backslash; empty with it.
std::string ProgramFolder();

} // namespace sw
