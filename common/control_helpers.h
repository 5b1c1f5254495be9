// Thin helpers over standard controls, for the main window's printer list,
// the companion's, which lives in another process, and the dialogs' lists.
// Requests to a handle of 0 do nothing and return 0.
#pragma once

#include <windows.h>

#include <string>

namespace sw {

// Texts of list box items are read up to this many characters.
inline constexpr int kListItemTextLimit = 255;

// A child window (or a top-level one when `parent` is 0) with no extended style.
HWND CreateChildWindow(const char* windowClass, const char* title, DWORD style, int x, int y,
                       int width, int height, HWND parent, int id, HINSTANCE instance);

// A "ListBox" or "Edit" child with empty text; child and visible styles are
// added when a parent is given, the instance is the parent's.
HWND CreateListBox(HWND parent, DWORD style, int x, int y, int width, int height, int id);
HWND CreateEditControl(HWND parent, DWORD style, int x, int y, int width, int height, int id);

void ClearListBox(HWND list);
int ListBoxCount(HWND list);
void AddListBoxText(HWND list, const std::string& text);

// The text of item `index`, at most 255 characters; a negative index means the
// current selection (in a list box with several selections, the item with the
// focus). Empty when there is no such item. Works across processes.
std::string ListBoxText(HWND list, int index);

// The exact, case-insensitive search after item `start` (wrapping round; -1
// searches from the top); LB_ERR (-1) when nothing matches.
int FindListBoxTextExact(HWND list, int start, const std::string& text);

// Makes item `index` the selection (in a list box with several selections,
// selects it besides the others); -1 clears a single selection.
void SelectListBoxItem(HWND list, int index);

} // namespace sw
