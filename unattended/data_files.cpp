#include "unattended/data_files.h"

#include "common/program_folder.h"

namespace sw {

std::string DataFilePath() {
    return ProgramFolder() + "sw.dat";
}

std::string DataFileBPath() {
    return ProgramFolder() + "swb.dat";
}

std::string EventLogPath() {
    return ProgramFolder() + "Unattended.txt";
}

std::string PrintedFilesPath() {
    return ProgramFolder() + "swprinted.dat";
}

std::string PrintingNotePath() {
    return ProgramFolder() + "swprinting.dat";
}

} // namespace sw
