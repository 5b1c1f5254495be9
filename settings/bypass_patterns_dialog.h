// The driver-bypass exceptions dialog "DLG_WORD": the file name patterns whose
// files are printed through their application.
#pragma once

#include <windows.h>

namespace sw {

// Shows the list of "NoBypass" patterns for editing. "E&xit", Escape and the
// close box store the list in its sorted order; keys it no longer fills up to
// its length at opening are emptied, so that they end the list.
void ShowBypassPatternsDialog(HWND owner);

// The number of patterns the dialog found when it last opened, raised by a
// save of a longer list; 0 until it opened. The dialog's memory while the
// program runs.
short RememberedPatternCount();

} // namespace sw
