// The modal placement dialog "BMPSET", owned by the main window. It reads and
// writes the "BMPprint" section itself; GetBitmapPlacement shows it before a
// bitmap print when the user asked to place every bitmap.
#pragma once

#include <windows.h>

namespace sw {

void ShowBitmapPlacementDialog(HWND owner);

} // namespace sw
