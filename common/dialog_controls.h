// Small helpers shared by the program's dialogs: the blue-on-white colours of
// their editable fields and list boxes, control texts as std::string, string
// resources, and the in/out data a dialog procedure keeps.
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

// Puts the dialog's in/out data where its procedure finds it again.
void AttachDialogData(HWND dialog, void* data);
template <typename Data> Data* DialogData(HWND dialog) {
    return reinterpret_cast<Data*>(GetWindowLongPtrA(dialog, DWLP_USER));
}

} // namespace sw
