// The schedule dialog "SCHED": add, edit, delete, step through and test the
// schedules of "sw.dat".
#pragma once

#include <windows.h>

#include <cstdint>

namespace sw {

// The schedule the dialog shows, numbered from 1; 0 until one was shown or
// saved. It lives as long as the program and is reset to 1 whenever the
// dialog opens on a file with schedules.
extern std::int32_t CurrentScheduleIndex;

// Shows the dialog modally; changes reach "sw.dat" only by Save and Delete.
void ShowScheduleDialog(HWND owner);

} // namespace sw
