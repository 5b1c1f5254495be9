#include "shell/command_line.h"

#include "common/text_helpers.h"

namespace sw {
namespace {

bool IsReservedDeviceName(const std::string& name) {
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
    for (const char* device : kDevices) {
        if (name == device)
            return true;
    }
    // COM1 to COM9 and LPT1 to LPT9; COM0 and COM10 are ordinary names.
    return name.size() == 4 && (name.compare(0, 3, "COM") == 0 || name.compare(0, 3, "LPT") == 0) &&
           name[3] >= '1' && name[3] <= '9';
}

} // namespace

bool NamesDevice(std::string_view path) {
    if (path.size() >= 4 && (path[0] == '\\' || path[0] == '/') &&
        (path[1] == '\\' || path[1] == '/') && path[2] == '.' &&
        (path[3] == '\\' || path[3] == '/'))
        return true;
    std::string_view name = path.substr(path.find_last_of("\\/") + 1);
    if (name.size() >= 2 && name[1] == ':')
        name.remove_prefix(2); // a drive: "C:NUL"
    // The system reads the part before an extension or a stream, without
    // the blanks after it, as the name: "NUL .txt", "nul..." and "NUL:".
    name = name.substr(0, name.find_first_of(".:"));
    while (!name.empty() && name.back() == ' ')
        name.remove_suffix(1);
    return IsReservedDeviceName(UpperCase(name));
}

FilePartProblem CheckFilePart(std::string_view file, std::size_t pathLimit) {
    std::size_t pathUnits = 0;
    std::size_t nameUnits = 0;
    for (const char c : file) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte == '\\' || byte == '/') {
            nameUnits = 0;
            ++pathUnits;
            continue;
        }
        // A byte that continues a UTF-8 sequence adds nothing; a sequence of
        // four bytes is two UTF-16 units.
        const std::size_t units = (byte & 0xC0) == 0x80 ? 0 : (byte >= 0xF0 ? 2 : 1);
        nameUnits += units;
        pathUnits += units;
        if (nameUnits > kLongestFileName || pathUnits > pathLimit)
            return FilePartProblem::TooLong;
    }
    return NamesDevice(file) ? FilePartProblem::DeviceName : FilePartProblem::None;
}

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
    if (trimmed == kQuietSetupRunCommand) {
        request.kind = CommandLineRequest::Kind::QuietSetupRun;
        return request;
    }
    const std::string_view text = WithoutEnclosingQuotes(trimmed);
    if (text.empty())
        return request;

    request.kind = CommandLineRequest::Kind::Print;
    std::size_t separator = text.find('|');
    if (separator == std::string_view::npos) {
        separator = text.find('{');
        if (separator != std::string_view::npos)
            request.wholeText = std::string(text);
    }
    if (separator == std::string_view::npos) {
        request.file = std::string(WithoutEnclosingQuotes(text));
        return request;
    }
    request.namesPrinter = true;
    request.printer = std::string(WithoutEnclosingQuotes(text.substr(0, separator)));
    request.file = std::string(WithoutEnclosingQuotes(text.substr(separator + 1)));
    return request;
}

CommandLineRequest ReadBraceForm(CommandLineRequest request, const BraceFormLookups& lookups) {
    if (request.wholeText.empty() || lookups.isKnownPrinter(request.printer) ||
        !lookups.isFile(request.wholeText))
        return request;
    request.namesPrinter = false;
    request.printer.clear();
    request.file = request.wholeText;
    return request;
}

} // namespace sw
