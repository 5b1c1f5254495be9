// Lookups of the start-up: a file named on the command line, and whether a
// printer name given there is installed here.
#include "shell/startup_lookups.h"

#include "common/library_text.h"
#include "common/long_path.h"
#include "common/program_state.h"
#include "printengine/swprint.h"

#include <string>

namespace sw {

bool FileExists(std::string_view path) {
    const std::string searched(path);
    if (searched.empty() || searched.find('\0') != std::string::npos)
        return false;
    // Through the wide call, which takes a path of any length.
    const DWORD attributes = PathAttributes(searched);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsInstalledPrinter(std::string_view name) {
    const SHORT count = AvailablePrinters();
    for (SHORT index = 0; index < count; ++index) {
        const std::string listedName = TakeLibraryText(PrinterDeviceName(&index));
        if (listedName.substr(0, kStateTextLimit) == name)
            return true;
    }
    return false;
}

} // namespace sw
