// The companion's one worker thread: it lists the sites' printers and sends
// print jobs in the order they were asked for, so that the window (and the
// main program writing into it) never waits for the network. Results come
// back to the window as posted messages.
#pragma once

#include "remote/companion/ipp_client.h"
#include "remote/remote_job.h"

#include <windows.h>

#include <map>
#include <string>
#include <vector>

namespace sw {

// Posted to the window with a heap-allocated result in lParam, which the
// window takes over (TakeWorkerResult).
inline constexpr UINT kWorkerResultMessage = WM_APP + 1;

// A site asked for a user name and password: the window asks the user, keeps
// the answer in the credential store and hands the task back.
struct SignInRequest {
    std::string site;   // the site's entry
    std::string target; // the name of its credential
    std::string reason; // why the user is asked
    std::string user;   // the user name tried last, to start from
    bool listing = false;
    RemoteJob job; // the job to send again, when not a listing
    int round = 0; // how often the user was asked for this task
};

struct WorkerResult {
    bool listing = false;                      // true: the answer to a listing
    bool appendListing = false;                // a listing of one more site: keeps the others
    std::vector<std::string> printers;         // "site:printer" entries of a listing
    std::map<std::string, std::string> states; // entry -> its state, for the window
    std::vector<std::string> messages;         // lines for the companion's log
    std::vector<SignInRequest> signIns;
    bool failed = false; // a job was not sent: the window comes to the front
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
    // Lists the sites' printers; `append` keeps the printers listed before.
    void ListPrinters(const std::vector<std::string>& sites, bool append = false);
    // Sends the job; `round` counts the sign-ins asked for it so far.
    void Print(const RemoteJob& job, int round = 0);

  private:
    struct Task {
        bool listing = false;
        bool append = false;
        std::vector<std::string> sites;
        RemoteJob job;
        int round = 0;
    };
    static DWORD WINAPI Run(LPVOID self);
    void Add(Task task);
    void Work();
    WorkerResult* Do(const Task& task);
    void List(const Task& task, WorkerResult& result);
    void Send(const Task& task, WorkerResult& result);
    // A site's address with its stored sign-in and the scheme it named before.
    SiteContext OpenSite(const SiteAddress& address);
    void CloseSite(const SiteContext& context);
    bool Stopping();

    HWND window_;
    HANDLE thread_ = nullptr;
    HANDLE wake_ = nullptr;
    CRITICAL_SECTION lock_;
    std::vector<Task> tasks_;
    bool stopping_ = false;
    std::string userName_;
    // The sign-in scheme each site named in its last 401, by credential
    // name: later requests send the sign-in at once. Worker thread only.
    std::map<std::string, unsigned> schemes_;
};

} // namespace sw
