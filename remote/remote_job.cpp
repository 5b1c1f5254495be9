#include "remote/remote_job.h"

#include "common/text_helpers.h"
#include "remote/companion_protocol.h"
#include "remote/site_address.h"

#include <cstdint>

namespace sw {
namespace {

// A whole number with an optional sign, at most 9 digits.
std::optional<long> ParseWholeNumber(std::string_view text) {
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    long value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

RemoteJobCheck Refused(std::string problem) {
    RemoteJobCheck check;
    check.problem = std::move(problem);
    return check;
}

} // namespace

std::string_view DocumentFormatOf(RemotePrintMethod method) {
    switch (method) {
    case RemotePrintMethod::Bitmap:
        return "image/x-bitmap";
    case RemotePrintMethod::Document:
        return "application/octet-stream";
    case RemotePrintMethod::Bypass:
        break;
    }
    return "application/vnd.cups-raw";
}

std::uint64_t RawJobLength(const RawJobAdditions& additions, std::uint64_t fileLength,
                           bool endsWithFormFeed) {
    std::uint64_t length = fileLength;
    if (additions.orientation)
        length += additions.StartSequence().size() + additions.EndSequence().size();
    if (additions.autoFormFeed && !(fileLength > 0 && endsWithFormFeed))
        ++length;
    return length;
}

RemoteJobCheck CheckRemoteJob(const RemoteJobTexts& texts) {
    RemoteJob job;
    const std::optional<RemotePrinterName> name = SplitRemotePrinterItem(texts.printer);
    if (!name)
        return Refused("No remote printer is selected");
    job.site = name->site;
    job.printer = name->printer;

    job.file = texts.file;
    if (TrimSpaces(job.file).empty())
        return Refused("No file was given to print");

    const std::string copies = TrimSpaces(texts.copies);
    if (!copies.empty()) {
        const std::optional<long> count = ParseWholeNumber(copies);
        if (!count || *count < 0 || *count > kRemoteCopiesLimit)
            return Refused("The number of copies \"" + copies + "\" is not one from 1 to " +
                           std::to_string(kRemoteCopiesLimit));
        job.copies = *count == 0 ? 1 : static_cast<int>(*count);
    }

    const std::string formfeed = TrimSpaces(texts.autoFormfeed);
    if (!formfeed.empty()) {
        const std::optional<long> flag = ParseWholeNumber(formfeed);
        if (!flag)
            return Refused("The automatic form feed \"" + formfeed + "\" is neither -1 nor 0");
        job.additions.autoFormFeed = *flag != 0;
    }

    if (!texts.orientation.empty()) {
        const std::size_t first = texts.orientation.find('|');
        const std::size_t second =
            first == std::string::npos ? first : texts.orientation.find('|', first + 1);
        const std::optional<long> code =
            first == std::string::npos
                ? std::nullopt
                : ParseWholeNumber(TrimSpaces(texts.orientation.substr(0, first)));
        if (second == std::string::npos || !code)
            return Refused("The orientation \"" + texts.orientation +
                           "\" is not a code and two sequences");
        job.additions.orientation = *code != 0;
        job.additions.startSequence = texts.orientation.substr(first + 1, second - first - 1);
        job.additions.endSequence = texts.orientation.substr(second + 1);
    }

    std::string method = UpperCase(TrimSpaces(texts.printMethod));
    if (method.empty())
        method = PrintMethodText(texts.file);
    if (method == "BMP")
        job.method = RemotePrintMethod::Bitmap;
    else if (method == "DOC")
        job.method = RemotePrintMethod::Document;
    else if (method == "BYPASS")
        job.method = RemotePrintMethod::Bypass;
    else
        return Refused("The print method \"" + texts.printMethod + "\" is not BYPASS, BMP or DOC");
    if (job.method != RemotePrintMethod::Bypass)
        job.additions = RawJobAdditions();
    job.documentFormat = std::string(DocumentFormatOf(job.method));

    RemoteJobCheck check;
    check.job = std::move(job);
    return check;
}

} // namespace sw
