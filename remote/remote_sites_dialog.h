// The "Remote sites" dialog: the entries of "SWRemote.txt" in a combo box,
// where the user types a new one and adds it or deletes the selected one.
// Every change is saved at once; the close box closes it.
#pragma once

#include <windows.h>

namespace sw {

void ShowRemoteSitesDialog(HWND owner);

} // namespace sw
