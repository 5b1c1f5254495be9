#include "remote/client/ipp_client.h"

#include "common/long_path.h"
#include "remote/ipp_requests.h"
#include "remote/remote_failure_codes.h"

#include <windows.h>

#include <atomic>
#include <vector>

namespace sw {
namespace {

std::string SystemMessage(DWORD error) {
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                   text, sizeof(text), nullptr);
    std::string message(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.'))
        message.pop_back();
    return (message.empty() ? "error" : message) + " (" + std::to_string(error) + ")";
}

// server-error-busy: a printer that takes one job at a time answers it while
// it prints another.
constexpr std::uint16_t kServerBusy = 0x0507;

// Each site's queue asks from its own thread.
std::uint32_t NextRequestId() {
    static std::atomic<std::uint32_t> id{0};
    return ++id;
}

void TakeOutcome(const IppExchange& exchange, OperationOutcome& outcome) {
    outcome.problem = exchange.problem;
    outcome.code = exchange.code;
    outcome.needsSignIn = exchange.needsSignIn;
    outcome.signInRejected = exchange.signInRejected;
    outcome.busy = exchange.ippStatus == kServerBusy;
    outcome.ippStatus = exchange.ippStatus;
}

IppExchange Exchange(SiteContext& context, const std::string& resource,
                     const IppRequestBody& body) {
    return ExchangeIpp(context.address, resource, body, context.credential, context.scheme,
                       context.answerWaitSeconds);
}

// client-error-not-found: a job the site no longer keeps.
constexpr std::uint16_t kNotFound = 0x0406;

PrintJobAttributes JobAttributes(const SiteContext& context, const RemoteJob& job,
                                 const std::string& documentFormat) {
    PrintJobAttributes attributes;
    attributes.printerUri = PrinterUri(context.address, job.printer);
    attributes.userName = Utf8FromAnsi(context.userName);
    attributes.jobName = Utf8FromAnsi(JobDocumentName(job.file));
    attributes.documentFormat = documentFormat;
    return attributes;
}

// The file's last byte is a form feed: the job's length depends on it.
bool EndsWithFormFeed(HANDLE file, std::uint64_t size) {
    if (size == 0)
        return false;
    LARGE_INTEGER last = {};
    last.QuadPart = static_cast<LONGLONG>(size - 1);
    char byte = 0;
    DWORD read = 0;
    const bool ok = SetFilePointerEx(file, last, nullptr, FILE_BEGIN) &&
                    ReadFile(file, &byte, 1, &read, nullptr) && read == 1;
    return ok && byte == kFormFeed;
}

} // namespace

std::string Utf8FromAnsi(const std::string& text) {
    const std::wstring wide = WideFromAnsi(text);
    if (wide.empty())
        return std::string();
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &utf8[0],
                            length, nullptr, nullptr);
    return utf8;
}

