// The schedule dialog "SCHED": add, edit, delete, step through and test the
// schedules of "sw.dat".
#pragma once

#include <windows.h>

namespace sw {

// Shows the dialog modally; changes reach "sw.dat" only by Save and Delete.
// The schedule it shows is the program state's CurrentScheduleIndex, which
// outlives the dialog.
void ShowScheduleDialog(HWND owner);

} // namespace sw
