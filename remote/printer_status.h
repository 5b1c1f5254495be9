// What a print server or an IPP printer says about its printers: name, state
// and the document formats it takes, read from an IPP response; the state as
// the companion shows it; and the document format a job is sent in. Portable,
// so that the rules are unit-tested on the host.
#pragma once

#include "remote/ipp_message.h"
#include "remote/remote_job.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

// printer-state values.
inline constexpr int kPrinterIdle = 3;
inline constexpr int kPrinterProcessing = 4;
inline constexpr int kPrinterStopped = 5;

struct PrinterStatus {
    std::string name;
    int state = 0; // 0: not said
    std::vector<std::string> reasons;
    std::string message;
    std::vector<std::string> formats; // document-format-supported
};

// One entry per printer group of the response, in order; groups without a
// printer-name are left out.
std::vector<PrinterStatus> PrinterStatuses(const IppResponse& response);

// "idle", "processing" or "stopped" (or "in an unknown state"), then the
// reasons other than "none" in brackets and the printer's message:
// "stopped (media-empty-error, paused): Out of paper".
std::string DescribePrinterState(const PrinterStatus& status);

// What printer language a job's first bytes are in: "application/vnd.hp-pcl"
// for an escape sequence (PCL, or PJL before it), "application/postscript"
// for "%!", "application/pdf" for "%PDF", "text/plain" for text (printable
// bytes, blanks, tabs, line ends and form feeds), empty when unknown.
std::string SniffDocumentFormat(std::string_view firstBytes);

// The document format to send a job of this method in, from those the
// printer lists:
// - bypass (printer language): "application/vnd.cups-raw" (a print server's
//   queue passes it on unchanged), else the language the job's bytes are in
//   (`sniffed`), so that the printer need not guess, else
//   "application/octet-stream" (the printer detects the language itself);
// - bitmap: "image/x-bitmap", "image/bmp", then "application/octet-stream";
// - document: "application/octet-stream".
// A printer that lists no formats gets the method's usual format; one whose
// list holds none of these gets nothing: the job is refused before it is sent.
std::optional<std::string> ChooseDocumentFormat(RemotePrintMethod method,
                                                const std::vector<std::string>& supported,
                                                std::string_view sniffed = std::string_view());

// The formats joined by ", " for a message.
std::string FormatList(const std::vector<std::string>& formats);

} // namespace sw
