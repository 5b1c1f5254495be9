#include "remote/client/remote_send.h"

#include "common/path_helpers.h"
#include "remote/printer_status.h"
#include "remote/remote_failure_codes.h"
#include "remote/request_waits.h"
#include "remote/sign_in_rules.h"
#include "remote/site_address.h"
#include "settings/setting_names.h"

#include <windows.h>

namespace sw {
namespace {

// A busy printer is asked again every second for a minute.
constexpr int kBusyRetries = 60;
constexpr DWORD kBusyRetryMs = 1000;

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

void Fail(RemoteSendReport& report, const std::string& message, std::int32_t code) {
    report.failed = true;
    report.code = code != 0 ? code : kUnexpectedAnswerCode;
    report.messages.push_back(WithErrorCode(message, report.code));
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

RemoteSendReport SendRemoteJob(SiteContext& context, const RemoteJob& job,
                               const std::function<bool()>& stopping) {
    RemoteSendReport report;
    const std::string target = RemotePrinterItem(job.site, job.printer);

    // A printer site says which formats it takes and how it is.
    std::string format = job.documentFormat;
    if (NamesPrinter(context.address)) {
        const PrinterListing listing = ListSitePrinters(context);
        if (listing.needsSignIn) {
            AskSignIn(report, listing, job);
            return report;
        }
        if (listing.printers.empty()) {
            Fail(report, "Not printed on " + target + ": " + listing.problem, listing.code);
            return report;
        }
        const PrinterStatus& printer = listing.printers.front();
        report.states[target] = DescribePrinterState(printer);
        const std::optional<std::string> chosen =
            ChooseDocumentFormat(job.method, printer.formats, SniffDocumentFormat(JobStart(job)));
        if (!chosen) {
            Fail(report,
                 "Not printed on " + target +
                     ": the printer takes none of the formats this job can be sent in; it takes " +
                     FormatList(printer.formats),
                 kJobRefusedCode);
            return report;
        }
        format = *chosen;
    }

    for (int copy = 1; copy <= job.copies; ++copy) {
        JobOutcome outcome = SendJobCopy(context, job, format);
        for (int wait = 0; outcome.busy && wait < kBusyRetries && !stopping(); ++wait) {
            Sleep(kBusyRetryMs);
            outcome = SendJobCopy(context, job, format);
        }
        if (outcome.needsSignIn) {
            RemoteJob rest = job;
            rest.copies = job.copies - copy + 1;
            AskSignIn(report, outcome, rest);
            break;
        }
        if (!outcome.sent) {
            Fail(report, "Not printed on " + target + ": " + outcome.problem, outcome.code);
            break;
        }
        std::string line = "Printed " + job.file + " on " + target + " (job " +
                           std::to_string(outcome.jobId) + ", copy " + std::to_string(copy) +
                           " of " + std::to_string(job.copies) + ", " + format + ")";
        if (report.states.count(target) != 0)
            line += "; the printer is " + report.states[target];
        report.messages.push_back(line);
    }
    return report;
}

} // namespace sw
