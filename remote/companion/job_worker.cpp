#include "remote/companion/job_worker.h"

#include "common/text_helpers.h"
#include "remote/companion/ipp_client.h"
#include "remote/printer_status.h"
#include "remote/sign_in_rules.h"
#include "remote/site_address.h"

#include <memory>

namespace sw {
namespace {

constexpr DWORD kStopWaitMs = 2000;
// A busy printer is asked again every second for a minute.
constexpr int kBusyRetries = 60;
constexpr DWORD kBusyRetryMs = 1000;

std::string CurrentUserName() {
    char name[257] = {};
    DWORD size = sizeof(name);
    return GetUserNameA(name, &size) ? std::string(name) : std::string("spoolwright");
}

std::string BadSiteMessage(const std::string& site) {
    return "The site \"" + site +
           "\" is neither a host name, an address nor an ipp:// or ipps:// address; nothing is "
           "sent to it";
}

} // namespace

WorkerResult* TakeWorkerResult(LPARAM lParam) {
    return reinterpret_cast<WorkerResult*>(lParam);
}

JobWorker::JobWorker(HWND window) : window_(window), userName_(CurrentUserName()) {
    InitializeCriticalSection(&lock_);
    wake_ = CreateEventA(nullptr, FALSE, FALSE, nullptr);
    if (wake_ != nullptr)
        thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
}

JobWorker::~JobWorker() {
    EnterCriticalSection(&lock_);
    stopping_ = true;
    tasks_.clear();
    LeaveCriticalSection(&lock_);
    if (thread_ != nullptr) {
        SetEvent(wake_);
        // A task waiting on the network ends within its time limits; the
        // process ends with it if it does not.
        if (WaitForSingleObject(thread_, kStopWaitMs) != WAIT_OBJECT_0)
            TerminateThread(thread_, 0);
        CloseHandle(thread_);
    }
    if (wake_ != nullptr)
        CloseHandle(wake_);
    DeleteCriticalSection(&lock_);
}

void JobWorker::ListPrinters(const std::vector<std::string>& sites, bool append) {
    Task task;
    task.listing = true;
    task.append = append;
    task.sites = sites;
    Add(std::move(task));
}

void JobWorker::Print(const RemoteJob& job, int round) {
    Task task;
    task.job = job;
    task.round = round;
    Add(std::move(task));
}

bool JobWorker::Stopping() {
    EnterCriticalSection(&lock_);
    const bool stopping = stopping_;
    LeaveCriticalSection(&lock_);
    return stopping;
}

void JobWorker::Add(Task task) {
    EnterCriticalSection(&lock_);
    tasks_.push_back(std::move(task));
    LeaveCriticalSection(&lock_);
    SetEvent(wake_);
}

DWORD WINAPI JobWorker::Run(LPVOID self) {
    static_cast<JobWorker*>(self)->Work();
    return 0;
}

void JobWorker::Work() {
    for (;;) {
        WaitForSingleObject(wake_, INFINITE);
        for (;;) {
            EnterCriticalSection(&lock_);
            if (stopping_) {
                LeaveCriticalSection(&lock_);
                return;
            }
            if (tasks_.empty()) {
                LeaveCriticalSection(&lock_);
                break;
            }
            Task task = std::move(tasks_.front());
            tasks_.erase(tasks_.begin());
            LeaveCriticalSection(&lock_);

            std::unique_ptr<WorkerResult> result(Do(task));
            if (PostMessageA(window_, kWorkerResultMessage, 0,
                             reinterpret_cast<LPARAM>(result.get())))
                result.release();
        }
    }
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
    SiteContext context;
    context.address = address;
    const std::string target = CredentialTarget(address);
    context.credential = ReadSiteCredential(target);
    context.userName = context.credential && !context.credential->user.empty()
                           ? AnsiFromWide(context.credential->user)
                           : userName_;
    const auto known = schemes_.find(target);
    if (known != schemes_.end())
        context.scheme = known->second;
    return context;
}

void JobWorker::CloseSite(const SiteContext& context) {
    if (context.scheme != 0)
        schemes_[CredentialTarget(context.address)] = context.scheme;
}

void JobWorker::List(const Task& task, WorkerResult& result) {
    for (const std::string& entry : task.sites) {
        const std::string site = TrimSpaces(entry);
        if (site.empty())
            continue;
        const std::optional<SiteAddress> address = ParseSiteAddress(site);
        if (!address) {
            result.messages.push_back(BadSiteMessage(site));
            continue;
        }
        SiteContext context = OpenSite(*address);
        const PrinterListing listing = ListSitePrinters(context);
        CloseSite(context);
        if (listing.needsSignIn) {
            SignInRequest request = AskSignIn(site, context, listing.problem, task.round);
            request.listing = true;
            result.signIns.push_back(request);
            continue;
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
    result.messages.push_back("Listed " + std::to_string(result.printers.size()) +
                              (task.append ? " more" : "") + " remote printers");
}

void JobWorker::Send(const Task& task, WorkerResult& result) {
    const RemoteJob& job = task.job;
    const std::string target = RemotePrinterItem(job.site, job.printer);
    const std::optional<SiteAddress> address = ParseSiteAddress(job.site);
    if (!address) {
        result.messages.push_back(BadSiteMessage(job.site));
        result.failed = true;
        return;
    }
    SiteContext context = OpenSite(*address);
    auto askSignIn = [&](const OperationOutcome& outcome, const RemoteJob& again) {
        SignInRequest request = AskSignIn(job.site, context, outcome.problem, task.round);
        request.job = again;
        result.signIns.push_back(request);
    };

    // A printer site says which formats it takes and how it is.
    std::string format = job.documentFormat;
    if (NamesPrinter(*address)) {
        const PrinterListing listing = ListSitePrinters(context);
        if (listing.needsSignIn) {
            CloseSite(context);
            askSignIn(listing, job);
            return;
        }
        if (listing.printers.empty()) {
            CloseSite(context);
            result.messages.push_back("Not printed on " + target + ": " + listing.problem);
            result.failed = true;
            return;
        }
        const PrinterStatus& printer = listing.printers.front();
        result.states[target] = DescribePrinterState(printer);
        const std::optional<std::string> chosen =
            ChooseDocumentFormat(job.method, printer.formats, SniffDocumentFormat(JobStart(job)));
        if (!chosen) {
            CloseSite(context);
            result.messages.push_back("Not printed on " + target +
                                      ": the printer takes none of the formats this job can be "
                                      "sent in; it takes " +
                                      FormatList(printer.formats));
            result.failed = true;
            return;
        }
        format = *chosen;
    }

    for (int copy = 1; copy <= job.copies; ++copy) {
        JobOutcome outcome = SendJobCopy(context, job, format);
        for (int wait = 0; outcome.busy && wait < kBusyRetries && !Stopping(); ++wait) {
            Sleep(kBusyRetryMs);
            outcome = SendJobCopy(context, job, format);
        }
        if (outcome.needsSignIn) {
            RemoteJob rest = job;
            rest.copies = job.copies - copy + 1;
            askSignIn(outcome, rest);
            break;
        }
        if (!outcome.sent) {
            result.messages.push_back("Not printed on " + target + ": " + outcome.problem);
            result.failed = true;
            break;
        }
        std::string line = "Printed " + job.file + " on " + target + " (job " +
                           std::to_string(outcome.jobId) + ", copy " + std::to_string(copy) +
                           " of " + std::to_string(job.copies) + ", " + format + ")";
        if (result.states.count(target) != 0)
            line += "; the printer is " + result.states[target];
        result.messages.push_back(line);
    }
    CloseSite(context);
}

WorkerResult* JobWorker::Do(const Task& task) {
    auto result = std::make_unique<WorkerResult>();
    result->listing = task.listing;
    result->appendListing = task.append;
    if (task.listing)
        List(task, *result);
    else
        Send(task, *result);
    return result.release();
}

} // namespace sw
