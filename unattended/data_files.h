// The files of unattended printing, in the program's folder: the schedule
// file and its scratch copy, the event log and the state files.
#pragma once

#include <string>

namespace sw {

std::string DataFilePath();  // ProgramFolder() + "sw.dat"
std::string DataFileBPath(); // ProgramFolder() + "swb.dat"

std::string EventLogPath(); // ProgramFolder() + "Unattended.txt"

// What unattended printing remembers of the files it printed (see
// printed_files.h), and the note of the file being printed just now.
std::string PrintedFilesPath(); // ProgramFolder() + "swprinted.dat"
std::string PrintingNotePath(); // ProgramFolder() + "swprinting.dat"

} // namespace sw
