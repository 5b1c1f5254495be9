// Releases a handle when its scope ends, on every path: files, printers,
// device contexts, bitmaps. `Release` is a function object that releases a
// handle that is open.
#pragma once

#include <windows.h>

namespace sw {

template <typename Handle, typename Release> class HandleGuard {
  public:
    HandleGuard() = default;
    explicit HandleGuard(Handle handle) : handle_(handle) {}
    ~HandleGuard() {
        if (IsOpen())
            Release()(handle_);
    }
    HandleGuard(const HandleGuard&) = delete;
    HandleGuard& operator=(const HandleGuard&) = delete;

    // Neither 0 nor INVALID_HANDLE_VALUE: CreateFile reports a failure with
    // the one, most other calls with the other.
    bool IsOpen() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    Handle Get() const { return handle_; }
    // Where a call that opens the handle writes it (OpenPrinter).
    Handle* Receive() { return &handle_; }

  private:
    Handle handle_ = nullptr;
};

struct CloseKernelHandle {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};

// A file or other kernel object handle, closed with CloseHandle.
using FileHandle = HandleGuard<HANDLE, CloseKernelHandle>;

} // namespace sw
