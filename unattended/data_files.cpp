#include "unattended/data_files.h"

#include "common/program_folder.h"

namespace sw {

std::string EventLogPath() {
    return ProgramFolder() + "Unattended.txt";
}

} // namespace sw
