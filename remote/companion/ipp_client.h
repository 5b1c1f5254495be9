// The companion's IPP operations on a site: list a print server's printers,
// ask one printer for its state and formats, send one copy of a job.
#pragma once

#include "remote/companion/ipp_exchange.h"
#include "remote/companion/site_credentials.h"
#include "remote/printer_status.h"
#include "remote/remote_job.h"
#include "remote/request_waits.h"
#include "remote/site_address.h"

#include <optional>
#include <string>
#include <vector>

namespace sw {

// What the operations on one site share: where it is, who asks, and the
// sign-in kept for it.
struct SiteContext {
    SiteAddress address;
    std::string userName; // requesting-user-name: the sign-in's user, else the logon name
    std::optional<SiteCredential> credential;
    unsigned scheme = 0; // the sign-in scheme, once a 401 has named it
    std::uint32_t answerWaitSeconds = kDefaultAnswerWaitSeconds; // see request_waits.h
};

struct OperationOutcome {
    std::string problem; // empty when it worked
    bool busy = false;   // the printer is busy with another job: try again shortly
    bool needsSignIn = false;
    bool signInRejected = false;
    std::uint32_t error = 0; // the failure's code (remote/job_outcome.h); 0 when it worked
};

struct PrinterListing : OperationOutcome {
    std::vector<PrinterStatus> printers;
};

// The printers of the site: every queue of a print server (CUPS-Get-Printers),
// or the one printer a printer site names (Get-Printer-Attributes).
PrinterListing ListSitePrinters(SiteContext& context);

struct JobOutcome : OperationOutcome {
    bool sent = false;
    int jobId = 0;
};

// Sends one copy of the job, in `documentFormat`: the file's bytes, with the
// job's additions around them, to the job's printer as a Print-Job request.
JobOutcome SendJobCopy(SiteContext& context, const RemoteJob& job,
                       const std::string& documentFormat);

// The first bytes the job's body holds after the request: its start sequence,
// or the file's first bytes; what its printer language is told by.
std::string JobStart(const RemoteJob& job);

// ANSI text (the program's code page) as UTF-8, the character set of IPP.
std::string Utf8FromAnsi(const std::string& text);

} // namespace sw
