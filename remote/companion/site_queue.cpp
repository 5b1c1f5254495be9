#include "remote/companion/site_queue.h"

namespace sw {

SiteQueue::SiteQueue() {
    InitializeCriticalSection(&lock_);
    wake_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (wake_ != nullptr)
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

SiteQueue::~SiteQueue() {
    Stop();
    Finish(0);
    if (wake_ != nullptr)
        CloseHandle(wake_);
    DeleteCriticalSection(&lock_);
}

bool SiteQueue::Add(std::function<void()> task) {
    EnterCriticalSection(&lock_);
    const bool waits = running_ || !tasks_.empty();
    tasks_.push_back(std::move(task));
    LeaveCriticalSection(&lock_);
    SetEvent(wake_);
    return waits;
}

bool SiteQueue::Idle() {
    EnterCriticalSection(&lock_);
    const bool idle = !running_ && tasks_.empty();
    LeaveCriticalSection(&lock_);
    return idle;
}

void SiteQueue::Stop() {
    EnterCriticalSection(&lock_);
    stopping_ = true;
    tasks_.clear();
    LeaveCriticalSection(&lock_);
    if (wake_ != nullptr)
        SetEvent(wake_);
}

void SiteQueue::Finish(DWORD waitMs) {
    if (thread_ == nullptr)
        return;
    // A task waiting on the network ends within its time limits; the
    // process ends with it if it does not.
    if (WaitForSingleObject(thread_, waitMs) != WAIT_OBJECT_0)
        TerminateThread(thread_, 0);
    CloseHandle(thread_);
    thread_ = nullptr;
}

DWORD WINAPI SiteQueue::Run(LPVOID self) {
    static_cast<SiteQueue*>(self)->Work();
    return 0;
}

void SiteQueue::Work() {
    for (;;) {
        WaitForSingleObject(wake_, INFINITE);
        for (;;) {
            EnterCriticalSection(&lock_);
            running_ = false;
            if (stopping_) {
                LeaveCriticalSection(&lock_);
                return;
            }
            if (tasks_.empty()) {
                LeaveCriticalSection(&lock_);
                break;
            }
            std::function<void()> task = std::move(tasks_.front());
            tasks_.pop_front();
            running_ = true;
            LeaveCriticalSection(&lock_);
            task();
        }
    }
}

} // namespace sw
