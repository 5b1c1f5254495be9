#include "remote/printer_status.h"

#include <algorithm>
#include <cstddef>

namespace sw {
namespace {

bool Contains(const std::vector<std::string>& list, const std::string& item) {
    return std::find(list.begin(), list.end(), item) != list.end();
}

std::string LowerCase(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

} // namespace

std::vector<PrinterStatus> PrinterStatuses(const IppResponse& response) {
    std::vector<PrinterStatus> printers;
    std::size_t currentGroup = 0;
    PrinterStatus current;
    auto flush = [&] {
        if (!current.name.empty())
            printers.push_back(current);
        current = PrinterStatus();
    };
    for (const IppAttribute& attribute : response.attributes) {
        if (attribute.group != ipp::kPrinterGroup)
            continue;
        if (attribute.groupNumber != currentGroup) {
            flush();
            currentGroup = attribute.groupNumber;
        }
        if (attribute.name == "printer-name")
            current.name = attribute.values.front();
        else if (attribute.name == "printer-state")
            current.state = IntegerValue(attribute.values.front());
        else if (attribute.name == "printer-state-reasons")
            current.reasons = attribute.values;
        else if (attribute.name == "printer-state-message")
            current.message = attribute.values.front();
        else if (attribute.name == "document-format-supported")
            current.formats = attribute.values;
    }
    flush();
    return printers;
}

std::string DescribePrinterState(const PrinterStatus& status) {
    std::string text;
    switch (status.state) {
    case kPrinterIdle:
        text = "idle";
        break;
    case kPrinterProcessing:
        text = "processing";
        break;
    case kPrinterStopped:
        text = "stopped";
        break;
    default:
        text = "in an unknown state";
        break;
    }
    std::vector<std::string> reasons;
    for (const std::string& reason : status.reasons) {
        if (!reason.empty() && reason != "none")
            reasons.push_back(reason);
    }
    if (!reasons.empty())
        text += " (" + Joined(reasons) + ")";
    // A message that only repeats the state ("Idle.") says nothing more.
    std::string message = status.message;
    while (!message.empty() && (message.back() == '.' || message.back() == ' '))
        message.pop_back();
    if (!message.empty() && LowerCase(message) != LowerCase(text.substr(0, text.find(' '))))
        text += ": " + status.message;
    return text;
}

std::string SniffDocumentFormat(std::string_view firstBytes) {
    if (firstBytes.empty())
        return std::string();
    if (firstBytes.front() == '\x1B')
        return "application/vnd.hp-pcl";
    if (firstBytes.substr(0, 4) == "%PDF")
        return "application/pdf";
    if (firstBytes.substr(0, 2) == "%!")
        return "application/postscript";
    for (char c : firstBytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 && c != '\t' && c != '\r' && c != '\n' && c != '\f')
            return std::string();
    }
    return "text/plain";
}

std::optional<std::string> ChooseDocumentFormat(RemotePrintMethod method,
                                                const std::vector<std::string>& supported,
                                                std::string_view sniffed) {
    if (supported.empty())
        return std::string(DocumentFormatOf(method));
    std::vector<std::string> preferred;
    switch (method) {
    case RemotePrintMethod::Bypass:
        preferred = {"application/vnd.cups-raw"};
        if (!sniffed.empty())
            preferred.emplace_back(sniffed);
        preferred.emplace_back("application/octet-stream");
        break;
    case RemotePrintMethod::Bitmap:
        preferred = {"image/x-bitmap", "image/bmp", "application/octet-stream"};
        break;
    case RemotePrintMethod::Document:
        preferred = {"application/octet-stream"};
        break;
    }
    for (const std::string& format : preferred) {
        if (Contains(supported, format))
            return format;
    }
    return std::nullopt;
}

std::string FormatList(const std::vector<std::string>& formats) {
    return Joined(formats);
}

} // namespace sw
