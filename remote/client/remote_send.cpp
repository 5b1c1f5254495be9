#include "remote/client/remote_send.h"

#include "common/path_helpers.h"
#include "remote/job_follow.h"
#include "remote/printer_status.h"
#include "remote/remote_failure_codes.h"
#include "remote/remote_sites_file.h"
#include "remote/remote_sites_line.h"
#include "remote/request_waits.h"
#include "remote/sign_in_rules.h"
#include "remote/site_address.h"
#include "remote/site_entry.h"
#include "settings/setting_names.h"

#include <windows.h>

#include <algorithm>

namespace sw {
namespace {

// A busy printer is asked again every second for a minute.
constexpr int kBusyRetries = 60;
constexpr DWORD kBusyRetryMs = 1000;
// A wait between two questions about a job looks this often for a stop.
constexpr DWORD kStopCheckMs = 250;

// The entry of the answer wait in "Spoolwright.ini" in the Windows folder.
std::string AnswerWaitEntry() {
    char folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(folder, sizeof(folder));
    if (length == 0 || length >= sizeof(folder))
        return std::string();
    const std::string file =
        AddTrailingBackslash(std::string(folder, length)) + std::string(kSettingsFileName);
    char entry[16] = {};
    GetPrivateProfileStringA(std::string(kRemoteSitesSection).c_str(),
                             std::string(kAnswerWaitKey).c_str(), "", entry, sizeof(entry),
                             file.c_str());
    return entry;
}

void AskSignIn(RemoteSendReport& report, const OperationOutcome& outcome, const RemoteJob& rest) {
    report.signIn = outcome;
    report.rest = rest;
    report.code = outcome.code != 0 ? outcome.code : kNoSignInStoredCode;
}

} // namespace

std::string WithErrorCode(const std::string& line, std::int32_t code) {
    const bool named = line.find("(" + std::to_string(code) + ")") != std::string::npos;
    return named ? line : line + " (error " + std::to_string(code) + ")";
}

std::string CurrentUserName() {
    char name[257] = {};
    DWORD size = sizeof(name);
    return GetUserNameA(name, &size) ? std::string(name) : std::string("spoolwright");
}

SiteContext OpenSiteContext(const SiteAddress& address, const std::string& logonName) {
    SiteContext context;
    context.address = address;
    context.credential = ReadSiteCredential(CredentialTarget(address));
    context.userName = context.credential && !context.credential->user.empty()
                           ? AnsiFromWide(context.credential->user)
                           : logonName;
    context.answerWaitSeconds = AnswerWaitSeconds(AnswerWaitEntry());
    return context;
}

namespace {

// A copy the site took, while it is followed.
struct FollowedCopy {
    int copy = 0;
    int jobId = 0;
    int state = 0;        // the last state the site gave; 0: none yet
    std::string shown;    // that state as the last line showed it
    std::string problem;  // the last question that failed, shown once
    bool unknown = false; // the site no longer knows the job
    bool done = false;    // ended, or no longer known
};

class Sending {
  public:
    Sending(SiteContext& context, const RemoteJob& job, const SendProgress& progress,
            RemoteSendReport& report)
        : context_(context), job_(job), progress_(progress), report_(report),
          target_(RemotePrinterItem(job.site, job.printer)) {}

    void Say(const std::string& line) {
        if (progress_)
            progress_(line);
        else
            report_.messages.push_back(line);
    }

    void Fail(const std::string& problem, std::int32_t code) {
        report_.failed = true;
        report_.code = code != 0 ? code : kUnexpectedAnswerCode;
        Say(WithErrorCode("Not printed on " + target_ + ": " + problem, report_.code));
    }

