// The print dispatch: the companion for a remote printer, otherwise the
// application for a driver-bypass exception or the library.
#include "shell/print_dispatch.h"

#include "common/path_helpers.h"
#include "common/program_state.h"
#include "printroute/driver_bypass_print.h"
#include "printroute/print_library_api.h"
#include "printroute/remote_print.h"
#include "settings/bypass_exceptions.h"

#include <windows.h>

namespace sw {
namespace {

void PrintLocally(const std::string& printer, const std::string& file) {
    if (IsBypassException(FileNamePart(file))) {
        PrintLibrary().printWithApplication(printer, file);
        return;
    }
    PrintBypassingDriver(printer, file, BitmapPlacementSource::AsSettingsSay);
}

} // namespace

void DispatchPrint() {
    // Copies: a print that lets messages through (the word processor's route)
    // may see a drop change the selection while it runs.
    const std::string printer = Program().CurrentPrinter;
    const std::string file = Program().SelectedFile;
    if (IsRemotePrinter(printer))
        PrintThroughCompanion(printer, file, BitmapPlacementSource::AsSettingsSay);
    else
        PrintLocally(printer, file);
}

} // namespace sw
