// A file's buffers put onto the disk by a thread of the system's pool, so
// that the caller goes on meanwhile: a disk's flush can take longer than the
// work that follows it. One flush at a time; a new one waits for the one
// under way. A caller that writes to the file meanwhile opens it for
// overlapped I/O: a handle opened for synchronous I/O takes one call at a
// time, and a write would wait for the flush.
#pragma once

#include <windows.h>

namespace sw {

class BackgroundFlush {
  public:
    BackgroundFlush() = default;
    ~BackgroundFlush();
    BackgroundFlush(const BackgroundFlush&) = delete;
    BackgroundFlush& operator=(const BackgroundFlush&) = delete;

    // Waits for the flush under way, then starts flushing `file`, which must
    // stay open until Wait. False, with the system's code as the last error,
    // when the flush before failed (none is started then), or when no thread
    // could take it and the flush made at once failed.
    bool Start(HANDLE file);
    // Waits for the flush under way: false, with the system's code as the
    // last error, when it failed. True when none is under way.
    bool Wait();

  private:
    static DWORD WINAPI Run(LPVOID self);

    HANDLE file_ = INVALID_HANDLE_VALUE;
    HANDLE done_ = nullptr;
    bool underWay_ = false;
    DWORD error_ = 0; // of the last flush, set by the pool's thread before done_
};

} // namespace sw
