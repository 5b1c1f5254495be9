// Any command line splits into parts that come from the text itself, and the
// remote print's texts of any name and sequences are built without a crash.
#include "remote/companion_protocol.h"
#include "shell/command_line.h"
#include "shell/remote_print_texts.h"

#include <cstdint>
#include <cstdlib>
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
    sw::PrintMethodText(text);
    const std::size_t half = size / 2;
    const std::string orientation = sw::OrientationText(static_cast<std::int16_t>(size),
                                                        text.substr(0, half), text.substr(half));
    if (orientation.size() < size)
        std::abort();
    return 0;
}
