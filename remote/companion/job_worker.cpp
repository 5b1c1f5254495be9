#include "remote/companion/job_worker.h"

#include "common/text_helpers.h"
#include "remote/companion/ipp_client.h"
#include "remote/site_address.h"

#include <memory>

namespace sw {
namespace {

constexpr DWORD kStopWaitMs = 2000;

std::string CurrentUserName() {
    char name[257] = {};
    DWORD size = sizeof(name);
    return GetUserNameA(name, &size) ? std::string(name) : std::string("spoolwright");
}

std::string BadSiteMessage(const std::string& site) {
    return "The site \"" + site + "\" is neither a host name nor an address; nothing is sent to it";
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

void JobWorker::ListPrinters(const std::vector<std::string>& sites) {
    Task task;
    task.listing = true;
    task.sites = sites;
    Add(std::move(task));
}

void JobWorker::Print(const RemoteJob& job) {
    Task task;
    task.job = job;
    Add(std::move(task));
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

WorkerResult* JobWorker::Do(const Task& task) {
    auto result = std::make_unique<WorkerResult>();
    result->listing = task.listing;
    if (task.listing) {
        for (const std::string& entry : task.sites) {
            const std::string site = TrimSpaces(entry);
            if (site.empty())
                continue;
            const std::optional<SiteAddress> address = ParseSiteAddress(site);
            if (!address) {
                result->messages.push_back(BadSiteMessage(site));
                continue;
            }
            const PrinterListing listing = ListSitePrinters(*address, userName_);
            if (!listing.problem.empty())
                result->messages.push_back("No printers of " + site + ": " + listing.problem);
            for (const std::string& printer : listing.printers) {
                // A name that would not split back into site and printer is left out.
                if (!printer.empty() && printer.find(':') == std::string::npos)
                    result->printers.push_back(RemotePrinterItem(site, printer));
            }
        }
        result->messages.push_back("Listed " + std::to_string(result->printers.size()) +
                                   " remote printers");
        return result.release();
    }

    const RemoteJob& job = task.job;
    const std::string target = RemotePrinterItem(job.site, job.printer);
    const std::optional<SiteAddress> address = ParseSiteAddress(job.site);
    if (!address) {
        result->messages.push_back(BadSiteMessage(job.site));
        return result.release();
    }
    for (int copy = 1; copy <= job.copies; ++copy) {
        const JobOutcome outcome = SendJobCopy(*address, job, userName_);
        if (!outcome.sent) {
            result->messages.push_back("Not printed on " + target + ": " + outcome.problem);
            break;
        }
        result->messages.push_back(
            "Printed " + job.file + " on " + target + " (job " + std::to_string(outcome.jobId) +
            ", copy " + std::to_string(copy) + " of " + std::to_string(job.copies) + ")");
    }
    return result.release();
}

} // namespace sw
