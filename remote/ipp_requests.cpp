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

// What the companion shows of a printer.
void AddStateAttributes(IppRequest& request) {
    request.Add(ipp::kKeyword, "requested-attributes", "printer-name")
        .AddValue(ipp::kKeyword, "printer-state")
        .AddValue(ipp::kKeyword, "printer-state-reasons")
        .AddValue(ipp::kKeyword, "printer-state-message");
}

std::string JobRequest(std::uint16_t operation, const PrintJobAttributes& job,
                       std::uint32_t requestId) {
    IppRequest request = WithOperationStart(operation, requestId);
    request.Add(ipp::kUri, "printer-uri", job.printerUri)
        .Add(ipp::kName, "requesting-user-name", job.userName)
        .Add(ipp::kName, "job-name", job.jobName)
        .Add(ipp::kMimeMediaType, "document-format", job.documentFormat);
    return request.Bytes();
}

} // namespace

std::string PrintJobRequest(const PrintJobAttributes& job, std::uint32_t requestId) {
    return JobRequest(ipp::kPrintJob, job, requestId);
}

std::string ValidateJobRequest(const PrintJobAttributes& job, std::uint32_t requestId) {
    return JobRequest(ipp::kValidateJob, job, requestId);
}

std::string GetJobAttributesRequest(std::string_view printerUri, std::int32_t jobId,
                                    std::string_view userName, std::uint32_t requestId) {
    IppRequest request = WithOperationStart(ipp::kGetJobAttributes, requestId);
    request.Add(ipp::kUri, "printer-uri", printerUri)
        .AddInteger(ipp::kInteger, "job-id", jobId)
        .Add(ipp::kName, "requesting-user-name", userName)
        .Add(ipp::kKeyword, "requested-attributes", "job-state")
        .AddValue(ipp::kKeyword, "job-state-reasons")
        .AddValue(ipp::kKeyword, "job-state-message");
    return request.Bytes();
}

std::string GetPrintersRequest(std::string_view userName, std::uint32_t requestId) {
    IppRequest request = WithOperationStart(ipp::kCupsGetPrinters, requestId);
    request.Add(ipp::kName, "requesting-user-name", userName);
    AddStateAttributes(request);
    return request.Bytes();
}

std::string GetPrinterAttributesRequest(std::string_view printerUri, std::string_view userName,
                                        std::uint32_t requestId) {
    IppRequest request = WithOperationStart(ipp::kGetPrinterAttributes, requestId);
    request.Add(ipp::kUri, "printer-uri", printerUri)
        .Add(ipp::kName, "requesting-user-name", userName);
    AddStateAttributes(request);
    request.AddValue(ipp::kKeyword, "document-format-supported");
    return request.Bytes();
}

} // namespace sw