    // The printer's state and, for a printer site, the format the job goes
    // in; false when the job ends here.
    bool AskPrinter(std::string& format) {
        const bool onePrinter = NamesPrinter(context_.address);
        const PrinterListing listing =
            onePrinter ? ListSitePrinters(context_) : AskPrinterState(context_, job_.printer);
        if (listing.needsSignIn) {
            AskSignIn(report_, listing, job_);
            return false;
        }
        // A print server that refuses the question (other than for a queue
        // it does not have) may still take the job.
        const bool refusedQuestion =
            listing.ippStatus != 0 && listing.code != kNoSuchRemotePrinterCode;
        if (listing.printers.empty()) {
            if (onePrinter || (!listing.problem.empty() && !refusedQuestion)) {
                Fail(listing.problem, listing.code);
                return false;
            }
            return true;
        }
        const PrinterStatus& printer = listing.printers.front();
        report_.states[target_] = DescribePrinterState(printer);
        if (PrinterStateDelaysJobs(printer))
            Say(target_ + " is " + report_.states[target_] +
                "; the job is sent all the same and waits there");
        if (!onePrinter)
            return true;
        const std::optional<std::string> chosen =
            ChooseDocumentFormat(job_.method, printer.formats, SniffDocumentFormat(JobStart(job_)));
        if (!chosen) {
            Fail("the printer takes none of the formats this job can be sent in; it takes " +
                     FormatList(printer.formats),
                 kJobRefusedCode);
            return false;
        }
        format = *chosen;
        return true;
    }

    // While the site's sign-in scheme is not known, the job is validated
    // without its document: a 401 comes before the upload. False when the
    // job ends here; a site that does not validate jobs is sent it anyway.
    bool Validate(const std::string& format) {
        if (context_.scheme != 0)
            return true;
        const OperationOutcome outcome = ValidateJob(context_, job_, format);
        if (outcome.needsSignIn) {
            AskSignIn(report_, outcome, job_);
            return false;
        }
        if (!outcome.problem.empty() && outcome.ippStatus == 0) {
            Fail(outcome.problem, outcome.code);
            return false;
        }
        return true;
    }

    // Sends every copy; the copies to follow go to the report. False when one was not.
    bool SendCopies(const std::string& format, bool following,
                    const std::function<bool()>& stopping) {
        for (int copy = 1; copy <= job_.copies; ++copy) {
            JobOutcome outcome = SendJobCopy(context_, job_, format);
            for (int wait = 0; outcome.busy && wait < kBusyRetries && !stopping(); ++wait) {
                Sleep(kBusyRetryMs);
                outcome = SendJobCopy(context_, job_, format);
            }
            if (outcome.needsSignIn) {
                RemoteJob rest = job_;
                rest.copies = job_.copies - copy + 1;
                AskSignIn(report_, outcome, rest);
                return false;
            }
            if (!outcome.sent) {
                Fail(outcome.problem, outcome.code);
                return false;
            }
            report_.taken = true;
            std::string line = std::string(following ? "Sent " : "Printed ") + job_.file +
                               (following ? " to " : " on ") + target_ + " (job " +
                               std::to_string(outcome.jobId) + ", copy " + std::to_string(copy) +
                               " of " + std::to_string(job_.copies) + ", " + format + ")";
            if (report_.states.count(target_) != 0)
                line += "; the printer is " + report_.states[target_];
            Say(line);
            if (following && outcome.jobId > 0)
                report_.toFollow.push_back(TakenCopy{copy, outcome.jobId});
            else if (following)
                Say(target_ + " gave no job id for copy " + std::to_string(copy) +
                    "; what becomes of it is not known");
        }
        return true;
    }

    // Asks about every copy not yet ended until all have, or the wait ran out.
    void Follow(std::vector<FollowedCopy>& copies, std::uint32_t followSeconds,
                const std::function<bool()>& stopping) {
        // Differences of the tick count are right across its wrap.
        const DWORD start = GetTickCount();
        const std::uint64_t waitMs = std::uint64_t{followSeconds} * 1000;
        for (;;) {
            for (FollowedCopy& copy : copies) {
                if (!copy.done)
                    Ask(copy);
            }
            const bool allDone = std::all_of(copies.begin(), copies.end(),
                                             [](const FollowedCopy& copy) { return copy.done; });
            const std::uint64_t elapsed = GetTickCount() - start;
            if (allDone || elapsed >= waitMs || stopping())
                break;
            // In short steps, so that a stop is not kept waiting.
            for (DWORD left = NextQuestionDelayMs(elapsed, waitMs - elapsed);
                 left > 0 && !stopping();) {
                const DWORD step = left < kStopCheckMs ? left : kStopCheckMs;
                Sleep(step);
                left -= step;
            }
        }
        for (const FollowedCopy& copy : copies)
            End(copy, followSeconds);
    }

