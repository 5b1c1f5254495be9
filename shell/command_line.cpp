#include "shell/command_line.h"

#include "common/text_helpers.h"

namespace sw {

std::string_view WithoutEnclosingQuotes(std::string_view text) {
    if (text.size() < 2 || text.front() != '"' || text.back() != '"')
        return text;
    const std::string_view inner = text.substr(1, text.size() - 2);
    // "a" "b" is two quoted texts, not one.
    return inner.find('"') == std::string_view::npos ? inner : text;
}

CommandLineRequest SplitCommandLine(std::string_view commandLine) {
    CommandLineRequest request;
    const std::string trimmed = TrimSpaces(commandLine);
    if (trimmed == kSetupRunCommand) {
        request.kind = CommandLineRequest::Kind::SetupRun;
        return request;
    }
    const std::string_view text = WithoutEnclosingQuotes(trimmed);
    if (text.empty())
        return request;

    request.kind = CommandLineRequest::Kind::Print;
    std::size_t separator = text.find('|');
    if (separator == std::string_view::npos)
        separator = text.find('{');
    if (separator == std::string_view::npos) {
        request.file = std::string(WithoutEnclosingQuotes(text));
        return request;
    }
    request.namesPrinter = true;
    request.printer = std::string(WithoutEnclosingQuotes(text.substr(0, separator)));
    request.file = std::string(WithoutEnclosingQuotes(text.substr(separator + 1)));
    return request;
}

} // namespace sw
