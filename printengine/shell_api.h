// The shell call behind CreateShortcut's wait, reached through a table so
// that a test can stand in for a shell that makes no shortcut (Wine's always
// makes it at once). It defaults to the real API.
#pragma once

#include <windows.h>

namespace sw {

struct ShellApi {
    void(WINAPI* addToRecentDocs)(UINT flags, LPCVOID path);
};

ShellApi& Shell();

} // namespace sw
