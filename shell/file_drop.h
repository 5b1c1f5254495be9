// Files dropped on the main window: they are selected, not printed.
#pragma once

#include <windows.h>

#include <shellapi.h>

namespace sw {

// Selects the last dropped path that is not a folder and shows it in the
// status bar; a drop of folders only keeps the selection there was.
void OnDropFiles(HDROP drop);

} // namespace sw
