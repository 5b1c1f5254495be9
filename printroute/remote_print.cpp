#include "printroute/remote_print.h"

#include "common/control_helpers.h"
#include "common/program_state.h"
#include "common/text_helpers.h"
#include "printroute/remote_print_texts.h"
#include "remote/companion_protocol.h"
#include "settings/bitmap_placement.h"
#include "settings/copies_query.h"
#include "settings/printer_queries.h"

#include <windows.h>

namespace sw {
namespace {

// How long a control of the companion may take to answer one message.
constexpr UINT kCompanionAnswerMs = 10000;

// Sends and waits, but not for a companion that hangs. False when the
// control did not answer.
bool SendToControl(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutA(control, message, wParam, lParam, SMTO_ABORTIFHUNG,
                               kCompanionAnswerMs, &ignored) != 0;
}

bool WriteToCompanion(CompanionField field, const std::string& text) {
    HWND handle = Program().CompanionHandles[field];
    return handle == nullptr ||
           SendToControl(handle, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Selects the remote printer in the companion's list; false when it is not
// there. The exact search starts after item 0 and wraps round, so every item
// is searched; not found (-1) clears a single selection, so that a printer no
// longer listed is not confused with the one selected before.
bool SelectCompanionPrinter(const std::string& printer) {
    HWND list = Program().CompanionHandles[kFieldPrinterList];
    const int found = FindListBoxTextExact(list, 0, printer);
    SelectListBoxItem(list, found);
    return found >= 0;
}

bool WriteBitmapPlacement(BitmapPlacementSource placement) {
    BitmapPlacement box;
    if (placement == BitmapPlacementSource::AsSettingsSay)
        GetBitmapPlacement(box.left, box.top, box.width, box.height);
    else
        box = ReadBitmapPlacement();
    return WriteToCompanion(kFieldBitmapLeft, MeasureText(box.left)) &&
           WriteToCompanion(kFieldBitmapTop, MeasureText(box.top)) &&
           WriteToCompanion(kFieldBitmapWidth, MeasureText(box.width)) &&
           WriteToCompanion(kFieldBitmapHeight, MeasureText(box.height));
}

} // namespace

bool IsRemotePrinter(std::string_view printer) {
    return printer.find(':') != std::string_view::npos;
}

std::int32_t PrintThroughCompanion(const std::string& printer, const std::string& file,
                                   BitmapPlacementSource placement) {
    return PrintThroughCompanion(printer, file, placement, file);
}

std::int32_t PrintThroughCompanion(const std::string& printer, const std::string& file,
                                   BitmapPlacementSource placement, const std::string& handedFile) {
    const std::string trimmedPrinter = TrimSpaces(printer);
    std::string landscape;
    std::string portrait;
    const std::int16_t orientation = GetOrientationSetting(printer, landscape, portrait);
    const bool written =
        WriteToCompanion(kFieldAutoFormfeed, AutoFormfeedText(GetAutoFormfeedSetting(printer))) &&
        WriteToCompanion(kFieldCopies,
                         CopiesText(GetCopiesSetting(TrimSpaces(file), trimmedPrinter))) &&
        (!SendsBitmapPlacement(file) || WriteBitmapPlacement(placement)) &&
        WriteToCompanion(kFieldPrintMethod, PrintMethodText(file)) &&
        WriteToCompanion(kFieldOrientation, OrientationText(orientation, landscape, portrait));
    if (!written)
        return ERROR_TIMEOUT;
    const bool listed = SelectCompanionPrinter(printer);

    // Without its print command nothing can start the print; a printer it
    // does not list would get a click without a selection, which prints
    // nothing.
    HWND printCommand = Program().CompanionHandles[kFieldPrintCommand];
    if (printCommand == nullptr)
        return ERROR_NOT_READY;
    if (!listed)
        return ERROR_INVALID_PRINTER_NAME;
    if (!SendToControl(printCommand, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(handedFile.c_str())) ||
        !SendToControl(printCommand, BM_CLICK, 0, 0))
        return ERROR_TIMEOUT;
    return 0;
}

} // namespace sw
