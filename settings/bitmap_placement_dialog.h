// The modal placement dialog "BMPSET", owned by the main window. It reads and
// writes the "BMPprint" section itself; GetBitmapPlacement shows it before a
// bitmap print when the user asked to place every bitmap.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

// The box must stay on the page of `printer` (the one printed to, or the one
// selected in the main window); with no printer, or one whose page is not
// known, only the other rules apply.
void ShowBitmapPlacementDialog(HWND owner, const std::string& printer);

} // namespace sw
