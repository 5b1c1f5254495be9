// The two requests the companion sends to a print server: list its printers
// (CUPS-Get-Printers) and print one document (Print-Job). Texts are UTF-8.
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

// A CUPS-Get-Printers request that asks for the printers' names only.
std::string GetPrintersRequest(std::string_view userName, std::uint32_t requestId);

} // namespace sw
