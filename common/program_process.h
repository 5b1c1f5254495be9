// Starting another program and waiting for it: the one place that creates a
// process, so that its handles are closed on every path.
#pragma once

#include "common/handle_guard.h"

#include <windows.h>

#include <string>

namespace sw {

// Waits for the process to end, at most `limitMs`, while the caller's windows
// keep painting (its messages are dispatched). False when it did not end.
bool WaitForProcessEnd(HANDLE process, unsigned long limitMs);

// A program started from a command line, with the window show state given to
// its first window. Its process handle is closed when this goes out of scope.
class ProgramProcess {
  public:
    // Starts `commandLine` as it is. `application`, when not empty, is the
    // file to run, so that a path with spaces at the start of the command
    // line cannot start another program; `folder`, when not empty, is the
    // program's working folder.
    ProgramProcess(const std::string& commandLine, int showState,
                   const std::string& application = "", const std::string& folder = "");

    bool Started() const { return process_.IsOpen(); }
    // The system error code of a start that failed (never 0 then); 0 after a start.
    DWORD Error() const { return error_; }
    HANDLE Handle() const { return process_.Get(); }
    DWORD Id() const { return id_; }

    // False once it has ended, and when its handle cannot be waited on, so
    // that a loop on it always ends.
    bool IsRunning() const { return WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT; }
    // WaitForProcessEnd on this process.
    bool WaitForEnd(unsigned long limitMs) const {
        return WaitForProcessEnd(process_.Get(), limitMs);
    }
    // Blocks the calling thread until the process has ended: a modal step.
    void WaitUntilEnded() const { WaitForSingleObject(process_.Get(), INFINITE); }

  private:
    FileHandle process_;
    DWORD id_ = 0;
    DWORD error_ = ERROR_SUCCESS;
};

} // namespace sw
