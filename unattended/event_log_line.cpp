#include "unattended/event_log_line.h"

namespace sw {
namespace {

std::string LinePrefix(const LocalTime& now, std::string_view folder, std::string_view name) {
    std::string line = FormatDate(now) + "   " + FormatTime(now) + "   ";
    line += folder;
    line += name;
    return line;
}

} // namespace

std::string PrintedLine(const LocalTime& now, std::string_view folder, std::string_view name,
                        std::string_view printer) {
    std::string line = LinePrefix(now, folder, name) + "   printed successfully to ";
    line += printer;
    return line;
}

std::string NotPrintedLine(const LocalTime& now, std::string_view folder, std::string_view name,
                           std::string_view printer, std::int32_t code) {
    std::string line = LinePrefix(now, folder, name) + "   not printed to ";
    line += printer;
    line += "  due to Error " + std::to_string(code);
    return line;
}

std::string PrintedNotMovedLine(const LocalTime& now, std::string_view folder,
                                std::string_view name, std::string_view printer,
                                std::int32_t code) {
    std::string line = LinePrefix(now, folder, name) + "   printed to ";
    line += printer;
    line += " but not moved to the Recycle Bin due to Error " + std::to_string(code);
    return line;
}

std::string SentNotPrintedLine(const LocalTime& now, std::string_view folder, std::string_view name,
                               std::string_view printer, std::int32_t code) {
    std::string line = LinePrefix(now, folder, name) + "   sent to ";
    line += printer;
    line += ", where it has not printed: Error " + std::to_string(code) + "; not sent again";
    return line;
}

std::string MayHaveBeenPrintedLine(const LocalTime& now, std::string_view folder,
                                   std::string_view name, std::string_view printer) {
    std::string line = LinePrefix(now, folder, name) + "   may have been printed to ";
    line += printer;
    line += " before the program stopped; not printed again";
    return line;
}

std::string SingleLogLine(std::string_view line) {
    std::string result(line);
    for (char& c : result) {
        if (c == '\r' || c == '\n')
            c = ' ';
    }
    return result;
}

} // namespace sw
