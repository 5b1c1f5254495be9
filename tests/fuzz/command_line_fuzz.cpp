// Any command line splits into parts that come from the text itself, its
// file part is checked (too long, a device) and its printer matched against
// a sites list, and the remote print's texts and a failed print's message of
// any name and sequences are built without a crash.
#include "fuzz_check.h"
#include "printroute/remote_print_texts.h"
#include "remote/companion_protocol.h"
#include "remote/site_address.h"
#include "shell/command_line.h"
#include "shell/print_failure_text.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const sw::CommandLineRequest request = sw::SplitCommandLine(text);
    swfuzz::CrashIf(request.printer.size() + request.file.size() > size);
    swfuzz::CrashIf(request.kind != sw::CommandLineRequest::Kind::Print &&
                    (!request.file.empty() || !request.printer.empty()));
    swfuzz::CrashIf(text.find(request.file) == std::string_view::npos);
    // Only a name of more than 255 characters, or a path longer than the
    // limit, is too long: never a file part of 255 bytes or less.
    const sw::FilePartProblem problem = sw::CheckFilePart(request.file, 1000);
    swfuzz::CrashIf(problem == sw::FilePartProblem::TooLong &&
                    request.file.size() <= sw::kLongestFileName);
    swfuzz::CrashIf(problem == sw::FilePartProblem::None && sw::NamesDevice(request.file));
    sw::PrintMethodText(text);
    const std::size_t half = size / 2;
    swfuzz::CrashIf(
        sw::IsPrinterOfListedSite(request.printer, {std::string(text.substr(0, half))}) &&
        request.printer.find(':') == std::string::npos);
    swfuzz::CrashIf(sw::PrintFailureText(request.file, request.printer,
                                         static_cast<std::int32_t>(size), text.substr(half))
                        .size() < request.file.size() + request.printer.size());
    const std::string orientation = sw::OrientationText(static_cast<std::int16_t>(size),
                                                        text.substr(0, half), text.substr(half));
    swfuzz::CrashIf(orientation.size() < size);
    return 0;
}
