#include "service/remote_site_print.h"

#include "printroute/remote_print.h"
#include "remote/client/lpd_printer.h"
#include "remote/client/remote_send.h"
#include "remote/client/socket_printer.h"
#include "remote/remote_job.h"
#include "remote/remote_sites.h"
#include "remote/remote_sites_file.h"
#include "remote/sign_in_rules.h"
#include "remote/site_address.h"
#include "unattended/event_log_line.h"
#include "unattended/local_clock.h"
#include "unattended/unattended_run.h"

#include <windows.h>

#include <atomic>
#include <map>
#include <mutex>

namespace sw {
namespace {

std::atomic<bool>& WaitsStopped() {
    static std::atomic<bool> stopped{false};
    return stopped;
}

// The sign-in scheme each site named in its last 401, by credential name, so
// that later jobs send the sign-in with their first request.
struct KnownSchemes {
    std::mutex guard;
    std::map<std::string, unsigned> schemes;
};

KnownSchemes& Schemes() {
    static KnownSchemes known;
    return known;
}

// Only the sites of "SWRemote.txt" are printed to, as the companion lists
// only their printers.
bool IsListedSite(const std::string& printer) {
    const std::optional<std::vector<std::string>> sites = ReadSitesFile(RemoteSitesFile());
    return sites && IsPrinterOfListedSite(printer, UsableSites(*sites));
}

} // namespace

std::int32_t PrintOnRemoteSite(const PrintRequest& request, const PrintContext& context) {
    if (!IsListedSite(request.printer))
        return ERROR_INVALID_PRINTER_NAME;
    const RemotePrintTexts settings = RemotePrintSettings(request.printer, request.file, context);
    RemoteJobTexts texts;
    texts.printer = request.printer;
    texts.file = request.file;
    texts.copies = settings.copies;
    texts.autoFormfeed = settings.autoFormfeed;
    texts.orientation = settings.orientation;
    texts.printMethod = settings.printMethod;
    const RemoteJobCheck check = CheckRemoteJob(texts);
    if (!check.job)
        return ERROR_INVALID_PARAMETER;
    const std::optional<SiteAddress> address = ParseSiteAddress(check.job->site);
    if (!address)
        return ERROR_INVALID_PRINTER_NAME;

    SiteContext site = OpenSiteContext(*address, CurrentUserName());
    // A printer's port takes the bytes over one connection, as from the companion.
    if (address->appSocket) {
        const JobOutcome outcome = SendAppSocketJob(*address, *check.job, site.answerWaitSeconds);
        return outcome.sent ? 0 : (outcome.code != 0 ? outcome.code : ERROR_NOT_SUPPORTED);
    }
    // A daemon's queue takes the job as from the companion, sent as the account that prints.
    if (IsLpdSite(*address)) {
        const JobOutcome outcome =
            SendLpdJob(*address, *check.job, CurrentUserName(), site.answerWaitSeconds);
        return outcome.sent ? 0 : (outcome.code != 0 ? outcome.code : ERROR_NOT_SUPPORTED);
    }
    const std::string target = CredentialTarget(*address);
    KnownSchemes& known = Schemes();
    {
        const std::lock_guard<std::mutex> lock(known.guard);
        const auto found = known.schemes.find(target);
        if (found != known.schemes.end())
            site.scheme = found->second;
    }
    // The service prints one file after the other: it waits for the job's end here.
    const std::uint32_t followSeconds = SiteFollowSeconds(check.job->site);
    const auto stopping = [] { return WaitsStopped().load(); };
    RemoteSendReport report = SendRemoteJob(site, *check.job, followSeconds > 0, stopping);
    FollowRemoteJob(site, *check.job, followSeconds, stopping, SendProgress(), report);
    if (site.scheme != 0) {
        const std::lock_guard<std::mutex> lock(known.guard);
        known.schemes[target] = site.scheme;
    }
    // A job the site took is not sent again, whatever became of it there:
    // a held job would print twice once the printer is back. Its end is
    // logged with its code, and the file counts as handed on.
    if (report.taken && report.code != 0) {
        AppendEventLog(SingleLogLine(SentNotPrintedLine(
            CurrentLocalTime(), std::string(), request.file, request.printer, report.code)));
        return 0;
    }
    return report.code;
}

void StopRemoteWaits() {
    WaitsStopped() = true;
}

} // namespace sw
