#include "remote/ipp_requests.h"

#include "remote/ipp_message.h"

namespace sw {
namespace {

IppRequest WithOperationStart(std::uint16_t operation, std::uint32_t requestId) {
    IppRequest request(operation, requestId);
    request.Group(ipp::kOperationGroup)
        .Add(ipp::kCharset, "attributes-charset", "utf-8")
        .Add(ipp::kNaturalLanguage, "attributes-natural-language", "en");
    return request;
}

} // namespace

std::string PrintJobRequest(const PrintJobAttributes& job, std::uint32_t requestId) {
    IppRequest request = WithOperationStart(ipp::kPrintJob, requestId);
    request.Add(ipp::kUri, "printer-uri", job.printerUri)
        .Add(ipp::kName, "requesting-user-name", job.userName)
        .Add(ipp::kName, "job-name", job.jobName)
        .Add(ipp::kMimeMediaType, "document-format", job.documentFormat);
    return request.Bytes();
}

std::string GetPrintersRequest(std::string_view userName, std::uint32_t requestId) {
    IppRequest request = WithOperationStart(ipp::kCupsGetPrinters, requestId);
    request.Add(ipp::kName, "requesting-user-name", userName)
        .Add(ipp::kKeyword, "requested-attributes", "printer-name");
    return request.Bytes();
}

} // namespace sw
