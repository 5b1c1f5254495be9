// Feeds arbitrary bytes to what the companion reads from a print server: the
// HTTP response parse and the IPP decoding of its body. Nothing may crash, and
// a decoded message's attributes all belong to a group.
#include "remote/http_message.h"
#include "remote/ipp_message.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::string body = input;
    if (const auto response = sw::ParseHttpResponse(input))
        body = response->body;
    const auto message = sw::DecodeIpp(body);
    if (!message)
        return 0;
    for (const sw::IppAttribute& attribute : message->attributes) {
        if (attribute.group == 0 || attribute.values.empty() || attribute.name.empty())
            std::abort();
    }
    sw::PrinterNames(*message);
    sw::DescribeFailure(*message);
    return 0;
}
