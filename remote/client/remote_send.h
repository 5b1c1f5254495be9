// Sending one remote job to its site, whoever sends it: the companion on its
// site's queue, the service from its unattended pass. The job's printer is
// asked first for its state (and a printer site for the formats it takes),
// and asked to validate the job while the site's sign-in scheme is not known,
// so that a site that wants a sign-in asks before the document is uploaded;
// then each copy is sent as a Print-Job request, a busy printer asked again
// every second for a minute, and the sending ends at the first copy that was
// not taken. The jobs the site took are then followed until they have ended
// or the site's wait for them ran out (site_entry.h).
#pragma once

#include "remote/client/ipp_client.h"
#include "remote/remote_job.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace sw {

// A copy the site took, by the job id it answered.
struct TakenCopy {
    int copy = 0;
    int jobId = 0;
};

struct RemoteSendReport {
    std::vector<std::string> messages;         // one line per copy sent or the reason none was
    std::map<std::string, std::string> states; // "site:printer" -> the printer's state
    bool failed = false; // a copy was not sent or did not print (not for a sign-in)
    // 0 when every copy was taken (and, when followed, printed), else the
    // system error code: a job cancelled, aborted or not ended at the site
    // gives the codes of remote_failure_codes.h.
    std::int32_t code = 0;
    bool taken = false; // the site took at least one copy: sending again would print it twice
    std::vector<TakenCopy> toFollow; // the copies taken with a job id, when they are followed
    // The site asked for a sign-in (none was given, or it was not accepted):
    // what it said, and the job with the copies still to send.
    std::optional<OperationOutcome> signIn;
    RemoteJob rest;
};

// A line for the companion's window, as it happens.
using SendProgress = std::function<void(const std::string& line)>;

// Sends the job to its printer on the site of `context`; with `following`,
// the copies the site took are kept in the report's toFollow for
// FollowRemoteJob, and "Printed" waits for their end. `stopping` ends the
// waits for a busy printer. The lines go to `progress` as they come when it
// is given, else into the report's messages.
RemoteSendReport SendRemoteJob(SiteContext& context, const RemoteJob& job, bool following,
                               const std::function<bool()>& stopping,
                               const SendProgress& progress = SendProgress());

// Asks the site about the report's copies to follow until each has ended or
// `followSeconds` have passed (or `stopping`), and gives the report the code
// of the first that did not print (remote_failure_codes.h).
void FollowRemoteJob(SiteContext& context, const RemoteJob& job, std::uint32_t followSeconds,
                     const std::function<bool()>& stopping, const SendProgress& progress,
                     RemoteSendReport& report);

// The follow wait of `site` as its entry in "SWRemote.txt" in the Windows
// folder says, read now so that a change counts at once.
std::uint32_t SiteFollowSeconds(const std::string& site);

// What a site's operations start from: its address, the sign-in stored for it
// (its user names the requests, else `logonName`), and the answer wait of
// "Spoolwright.ini", read now so that a change counts at once.
SiteContext OpenSiteContext(const SiteAddress& address, const std::string& logonName);

// A "Not printed" line with the code the caller is told, unless the line
// names it already ("... (12029)").
std::string WithErrorCode(const std::string& line, std::int32_t code);

// The name of the account the program runs as; "spoolwright" when unknown.
std::string CurrentUserName();

} // namespace sw
