// The companion's work on the network: each site's printers are listed and
// its jobs sent on that site's own queue (site_queue.h), in the order they
// were asked for, so that neither the window (and the main program writing
// into it) nor the other sites wait for a site that does not answer.
// Results come back to the window as posted messages.
#pragma once

#include "remote/client/ipp_client.h"
#include "remote/client/remote_send.h"
#include "remote/companion/site_queue.h"
#include "remote/job_outcome.h"
#include "remote/remote_job.h"

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
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
    std::size_t slot = 0;    // a listing's place in the list of sites
    unsigned generation = 0; // a listing's round of listing
    RemoteJob job;           // the job to send again, when not a listing
    int round = 0;           // how often the user was asked for this task
};

struct WorkerResult {
    bool listing = false;                      // true: the answer to a listing of one site
    std::size_t slot = 0;                      // the listed site's place in the list of sites
    unsigned generation = 0;                   // the round of listing it answers
    std::vector<std::string> printers;         // "site:printer" entries of a listing
    std::map<std::string, std::string> states; // entry -> its state, for the window
    std::vector<std::string> messages;         // lines for the companion's log
    std::vector<SignInRequest> signIns;
    bool failed = false; // a job was not sent: the window comes to the front
    // A job's end, for the main program that waits for it: not set while a
    // sign-in is asked for.
    std::optional<JobOutcomeNote> outcome;
};

// The end of `job` with `code`, as the main program is told it.
JobOutcomeNote JobEnd(const RemoteJob& job, std::uint32_t code);

// Takes over a result posted with kWorkerResultMessage.
WorkerResult* TakeWorkerResult(LPARAM lParam);

class JobWorker {
  public:
    explicit JobWorker(HWND window);
    ~JobWorker(); // waits briefly for the task under way, then lets it go
    JobWorker(const JobWorker&) = delete;
    JobWorker& operator=(const JobWorker&) = delete;

    // Lists the printers of the site, the `slot`th of the sites of listing
    // round `generation`; `round` counts the sign-ins asked for it so far.
    void ListSite(const std::string& site, std::size_t slot, unsigned generation, int round = 0);
    // Sends the job; `round` counts the sign-ins asked for it so far. True
    // when the job waits behind another task of its site.
    bool Print(const RemoteJob& job, int round = 0);

  private:
    struct Task {
        bool listing = false;
        std::string site; // a listing's site
        std::size_t slot = 0;
        unsigned generation = 0;
        RemoteJob job;
        int round = 0;
    };
    // Queues the task on its site's queue; true when it waits there.
    bool Add(const std::string& site, Task task);
    void Post(WorkerResult* result);
    WorkerResult* Do(const Task& task);
    void List(const Task& task, WorkerResult& result);
    void Send(const Task& task, WorkerResult& result);
    // Follows the copies the site took on a thread of the follows (one that
    // is idle, else a new one), and posts the job's end.
    void Follow(SiteContext context, const RemoteJob& job, std::uint32_t followSeconds,
                RemoteSendReport report);
    // Sends the job to a printer's port (an AppSocket site) or to a daemon's
    // queue (an LPD site).
    void SendToPort(const SiteAddress& address, const RemoteJob& job, WorkerResult& result);
    // A site's address with its stored sign-in and the scheme it named before.
    SiteContext OpenSite(const SiteAddress& address);
    void CloseSite(const SiteContext& context);
    bool Stopping();

    HWND window_;
    CRITICAL_SECTION lock_; // guards stopping_, schemes_ and follows_
    bool stopping_ = false;
    const std::string userName_;
    // The sign-in scheme each site named in its last 401, by credential
    // name: later requests send the sign-in at once.
    std::map<std::string, unsigned> schemes_;
    // Each site's queue, by its entry as written; the window's thread only.
    std::map<std::string, std::unique_ptr<SiteQueue>> queues_;
    // The threads that follow jobs the sites took, each one job at a time.
    std::vector<std::unique_ptr<SiteQueue>> follows_;
};

} // namespace sw
