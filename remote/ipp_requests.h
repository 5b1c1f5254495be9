// The requests the companion sends: list a print server's printers
// (CUPS-Get-Printers), ask one printer for its name, state and document
// formats (Get-Printer-Attributes), ask whether it would take a job without
// sending the document (Validate-Job), print one document (Print-Job) and
// ask what became of it (Get-Job-Attributes). Texts are UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

struct PrintJobAttributes {
    std::string printerUri;
    std::string userName;
    std::string jobName;
    std::string documentFormat;
};

// The encoded Print-Job request; the document's bytes follow it in the body.
std::string PrintJobRequest(const PrintJobAttributes& job, std::uint32_t requestId);

// A Validate-Job request with the attributes of the Print-Job it precedes:
// a site that wants a sign-in says so before the document is uploaded.
std::string ValidateJobRequest(const PrintJobAttributes& job, std::uint32_t requestId);

// A Get-Job-Attributes request for the state, its reasons and message of
// job `jobId` of the printer at `printerUri`.
std::string GetJobAttributesRequest(std::string_view printerUri, std::int32_t jobId,
                                    std::string_view userName, std::uint32_t requestId);

// A CUPS-Get-Printers request that asks for the printers' names and states.
std::string GetPrintersRequest(std::string_view userName, std::uint32_t requestId);

// A Get-Printer-Attributes request for the name, state and the document
// formats of the printer at `printerUri`.
std::string GetPrinterAttributesRequest(std::string_view printerUri, std::string_view userName,
                                        std::uint32_t requestId);

} // namespace sw