  private:
    std::string JobName(const FollowedCopy& copy) const {
        return "job " + std::to_string(copy.jobId) + " (copy " + std::to_string(copy.copy) +
               " of " + std::to_string(job_.copies) + ")";
    }

    void Ask(FollowedCopy& copy) {
        const JobQuestion question = AskJobState(context_, job_, copy.jobId);
        if (question.unknownJob) {
            copy.unknown = copy.done = true;
            Say(target_ + " no longer knows " + JobName(copy) +
                "; it is taken as printed, as the site took it");
            return;
        }
        if (!question.status) {
            if (question.problem != copy.problem)
                Say("Cannot ask " + target_ + " about " + JobName(copy) + ": " +
                    WithErrorCode(question.problem, question.code) + "; asking again");
            copy.problem = question.problem;
            return;
        }
        copy.problem.clear();
        copy.state = question.status->state;
        copy.done = HasJobEnded(copy.state);
        const std::string shown = DescribeJobState(*question.status);
        if (shown != copy.shown)
            Say("Job " + std::to_string(copy.jobId) + " on " + target_ + ": " + shown);
        copy.shown = shown;
    }

    void End(const FollowedCopy& copy, std::uint32_t followSeconds) {
        const std::int32_t code = copy.unknown ? 0 : CodeOfJobState(copy.state);
        if (code == 0) {
            if (!copy.unknown)
                Say("Printed " + job_.file + " on " + target_ + " (" + JobName(copy) +
                    " completed)");
            return;
        }
        std::string what;
        if (copy.state == kJobCancelled)
            what = JobName(copy) + " was cancelled at the site";
        else if (copy.state == kJobAborted)
            what = JobName(copy) + " was aborted at the site";
        else
            what =
                JobName(copy) + " has not printed within the wait of " +
                std::to_string(followSeconds) + " s; it is " +
                (copy.shown.empty() ? std::string("in a state the site did not say") : copy.shown);
        Say(WithErrorCode("Not printed on " + target_ + ": " + what, code));
        if (!report_.failed) {
            report_.failed = true;
            report_.code = code;
        }
    }

    SiteContext& context_;
    const RemoteJob& job_;
    const SendProgress& progress_;
    RemoteSendReport& report_;
    const std::string target_;
};

} // namespace

std::uint32_t SiteFollowSeconds(const std::string& site) {
    char folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(folder, sizeof(folder));
    if (length == 0 || length >= sizeof(folder))
        return kDefaultFollowSeconds;
    const std::optional<std::vector<std::string>> sites = ReadSitesFile(
        AddTrailingBackslash(std::string(folder, length)) + std::string(kRemoteSitesFileName));
    return sites ? FollowSecondsOfSite(*sites, site) : kDefaultFollowSeconds;
}

RemoteSendReport SendRemoteJob(SiteContext& context, const RemoteJob& job, bool following,
                               const std::function<bool()>& stopping,
                               const SendProgress& progress) {
    RemoteSendReport report;
    Sending sending(context, job, progress, report);
    std::string format = job.documentFormat;
    if (!sending.AskPrinter(format) || !sending.Validate(format))
        return report;
    sending.SendCopies(format, following, stopping);
    if (report.failed)
        report.toFollow.clear(); // the job ends with the copy that failed
    return report;
}

void FollowRemoteJob(SiteContext& context, const RemoteJob& job, std::uint32_t followSeconds,
                     const std::function<bool()>& stopping, const SendProgress& progress,
                     RemoteSendReport& report) {
    std::vector<FollowedCopy> copies;
    for (const TakenCopy& taken : report.toFollow)
        copies.push_back(FollowedCopy{taken.copy, taken.jobId, 0, {}, {}, false, false});
    report.toFollow.clear();
    if (copies.empty())
        return;
    Sending sending(context, job, progress, report);
    sending.Follow(copies, followSeconds, stopping);
}

} // namespace sw
