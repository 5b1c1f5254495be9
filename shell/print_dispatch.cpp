// The print dispatch. The remote route hands the job to the companion by
// writing its parameters into the companion's controls, the print command
// last, since its click starts the print with whatever the fields hold.
#include "shell/print_dispatch.h"

#include "common/control_helpers.h"
#include "common/path_helpers.h"
#include "common/program_state.h"
#include "common/text_helpers.h"
#include "printroute/driver_bypass_print.h"
#include "printroute/print_library_api.h"
#include "remote/companion_protocol.h"
#include "settings/bitmap_placement.h"
#include "settings/bypass_exceptions.h"
#include "settings/copies_query.h"
#include "settings/printer_queries.h"
#include "shell/companion.h"
#include "shell/remote_print_texts.h"
#include "shell/startup_lookups.h"

#include <windows.h>

#include <cstring>

namespace sw {
namespace {

void WriteToCompanion(CompanionControl control, const std::string& text) {
    HWND handle = Program().CompanionHandles[control];
    if (handle != nullptr)
        SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Selects the remote printer in the companion's list; false when the list
// does not hold it. The exact search starts after item 0 and wraps round, so
// every item is searched.
bool SelectCompanionPrinter(const std::string& printer) {
    HWND list = Program().CompanionHandles[kCompanionPrinterList];
    // Not found (-1) clears a single selection: a printer no longer listed is
    // not confused with the one selected before.
    const int found = FindListBoxTextExact(list, 0, printer);
    SelectListBoxItem(list, found);
    return found >= 0;
}

// The companion prints `file` on the remote printer `printer` ("site:queue").
// Without its print command nothing can start the print; a printer it does
// not list would get a click without a selection, which prints nothing.
std::int32_t PrintRemotely(const std::string& printer, const std::string& file) {
    const std::string trimmedPrinter = TrimSpaces(printer);
    WriteToCompanion(kCompanionAutoFormfeed, AutoFormfeedText(GetAutoFormfeedSetting(printer)));
    WriteToCompanion(kCompanionCopies,
                     CopiesText(GetCopiesSetting(TrimSpaces(file), trimmedPrinter)));
    if (SendsBitmapPlacement(file)) {
        BitmapPlacement box;
        GetBitmapPlacement(box.left, box.top, box.width, box.height);
        WriteToCompanion(kCompanionBitmapLeft, MeasureText(box.left));
        WriteToCompanion(kCompanionBitmapTop, MeasureText(box.top));
        WriteToCompanion(kCompanionBitmapWidth, MeasureText(box.width));
        WriteToCompanion(kCompanionBitmapHeight, MeasureText(box.height));
    }
    WriteToCompanion(kCompanionPrintMethod, PrintMethodText(file));
    std::string landscape;
    std::string portrait;
    const std::int16_t orientation = GetOrientationSetting(printer, landscape, portrait);
    WriteToCompanion(kCompanionOrientation, OrientationText(orientation, landscape, portrait));
    const bool listed = SelectCompanionPrinter(printer);

    HWND printCommand = Program().CompanionHandles[kCompanionPrintCommand];
    if (printCommand == nullptr)
        return ERROR_NOT_READY;
    if (!listed)
        return ERROR_INVALID_PRINTER_NAME;
    SendMessageA(printCommand, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(file.c_str()));
    SendMessageA(printCommand, BM_CLICK, 0, 0);
    return 0;
}

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

bool IsRemotePrinter(const char* printer) {
    return std::strchr(printer, ':') != nullptr;
}

std::int32_t DispatchPrint() {
    // Copies: a print that lets messages through (the word processor's route)
    // may see a drop change the selection while it runs.
    const std::string printer = Program().CurrentPrinter;
    const std::string file = Program().SelectedFile;
    if (IsRemotePrinter(printer.c_str()))
        return PrintRemotely(printer, file);
    return PrintLocally(printer, file);
}

} // namespace sw
