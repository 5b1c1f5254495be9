// The companion's conversations with a print server: one HTTP POST of an IPP
// request per connection, over a TCP socket with time limits, so that a site
// that does not answer costs seconds, never a hang.
#pragma once

#include "remote/ipp_message.h"
#include "remote/remote_job.h"
#include "remote/site_address.h"

#include <string>
#include <vector>

namespace sw {

struct PrinterListing {
    std::vector<std::string> printers;
    std::string problem; // empty when the site answered
};

// The printers of the print server at `site` (CUPS-Get-Printers).
PrinterListing ListSitePrinters(const SiteAddress& site, const std::string& userName);

struct JobOutcome {
    bool sent = false;
    int jobId = 0;
    std::string problem;
};

// Sends one copy of the job: the file's bytes, with the job's additions
// around them, to the job's printer as a Print-Job request.
JobOutcome SendJobCopy(const SiteAddress& site, const RemoteJob& job, const std::string& userName);

// ANSI text (the program's code page) as UTF-8, the character set of IPP.
std::string Utf8FromAnsi(const std::string& text);

} // namespace sw
