// Small helpers shared by the program's dialogs: the blue-on-white colours of
// their editable fields and list boxes, control texts as std::string and
// string resources.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

namespace sw {

// Answers WM_CTLCOLOREDIT and WM_CTLCOLORLISTBOX with blue text on white and
// returns the brush for the dialog procedure to return; 0 for any other
// message. Read-only edits ask with WM_CTLCOLORSTATIC and keep their grey.
INT_PTR EditableControlColors(UINT message, WPARAM wParam);

// The text of a dialog control, cut to `limit` characters.
std::string ControlText(HWND dialog, int id, std::size_t limit);

// A string resource of the program; empty when it is missing.
std::string ResourceString(UINT id);

} // namespace sw
