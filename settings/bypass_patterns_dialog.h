// The driver-bypass exceptions dialog "DLG_WORD": the file name patterns whose
// files are printed through their application.
#pragma once

#include <windows.h>

namespace sw {

// Shows the list of "NoBypass" patterns for editing. "E&xit", Escape and the
// close box store the list in its sorted order; keys it no longer fills up to
// its length at opening are emptied, so that they end the list.
void ShowBypassPatternsDialog(HWND owner);

// The keys the dialog fills or empties at its next save: the list's length
// when it last opened, or the longer list saved since.
int BypassPatternKeys();

} // namespace sw
