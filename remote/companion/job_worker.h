// The companion's one worker thread: it lists the sites' printers and sends
// print jobs in the order they were asked for, so that the window (and the
// main program writing into it) never waits for the network. Results come
// back to the window as posted messages.
#pragma once

#include "remote/remote_job.h"

#include <windows.h>

#include <string>
#include <vector>

namespace sw {

// Posted to the window with a heap-allocated result in lParam, which the
// window takes over (TakeWorkerResult).
inline constexpr UINT kWorkerResultMessage = WM_APP + 1;

struct WorkerResult {
    bool listing = false;              // true: the answer to a listing
    std::vector<std::string> printers; // "site:printer" entries of a listing
    std::vector<std::string> messages; // lines for the companion's log
};

// Takes over a result posted with kWorkerResultMessage.
WorkerResult* TakeWorkerResult(LPARAM lParam);

class JobWorker {
  public:
    explicit JobWorker(HWND window);
    ~JobWorker(); // waits briefly for the task under way, then lets it go
    JobWorker(const JobWorker&) = delete;
    JobWorker& operator=(const JobWorker&) = delete;

    bool Started() const { return thread_ != nullptr; }
    void ListPrinters(const std::vector<std::string>& sites);
    void Print(const RemoteJob& job);

  private:
    struct Task {
        bool listing = false;
        std::vector<std::string> sites;
        RemoteJob job;
    };
    static DWORD WINAPI Run(LPVOID self);
    void Add(Task task);
    void Work();
    WorkerResult* Do(const Task& task);

    HWND window_;
    HANDLE thread_ = nullptr;
    HANDLE wake_ = nullptr;
    CRITICAL_SECTION lock_;
    std::vector<Task> tasks_;
    bool stopping_ = false;
    std::string userName_;
};

} // namespace sw
