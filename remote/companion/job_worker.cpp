#include "remote/companion/job_worker.h"

#include "common/text_helpers.h"
#include "remote/client/ipp_client.h"
#include "remote/client/lpd_printer.h"
#include "remote/client/remote_send.h"
#include "remote/client/socket_printer.h"
#include "remote/printer_status.h"
#include "remote/remote_failure_codes.h"
#include "remote/sign_in_rules.h"
#include "remote/site_address.h"

#include <memory>

namespace sw {
namespace {

constexpr DWORD kStopWaitMs = 2000;

std::string BadSiteMessage(const std::string& site) {
    return "The site \"" + site +
           "\" is neither a host name, an address nor an ipp://, ipps://, socket:// or lpd:// "
           "address (with options such as wait=120 or wait=accepted after a blank); nothing is "
           "sent to it";
}

} // namespace

JobOutcomeNote JobEnd(const RemoteJob& job, std::uint32_t code) {
    return JobOutcomeNote{code, RemotePrinterItem(job.site, job.printer), job.file};
}

WorkerResult* TakeWorkerResult(LPARAM lParam) {
    return reinterpret_cast<WorkerResult*>(lParam);
}

JobWorker::JobWorker(HWND window) : window_(window), userName_(CurrentUserName()) {
    InitializeCriticalSection(&lock_);
}

JobWorker::~JobWorker() {
    EnterCriticalSection(&lock_);
    stopping_ = true;
    LeaveCriticalSection(&lock_);
    std::vector<SiteQueue*> all;
    for (auto& queue : queues_)
        all.push_back(queue.second.get());
    for (auto& queue : follows_) // none is added once stopping_ is set
        all.push_back(queue.get());
    for (SiteQueue* queue : all)
        queue->Stop();
    // All the sites and follows share the one wait.
    const DWORD start = GetTickCount();
    for (SiteQueue* queue : all) {
        const DWORD spent = GetTickCount() - start;
        queue->Finish(spent < kStopWaitMs ? kStopWaitMs - spent : 0);
    }
    queues_.clear();
    follows_.clear();
    DeleteCriticalSection(&lock_);
}

void JobWorker::ListSite(const std::string& site, std::size_t slot, unsigned generation,
                         int round) {
    Task task;
    task.listing = true;
    task.site = site;
    task.slot = slot;
    task.generation = generation;
    task.round = round;
    Add(site, std::move(task));
}

bool JobWorker::Print(const RemoteJob& job, int round) {
    Task task;
    task.job = job;
    task.round = round;
    return Add(job.site, std::move(task));
}

bool JobWorker::Stopping() {
    EnterCriticalSection(&lock_);
    const bool stopping = stopping_;
    LeaveCriticalSection(&lock_);
    return stopping;
}

bool JobWorker::Add(const std::string& site, Task task) {
    std::unique_ptr<SiteQueue>& queue = queues_[site];
    if (!queue)
        queue = std::make_unique<SiteQueue>();
    if (!queue->Started()) {
        queues_.erase(site);
        auto result = std::make_unique<WorkerResult>();
        result->listing = task.listing;
        result->slot = task.slot;
        result->generation = task.generation;
        result->messages.push_back("Cannot start the thread that works for " + site +
                                   "; nothing is sent to it");
        result->failed = !task.listing;
        if (!task.listing)
            result->outcome = JobEnd(task.job, kOutcomeNoThread);
        Post(result.release());
        return false;
    }
    return queue->Add([this, task] { Post(Do(task)); });
}

void JobWorker::Post(WorkerResult* result) {
    std::unique_ptr<WorkerResult> owned(result);
    if (PostMessageA(window_, kWorkerResultMessage, 0, reinterpret_cast<LPARAM>(owned.get())))
        owned.release();
}

namespace {

// A printer site's name as listed: a ':' would split the entry elsewhere.
std::string ListedName(const std::string& name) {
    std::string listed = name;
    for (char& c : listed) {
        if (c == ':')
            c = ' ';
    }
    return listed;
}

SignInRequest AskSignIn(const std::string& site, const SiteContext& context,
                        const std::string& problem, int round) {
    SignInRequest request;
    request.site = site;
    request.target = CredentialTarget(context.address);
    // The site is named beside the reason already.
    const std::string where = SiteOrigin(context.address) + ": ";
    request.reason =
        problem.compare(0, where.size(), where) == 0 ? problem.substr(where.size()) : problem;
    if (context.credential)
        request.user = AnsiFromWide(context.credential->user);
    request.round = round;
    return request;
}

} // namespace

SiteContext JobWorker::OpenSite(const SiteAddress& address) {
    SiteContext context = OpenSiteContext(address, userName_);
    EnterCriticalSection(&lock_);
    const auto known = schemes_.find(CredentialTarget(address));
    if (known != schemes_.end())
        context.scheme = known->second;
    LeaveCriticalSection(&lock_);
    return context;
}

void JobWorker::CloseSite(const SiteContext& context) {
    if (context.scheme == 0)
        return;
    EnterCriticalSection(&lock_);
    schemes_[CredentialTarget(context.address)] = context.scheme;
    LeaveCriticalSection(&lock_);
}

void JobWorker::List(const Task& task, WorkerResult& result) {
    const std::string site = TrimSpaces(task.site);
    if (site.empty())
        return;
    const std::optional<SiteAddress> address = ParseSiteAddress(site);
    if (!address) {
        result.messages.push_back(BadSiteMessage(site));
        return;
    }
    if (address->appSocket) {
        // A printer's port answers nothing before a job: it is listed unasked.
        const std::string item = RemotePrinterItem(site, kAppSocketPrinter);
        result.printers.push_back(item);
        result.states[item] = "not known (a printer's port says nothing before a job)";
        return;
    }
    if (IsLpdSite(*address)) {
        // Nor is a daemon's queue asked: it is listed under its name.
        const std::string item = RemotePrinterItem(site, address->lpdQueue);
        result.printers.push_back(item);
        result.states[item] = "not known (a daemon's queue is not asked before a job)";
        return;
    }
    SiteContext context = OpenSite(*address);
    const PrinterListing listing = ListSitePrinters(context);
    CloseSite(context);
    if (listing.needsSignIn) {
        SignInRequest request = AskSignIn(site, context, listing.problem, task.round);
        request.listing = true;
        request.slot = task.slot;
        request.generation = task.generation;
        result.signIns.push_back(request);
        return;
    }
    if (!listing.problem.empty())
        result.messages.push_back("No printers of " + site + ": " + listing.problem);
    for (const PrinterStatus& printer : listing.printers) {
        const bool onePrinter = NamesPrinter(*address);
        // A print server's queue whose name would not split back into
        // site and printer is left out; a printer site's name is only shown.
        if (!onePrinter && printer.name.find(':') != std::string::npos)
            continue;
        const std::string item =
            RemotePrinterItem(site, onePrinter ? ListedName(printer.name) : printer.name);
        result.printers.push_back(item);
        result.states[item] = DescribePrinterState(printer);
        if (onePrinter)
            result.messages.push_back(item + " is " + result.states[item]);
    }
}

void JobWorker::Send(const Task& task, WorkerResult& result) {
    const RemoteJob& job = task.job;
    const std::optional<SiteAddress> address = ParseSiteAddress(job.site);
    if (!address) {
        result.messages.push_back(BadSiteMessage(job.site));
        result.failed = true;
        result.outcome = JobEnd(job, kOutcomeBadSite);
        return;
    }
    if (address->appSocket || IsLpdSite(*address)) {
        SendToPort(*address, job, result);
        return;
    }
    SiteContext context = OpenSite(*address);
    // Each line is shown as it comes: a job followed to its end takes a while.
    const SendProgress progress = [this](const std::string& line) {
        auto shown = std::make_unique<WorkerResult>();
        shown->messages.push_back(line);
        Post(shown.release());
    };
    const std::uint32_t followSeconds = SiteFollowSeconds(job.site);
    RemoteSendReport report = SendRemoteJob(
        context, job, followSeconds > 0, [this] { return Stopping(); }, progress);
    CloseSite(context);
    for (const auto& state : report.states)
        result.states[state.first] = state.second;
    result.failed = report.failed;
    if (report.signIn) {
        SignInRequest request = AskSignIn(job.site, context, report.signIn->problem, task.round);
        request.job = report.rest;
        result.signIns.push_back(request);
        return; // answered once the sign-in is given or refused
    }
    if (!report.toFollow.empty()) {
        // Followed off the site's queue: the site's other jobs do not wait
        // for this one to print.
        Follow(context, job, followSeconds, std::move(report));
        return;
    }
    result.outcome = JobEnd(job, report.failed ? static_cast<std::uint32_t>(report.code) : 0);
}

void JobWorker::Follow(SiteContext context, const RemoteJob& job, std::uint32_t followSeconds,
                       RemoteSendReport report) {
    auto follow = [this, context, job, followSeconds, report]() mutable {
        const SendProgress progress = [this](const std::string& line) {
            auto shown = std::make_unique<WorkerResult>();
            shown->messages.push_back(line);
            Post(shown.release());
        };
        FollowRemoteJob(
            context, job, followSeconds, [this] { return Stopping(); }, progress, report);
        auto end = std::make_unique<WorkerResult>();
        end->failed = report.failed;
        end->outcome = JobEnd(job, report.failed ? static_cast<std::uint32_t>(report.code) : 0);
        Post(end.release());
    };
    EnterCriticalSection(&lock_);
    SiteQueue* queue = nullptr;
    if (!stopping_) {
        for (const std::unique_ptr<SiteQueue>& idle : follows_) {
            if (idle->Idle())
                queue = idle.get();
        }
        if (queue == nullptr) {
            auto added = std::make_unique<SiteQueue>();
            if (added->Started()) {
                queue = added.get();
                follows_.push_back(std::move(added));
            }
        }
        if (queue != nullptr)
            queue->Add(follow);
    }
    const bool stopping = stopping_;
    LeaveCriticalSection(&lock_);
    // Without a thread of its own the job is followed here.
    if (queue == nullptr && !stopping)
        follow();
}

void JobWorker::SendToPort(const SiteAddress& address, const RemoteJob& job, WorkerResult& result) {
    const std::string target = RemotePrinterItem(job.site, job.printer);
    // The answer wait of "Spoolwright.ini" bounds the printer's closing and
    // a daemon's acknowledgements too.
    const std::uint32_t answerWait = OpenSiteContext(address, userName_).answerWaitSeconds;
    const bool lpd = IsLpdSite(address);
    const JobOutcome outcome = lpd ? SendLpdJob(address, job, userName_, answerWait)
                                   : SendAppSocketJob(address, job, answerWait);
    if (!outcome.sent) {
        const std::uint32_t code =
            static_cast<std::uint32_t>(outcome.code != 0 ? outcome.code : kJobRefusedCode);
        result.messages.push_back(WithErrorCode("Not printed on " + target + ": " + outcome.problem,
                                                static_cast<std::int32_t>(code)));
        result.failed = true;
        result.outcome = JobEnd(job, code);
        return;
    }
    result.messages.push_back("Printed " + job.file + " on " + target + " (" +
                              std::to_string(job.copies) + (job.copies == 1 ? " copy" : " copies") +
                              (lpd ? "; the daemon acknowledged the whole job)"
                                   : "; the printer closed the connection in order)"));
    result.outcome = JobEnd(job, 0);
}

WorkerResult* JobWorker::Do(const Task& task) {
    auto result = std::make_unique<WorkerResult>();
    result->listing = task.listing;
    result->slot = task.slot;
    result->generation = task.generation;
    if (task.listing)
        List(task, *result);
    else
        Send(task, *result);
    return result.release();
}

} // namespace sw
