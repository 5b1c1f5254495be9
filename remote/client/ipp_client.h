// The companion's IPP operations on a site: list a print server's printers,
// ask one printer for its state and formats, ask whether it would take a
// job, send one copy of a job, and ask what became of it.
#pragma once

#include "remote/client/ipp_exchange.h"
#include "remote/client/site_credentials.h"
#include "remote/job_follow.h"
#include "remote/printer_status.h"
#include "remote/remote_job.h"
#include "remote/request_waits.h"
#include "remote/site_address.h"

#include <cstdint>
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
    std::string problem;         // empty when it worked
    std::int32_t code = 0;       // the system error code of the problem (remote_failure_codes.h)
    std::uint16_t ippStatus = 0; // the IPP status of a refusal; 0 when there was no answer
    bool busy = false;           // the printer is busy with another job: try again shortly
    bool needsSignIn = false;
    bool signInRejected = false;
};

struct PrinterListing : OperationOutcome {
    std::vector<PrinterStatus> printers;
};

// The printers of the site: every queue of a print server (CUPS-Get-Printers),
// or the one printer a printer site names (Get-Printer-Attributes).
PrinterListing ListSitePrinters(SiteContext& context);

// The state and formats of the job's printer (Get-Printer-Attributes at its
// resource), a print server's queue as well as a printer site.
PrinterListing AskPrinterState(SiteContext& context, const std::string& printer);

// Validate-Job for the job in `documentFormat`: the document is not sent, so
// that a site that asks for a sign-in asks before the upload; once it is
// given, the scheme it named is kept in `context` for the Print-Job.
OperationOutcome ValidateJob(SiteContext& context, const RemoteJob& job,
                             const std::string& documentFormat);

struct JobQuestion : OperationOutcome {
    std::optional<JobStatus> status; // what the site said of the job
    bool unknownJob = false;         // the site no longer knows the job
};

// Get-Job-Attributes for job `jobId` of the job's printer, waiting at most
// kJobQuestionAnswerSeconds for the answer.
JobQuestion AskJobState(SiteContext& context, const RemoteJob& job, int jobId);

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
