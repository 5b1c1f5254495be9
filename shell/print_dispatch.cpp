// The print dispatch. The remote route hands the job to the companion by
// writing its parameters into the companion's controls, the print command
// last, since its click starts the print with whatever the fields hold.
#include "shell/print_dispatch.h"

#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "settings/bitmap_placement.h"
#include "settings/bypass_exceptions.h"
#include "settings/copies_query.h"
#include "settings/printer_queries.h"
#include "shell/companion.h"
#include "shell/control_helpers.h"
#include "shell/driver_bypass_print.h"
#include "shell/print_library_api.h"
#include "shell/program_state.h"
#include "shell/remote_print_texts.h"

#include <windows.h>

#include <cstring>

namespace sw {
namespace {

void WriteToCompanion(CompanionControl control, const std::string& text) {
    HWND handle = CompanionHandles[control];
    if (handle != nullptr)
        SendMessageA(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Selects the remote printer in the companion's list. The exact search
// starts after item 0 and wraps round, so every item is searched.
void SelectCompanionPrinter(const std::string& printer) {
    HWND list = CompanionHandles[kCompanionPrinterList];
    // Not found (-1) clears a single selection: a printer no longer listed is
    // not confused with the one selected before.
    SelectListBoxItem(list, FindListBoxTextExact(list, 0, printer));
}

void PrintRemotely() {
    const std::string printer = TrimSpaces(CurrentPrinter);
    WriteToCompanion(kCompanionAutoFormfeed, AutoFormfeedText(GetAutoFormfeedSetting()));
    WriteToCompanion(kCompanionCopies,
                     CopiesText(GetCopiesSetting(TrimSpaces(SelectedFile), printer)));
    if (SendsBitmapPlacement(SelectedFile)) {
        BitmapPlacement box;
        GetBitmapPlacement(box.left, box.top, box.width, box.height);
        WriteToCompanion(kCompanionBitmapLeft, MeasureText(box.left));
        WriteToCompanion(kCompanionBitmapTop, MeasureText(box.top));
        WriteToCompanion(kCompanionBitmapWidth, MeasureText(box.width));
        WriteToCompanion(kCompanionBitmapHeight, MeasureText(box.height));
    }
    WriteToCompanion(kCompanionPrintMethod, PrintMethodText(SelectedFile));
    std::string landscape;
    std::string portrait;
    const std::int16_t orientation = GetOrientationSetting(landscape, portrait);
    WriteToCompanion(kCompanionOrientation, OrientationText(orientation, landscape, portrait));
    SelectCompanionPrinter(CurrentPrinter);

    HWND printCommand = CompanionHandles[kCompanionPrintCommand];
    if (printCommand == nullptr)
        return;
    SendMessageA(printCommand, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(SelectedFile.c_str()));
    SendMessageA(printCommand, BM_CLICK, 0, 0);
}

void PrintLocally() {
    if (IsBypassException(FileNamePart(SelectedFile))) {
        PrintLibrary().printWithApplication(CurrentPrinter, SelectedFile);
        return;
    }
    PrintBypassingDriver(CurrentPrinter, SelectedFile, BitmapPlacementSource::AsSettingsSay);
}

} // namespace

bool IsRemotePrinter(const char* printer) {
    return std::strchr(printer, ':') != nullptr;
}

void DispatchPrint() {
    if (IsRemotePrinter(CurrentPrinter.c_str()))
        PrintRemotely();
    else
        PrintLocally();
}

} // namespace sw
