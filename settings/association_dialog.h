// The printer association dialog "PLIST": the user picks the installed printer
// that stands for a printer name passed on the command line but not installed.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

// Shows the dialog for `passedPrinter`. "&Associate" stores the selected
// printer under that name in "Printer Associations"; "&Cancel", Escape and the
// close box store nothing. The caller reads the association again afterwards.
void ShowAssociationDialog(HWND owner, const std::string& passedPrinter);

} // namespace sw
