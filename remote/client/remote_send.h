// Sending one remote job to its site, whoever sends it: the companion on its
// site's queue, the service from its unattended pass. A printer site is
// asked first for the formats it takes and its state; then each copy is sent
// as a Print-Job request, a busy printer asked again every second for a
// minute, and the sending ends at the first copy that was not taken.
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

struct RemoteSendReport {
    std::vector<std::string> messages;         // one line per copy sent or the reason none was
    std::map<std::string, std::string> states; // "site:printer" -> the printer's state
    bool failed = false;                       // a copy was not sent (not for a sign-in)
    std::int32_t code = 0; // 0 when every copy was taken, else the system error code
    // The site asked for a sign-in (none was given, or it was not accepted):
    // what it said, and the job with the copies still to send.
    std::optional<OperationOutcome> signIn;
    RemoteJob rest;
};

// Sends the job to its printer on the site of `context`; `stopping` ends the
// waits for a busy printer.
RemoteSendReport SendRemoteJob(SiteContext& context, const RemoteJob& job,
                               const std::function<bool()>& stopping);

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
