#include "unattended/data_files.h"

#include "common/path_helpers.h"

#include <windows.h>

#include <vector>

namespace sw {

std::string ProgramFolder() {
    // A path can be longer than MAX_PATH: grow the buffer until it fits.
    std::vector<char> path(MAX_PATH);
    for (;;) {
        const DWORD length =
            GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::string();
        if (length < path.size())
            return AddTrailingBackslash(FolderPart(std::string(path.data(), length)));
        if (path.size() >= 32768)
            return std::string();
        path.resize(path.size() * 2);
    }
}

std::string DataFilePath() {
    return ProgramFolder() + "sw.dat";
}

std::string DataFileBPath() {
    return ProgramFolder() + "swb.dat";
}

std::string EventLogPath() {
    return ProgramFolder() + "Unattended.txt";
}

} // namespace sw
