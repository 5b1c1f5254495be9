// The schedule dialog "SCHED": add, edit, delete, step through and test the
// schedules of "sw.dat".
#pragma once

#include "printroute/print_route.h"

#include <windows.h>

namespace sw {

// Shows the dialog modally; changes reach "sw.dat" only by Save and Delete.
// The schedule it shows is the program state's CurrentScheduleIndex, which
// outlives the dialog. Save takes the printer selected in `printerList` (the
// main window's list); Test prints with `context`.
void ShowScheduleDialog(HWND owner, HWND printerList, const PrintContext& context);

} // namespace sw
