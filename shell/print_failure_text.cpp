#include "shell/print_failure_text.h"

namespace sw {

std::string PrintFailureText(std::string_view file, std::string_view printer, std::int32_t code,
                             std::string_view systemMessage) {
    while (!systemMessage.empty() && (systemMessage.back() == ' ' || systemMessage.back() == '\r' ||
                                      systemMessage.back() == '\n'))
        systemMessage.remove_suffix(1);
    const std::string number = std::to_string(code);
    const std::string reason = systemMessage.empty()
                                   ? "Error " + number + "."
                                   : std::string(systemMessage) + " (error " + number + ")";
    return "\"" + std::string(file) + "\" was not printed on \"" + std::string(printer) +
           "\".\n\n" + reason;
}

} // namespace sw
