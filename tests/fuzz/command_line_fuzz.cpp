// Any command line splits into parts that come from the text itself, its
// file part is checked (too long, a device) and its printer matched against
// a sites list, and the remote print's texts and a failed print's message of
// any name and sequences are built without a crash.
#include "printroute/remote_print_texts.h"
#include "remote/companion_protocol.h"
#include "remote/site_address.h"
#include "shell/command_line.h"
#include "shell/print_failure_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const sw::CommandLineRequest request = sw::SplitCommandLine(text);
    if (request.printer.size() + request.file.size() > size)
        std::abort();
    if (request.kind != sw::CommandLineRequest::Kind::Print &&
        (!request.file.empty() || !request.printer.empty()))
        std::abort();
    if (text.find(request.file) == std::string_view::npos)
        std::abort();
    // Only a name of more than 255 characters, or a path longer than the
    // limit, is too long: never a file part of 255 bytes or less.
    const sw::FilePartProblem problem = sw::CheckFilePart(request.file, 1000);
    if (problem == sw::FilePartProblem::TooLong && request.file.size() <= sw::kLongestFileName)
        std::abort();
    if (problem == sw::FilePartProblem::None && sw::NamesDevice(request.file))
        std::abort();
    sw::PrintMethodText(text);
    const std::size_t half = size / 2;
    if (sw::IsPrinterOfListedSite(request.printer, {std::string(text.substr(0, half))}) &&
        request.printer.find(':') == std::string::npos)
        std::abort();
    if (sw::PrintFailureText(request.file, request.printer, static_cast<std::int32_t>(size),
                             text.substr(half))
            .size() < request.file.size() + request.printer.size())
        std::abort();
    const std::string orientation = sw::OrientationText(static_cast<std::int16_t>(size),
                                                        text.substr(0, half), text.substr(half));
    if (orientation.size() < size)
        std::abort();
    return 0;
}
