#include "unattended/background_flush.h"

namespace sw {

BackgroundFlush::~BackgroundFlush() {
    Wait();
    if (done_ != nullptr)
        CloseHandle(done_);
}

bool BackgroundFlush::Start(HANDLE file) {
    if (!Wait())
        return false;
    if (done_ == nullptr)
        done_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    file_ = file;
    error_ = 0;
    if (done_ != nullptr && ResetEvent(done_) && QueueUserWorkItem(Run, this, WT_EXECUTEDEFAULT)) {
        underWay_ = true;
        return true;
    }
    return FlushFileBuffers(file) != 0;
}

bool BackgroundFlush::Wait() {
    if (!underWay_)
        return true;
    WaitForSingleObject(done_, INFINITE);
    underWay_ = false;
    if (error_ == 0)
        return true;
    SetLastError(error_);
    return false;
}

DWORD WINAPI BackgroundFlush::Run(LPVOID self) {
    auto* flush = static_cast<BackgroundFlush*>(self);
    if (!FlushFileBuffers(flush->file_))
        flush->error_ = GetLastError() != 0 ? GetLastError() : ERROR_WRITE_FAULT;
    SetEvent(flush->done_);
    return 0;
}

} // namespace sw
