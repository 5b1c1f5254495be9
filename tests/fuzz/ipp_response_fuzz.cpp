// Feeds arbitrary bytes to what the companion reads from a print server or
// an IPP printer: the IPP decoding of an answer and the printers' states
// taken from it. Nothing may crash, and a decoded message's attributes all
// belong to a group.
#include "fuzz_check.h"
#include "remote/ipp_message.h"
#include "remote/printer_status.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input = swfuzz::Text(data, size);
    const auto message = sw::DecodeIpp(input);
    if (!message)
        return 0;
    for (const sw::IppAttribute& attribute : message->attributes) {
        swfuzz::CrashIf(attribute.group == 0 || attribute.groupNumber == 0 ||
                        attribute.values.empty() || attribute.name.empty());
    }
    sw::PrinterNames(*message);
    sw::DescribeFailure(*message);
    for (const sw::PrinterStatus& printer : sw::PrinterStatuses(*message)) {
        swfuzz::CrashIf(printer.name.empty());
        sw::DescribePrinterState(printer);
        sw::ChooseDocumentFormat(sw::RemotePrintMethod::Bypass, printer.formats);
    }
    return 0;
}
