#include "shell/printer_list.h"

#include "common/control_helpers.h"
#include "common/dialog_controls.h"
#include "common/library_text.h"
#include "common/long_path.h"
#include "common/message_captions.h"
#include "printengine/swprint.h"
#include "resources/resource.h"
#include "shell/companion.h"
#include "shell/print_dispatch.h"
#include "shell/print_failure.h"
#include "shell/program_state.h"

#include <cstdint>
#include <string>

namespace sw {

void RefreshPrinterList() {
    ClearListBox(Program().PrinterListBox);
    const SHORT count = AvailablePrinters();
    for (SHORT index = 0; index < count; ++index)
        AddListBoxText(Program().PrinterListBox, TakeLibraryText(PrinterDeviceName(&index)));
    SelectPrinterByName(TakeLibraryText(DefaultPrinter()).substr(0, kStateTextLimit));

    HWND companionList = Program().CompanionHandles[kCompanionPrinterList];
    const int remoteCount = ListBoxCount(companionList);
    for (int index = 0; index < remoteCount; ++index)
        AddListBoxText(Program().PrinterListBox, ListBoxText(companionList, index));
}

void SelectPrinterByName(const std::string& name) {
    const int found = FindListBoxTextExact(Program().PrinterListBox, -1, name);
    if (found != LB_ERR)
        SelectListBoxItem(Program().PrinterListBox, found);
}

void PrintSelection() {
    ProgramState& program = Program();
    program.CurrentPrinter = ListBoxText(program.PrinterListBox, -1).substr(0, kStateTextLimit);
    if (program.CurrentPrinter.empty() || program.SelectedFile.empty())
        return;
    // A path longer than the system's file calls take cannot be printed: it
    // is refused with a message rather than cut to a path of another file.
    if (!FitsSystemPathLimit(program.SelectedFile)) {
        MessageBoxA(program.MainWindow, ResourceString(IDS_PATH_TOO_LONG).c_str(), kProgramCaption,
                    MB_OK);
        return;
    }
    // Kept: the word processor's route lets messages through, and a drop may
    // change the selection while it runs.
    const std::string printer = program.CurrentPrinter;
    const std::string file = program.SelectedFile;
    const std::int32_t result = DispatchPrint(printer, file);
    if (result != 0)
        ShowPrintFailure(program.MainWindow, file, printer, result);
}

} // namespace sw
