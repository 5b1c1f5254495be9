// The files of unattended printing, all in the program's folder: the schedule
// file, its scratch copy while a schedule is deleted, and the event log.
#pragma once

#include <string>

namespace sw {

// The folder of the running program, with a trailing backslash.
std::string ProgramFolder();

std::string DataFilePath();  // ProgramFolder() + "sw.dat"
std::string DataFileBPath(); // ProgramFolder() + "swb.dat"
std::string EventLogPath();  // ProgramFolder() + "Unattended.txt"

} // namespace sw
