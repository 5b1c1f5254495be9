// The next-events dialog "ELIST": the next time each schedule becomes active,
// its files and its printer, earliest first; a click on a column's header
// sorts by that column.
#pragma once

#include <windows.h>

namespace sw {

// Shows the dialog modally; it saves nothing.
void ShowNextEventsDialog(HWND owner);

// The direction the last header sort took, one for the whole program (true
// before the first); the next sort takes the other.
bool NextEventsSortAscending();

} // namespace sw
