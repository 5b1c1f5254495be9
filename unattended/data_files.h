// The event log of unattended printing, in the program's folder beside the
// schedule file (the program state's DataFilePath).
#pragma once

#include <string>

namespace sw {

std::string EventLogPath(); // ProgramFolder() + "Unattended.txt"

} // namespace sw
