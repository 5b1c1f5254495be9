// The print dispatch: the companion for a remote printer, otherwise the
// application for a driver-bypass exception or the library.
#include "shell/print_dispatch.h"

#include "common/path_helpers.h"
#include "common/program_state.h"
#include "printroute/driver_bypass_print.h"
#include "printroute/print_library_api.h"
#include "printroute/remote_print.h"
#include "settings/bypass_exceptions.h"
#include "shell/startup_lookups.h"

#include <windows.h>

namespace sw {
namespace {

// The word processor says only whether it ran. A file that is not there
// would print nothing, and a printer that is not installed would leave the
// system's default printer in place: both are found before it starts.
std::int32_t PrintThroughWordProcessor(const std::string& printer, const std::string& file) {
    if (!FileExists(file))
        return ERROR_FILE_NOT_FOUND;
    if (!IsInstalledPrinter(printer))
        return ERROR_INVALID_PRINTER_NAME;
    return PrintLibrary().printWithApplication(printer, file) == 0 ? 0 : ERROR_NO_ASSOCIATION;
}

std::int32_t PrintLocally(const std::string& printer, const std::string& file) {
    if (IsBypassException(FileNamePart(file)))
        return PrintThroughWordProcessor(printer, file);
    return PrintBypassingDriver(printer, file, BitmapPlacementSource::AsSettingsSay);
}

} // namespace

std::int32_t DispatchPrint() {
    // Copies: a print that lets messages through (the word processor's route)
    // may see a drop change the selection while it runs.
    const std::string printer = Program().CurrentPrinter;
    const std::string file = Program().SelectedFile;
    if (IsRemotePrinter(printer))
        return PrintThroughCompanion(printer, file, BitmapPlacementSource::AsSettingsSay);
    return PrintLocally(printer, file);
}

} // namespace sw
