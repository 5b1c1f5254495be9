// The main window's list of printers: the installed ones and the companion's
// remote printers, and printing the selected file to the selected printer.
#pragma once

#include <string>

namespace sw {

// Lists the installed printers, selects the default printer, then adds the
// companion's printers when it announced its list.
void RefreshPrinterList();

// Selects the item equal to `name` (letter case ignored) when there is one.
void SelectPrinterByName(const std::string& name);

// Prints SelectedFile to the selected printer when both are given. A print
// that fails is told in one message box owned by the main window.
void PrintSelection();

} // namespace sw
