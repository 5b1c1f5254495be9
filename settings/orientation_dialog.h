// The orientation dialog "DLG_ORIENTATION" of one printer: the landscape and
// portrait escape codes and whether raw jobs are sent in landscape.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

// Shows the dialog for `printer`; its settings live in "Printers Orientation "
// + the whole printer name, as the print query reads them. "No Orientation"
// stores the status "N" only; "&Return" warns, then saves; Escape and the
// close box save without the warning. An invalid code text is reported and
// not stored; the other code and the status are saved all the same.
void ShowOrientationDialog(HWND owner, const std::string& printer);

} // namespace sw
