#include "shell/printer_list.h"

#include "printengine/swprint.h"
#include "settings/library_text.h"
#include "shell/companion.h"
#include "shell/control_helpers.h"
#include "shell/print_dispatch.h"
#include "shell/program_state.h"
#include "shell/window_state.h"

namespace sw {

void RefreshPrinterList() {
    ClearListBox(PrinterListBox);
    const SHORT count = AvailablePrinters();
    for (SHORT index = 0; index < count; ++index)
        AddListBoxText(PrinterListBox, TakeLibraryText(PrinterDeviceName(&index)));
    SelectPrinterByName(TakeLibraryText(DefaultPrinter()).substr(0, kStateTextLimit));

    HWND companionList = CompanionHandles[kCompanionPrinterList];
    const int remoteCount = ListBoxCount(companionList);
    for (int index = 0; index < remoteCount; ++index)
        AddListBoxText(PrinterListBox, ListBoxText(companionList, index));
}

void SelectPrinterByName(const std::string& name) {
    const int found = FindListBoxTextExact(PrinterListBox, -1, name);
    if (found != LB_ERR)
        SelectListBoxItem(PrinterListBox, found);
}

void PrintSelection() {
    CurrentPrinter = ListBoxText(PrinterListBox, -1).substr(0, kStateTextLimit);
    if (!CurrentPrinter.empty() && !SelectedFile.empty())
        DispatchPrint();
}

} // namespace sw
