// Dial-up networking through the platform's remote access library, which is
// optional: every call goes through the library handle it is given and does
// nothing (returns 0) while that handle is 0. The program never loads the library, so as it
// ships no dial-up step runs; a build or test that sets the handle gets the
// real calls, each function looked up by name at every call.
#pragma once

#include <windows.h>

namespace sw {

// The platform's connection handle.
using DialUpConnection = HANDLE;

// The program's dial-up: the remote access library (0: dial-up is not
// available), and whether a web link dialed, so that the program hangs up
// at exit.
struct DialUpState {
    HMODULE library = nullptr;
    bool dialedForWeb = false;
};

// 1 when at least one dial-up connection is active, else 0.
int IsDialUpConnected(HMODULE library);

// Dials the first phonebook entry when there is one; its connection or 0.
DialUpConnection DialFirstEntry(HMODULE library);

// Dials phonebook entry n (counted from 1) with its stored parameters and
// waits for the connection; the connection, or 0 on any failure (a dial that
// failed half way is hung up).
DialUpConnection DialEntry(HMODULE library, int n);

// Hangs up and waits until the connection is gone.
void HangUpAndWait(HMODULE library, DialUpConnection connection);

// Hangs up every active connection whose entry name equals `name` ignoring
// letter case, or every one when `name` is empty: 0 when the last hang-up
// succeeded, 1001 when it failed, 1002 when there was no active connection.
DWORD HangUpConnections(HMODULE library, const char* name);

} // namespace sw
