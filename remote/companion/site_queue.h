// One thread per remote site: it runs that site's tasks (listing its
// printers, sending its jobs) one after the other in the order they came,
// so that a site that does not answer holds up only its own tasks.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>

namespace sw {

class SiteQueue {
  public:
    SiteQueue();
    ~SiteQueue(); // Finish(0) when Finish was not called
    SiteQueue(const SiteQueue&) = delete;
    SiteQueue& operator=(const SiteQueue&) = delete;

    bool Started() const { return thread_ != nullptr; }
    // No task under way and none waiting.
    bool Idle();
    // Queues the task; true when it waits behind another that is not done.
    bool Add(std::function<void()> task);
    // Drops the tasks that wait and lets the thread end after the one under way.
    void Stop();
    // Waits up to `waitMs` for the thread to end, and ends it when it does not.
    void Finish(DWORD waitMs);

  private:
    static DWORD WINAPI Run(LPVOID self);
    void Work();

    HANDLE thread_ = nullptr;
    HANDLE wake_ = nullptr;
    CRITICAL_SECTION lock_;
    std::deque<std::function<void()>> tasks_;
    bool running_ = false; // a task is under way
    bool stopping_ = false;
};

} // namespace sw