std::string JobStart(const RemoteJob& job) {
    if (job.additions.orientation)
        return std::string(job.additions.StartSequence());
    char bytes[64] = {};
    DWORD read = 0;
    HANDLE file = CreateFileA(job.file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return std::string();
    if (!ReadFile(file, bytes, sizeof(bytes), &read, nullptr))
        read = 0;
    CloseHandle(file);
    return std::string(bytes, read);
}

PrinterListing ListSitePrinters(SiteContext& context) {
    PrinterListing listing;
    const std::string user = Utf8FromAnsi(context.userName);
    const bool onePrinter = NamesPrinter(context.address);
    const std::string request =
        onePrinter ? GetPrinterAttributesRequest(SiteUri(context.address), user, NextRequestId())
                   : GetPrintersRequest(user, NextRequestId());
    const IppExchange exchange =
        Exchange(context, onePrinter ? context.address.path : "/", BodyOf(request));
    TakeOutcome(exchange, listing);
    if (exchange.answer)
        listing.printers = PrinterStatuses(*exchange.answer);
    if (exchange.answer && onePrinter && listing.printers.empty()) {
        listing.problem = SiteUri(context.address) + " gave no printer-name";
        listing.code = kUnexpectedAnswerCode;
    }
    return listing;
}

PrinterListing AskPrinterState(SiteContext& context, const std::string& printer) {
    PrinterListing listing;
    const std::string request = GetPrinterAttributesRequest(
        PrinterUri(context.address, printer), Utf8FromAnsi(context.userName), NextRequestId());
    const IppExchange exchange =
        Exchange(context, PrinterResource(context.address, printer), BodyOf(request));
    TakeOutcome(exchange, listing);
    if (exchange.answer)
        listing.printers = PrinterStatuses(*exchange.answer);
    return listing;
}

OperationOutcome ValidateJob(SiteContext& context, const RemoteJob& job,
                             const std::string& documentFormat) {
    OperationOutcome outcome;
    const std::string request =
        ValidateJobRequest(JobAttributes(context, job, documentFormat), NextRequestId());
    TakeOutcome(Exchange(context, PrinterResource(context.address, job.printer), BodyOf(request)),
                outcome);
    return outcome;
}

JobQuestion AskJobState(SiteContext& context, const RemoteJob& job, int jobId) {
    JobQuestion question;
    const std::string request =
        GetJobAttributesRequest(PrinterUri(context.address, job.printer), jobId,
                                Utf8FromAnsi(context.userName), NextRequestId());
    const std::uint32_t wait = context.answerWaitSeconds < kJobQuestionAnswerSeconds
                                   ? context.answerWaitSeconds
                                   : kJobQuestionAnswerSeconds;
    const IppExchange exchange =
        ExchangeIpp(context.address, PrinterResource(context.address, job.printer), BodyOf(request),
                    context.credential, context.scheme, wait);
    TakeOutcome(exchange, question);
    question.unknownJob = exchange.ippStatus == kNotFound;
    if (exchange.answer)
        question.status = JobStatusOf(*exchange.answer);
    if (exchange.answer && !question.status) {
        question.problem = "the answer about job " + std::to_string(jobId) + " gave no job-state";
        question.code = kUnexpectedAnswerCode;
    }
    return question;
}

JobOutcome SendJobCopy(SiteContext& context, const RemoteJob& job,
                       const std::string& documentFormat) {
    JobOutcome outcome;
    // Through the wide call, so that a path longer than 259 characters opens too.
    HANDLE file = OpenForReading(job.file);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        outcome.code = static_cast<std::int32_t>(error);
        outcome.problem = "cannot open " + job.file + ": " + SystemMessage(error);
        return outcome;
    }
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);
    const auto fileLength = static_cast<std::uint64_t>(size.QuadPart);

    const std::string request =
        PrintJobRequest(JobAttributes(context, job, documentFormat), NextRequestId());

    IppRequestBody body;
    body.length = request.size() +
                  RawJobLength(job.additions, fileLength, EndsWithFormFeed(file, fileLength));
    std::string readProblem;
    // Each sending reads the file from its start.
    body.write = [&](const std::function<bool(std::string_view)>& write) {
        LARGE_INTEGER start = {};
        if (!SetFilePointerEx(file, start, nullptr, FILE_BEGIN) || !write(request))
            return false;
        const RawJobOutcome streamed = StreamRawJob(
            job.additions, fileLength,
            [&](char* buffer, std::size_t length) {
                DWORD read = 0;
                const bool ok =
                    ReadFile(file, buffer, static_cast<DWORD>(length), &read, nullptr) &&
                    read == length;
                if (!ok)
                    readProblem = "reading " + job.file + " failed";
                return ok;
            },
            [&](const char* bytes, std::size_t length) {
                return write(std::string_view(bytes, length));
            });
        return streamed == RawJobOutcome::Sent;
    };
    const IppExchange exchange =
        body.length > 0xFFFFFFFFull
            ? IppExchange{std::nullopt, job.file + " is larger than 4 GB", 0, kJobTooLargeCode}
            : Exchange(context, PrinterResource(context.address, job.printer), body);
    CloseHandle(file);
    TakeOutcome(exchange, outcome);
    if (!readProblem.empty()) {
        outcome.problem = readProblem;
        outcome.code = ERROR_READ_FAULT;
    }
    if (!exchange.answer || !readProblem.empty())
        return outcome;
    outcome.sent = true;
    outcome.jobId = IntegerValue(AttributeText(*exchange.answer, ipp::kJobGroup, "job-id"));
    return outcome;
}

} // namespace sw
