// The requests the companion sends: list a print server's printers
// (CUPS-Get-Printers), ask one printer for its name, state and document
// formats (Get-Printer-Attributes), and print one document (Print-Job).
// Texts are UTF-8.
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

// A CUPS-Get-Printers request that asks for the printers' names and states.
std::string GetPrintersRequest(std::string_view userName, std::uint32_t requestId);

// A Get-Printer-Attributes request for the name, state and the document
// formats of the printer at `printerUri`.
std::string GetPrinterAttributesRequest(std::string_view printerUri, std::string_view userName,
                                        std::uint32_t requestId);

} // namespace sw
