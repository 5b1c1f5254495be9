// The auto formfeed dialog "DLG_FEED" of one printer.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

// Shows the dialog for `printer` (its whole name is the key, as the print
// query uses it). "&Return", Escape and the close box all save the check box
// as "1" or "0" under the printer in "Printers AutoFormfeed".
void ShowAutoFormfeedDialog(HWND owner, const std::string& printer);

} // namespace sw
