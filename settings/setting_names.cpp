#include "settings/setting_names.h"

#include <cstdio>

namespace sw {

std::string SingleLineText(std::string_view text) {
    return std::string(text.substr(0, text.find_first_of("\r\n")));
}

std::string OrientationSection(std::string_view printer) {
    return "Printers Orientation " + std::string(printer);
}

std::string FileCopiesSection(std::string_view fileOrPattern) {
    return "Number of copies " + std::string(fileOrPattern);
}

std::string PrinterCopiesSection(std::string_view printer) {
    return "Number of copies by printer " + std::string(printer);
}

std::string BypassPatternKey(int n) {
    char digits[16];
    std::snprintf(digits, sizeof(digits), "%03d", n < 0 ? 0 : n);
    return "File_" + std::string(digits);
}

} // namespace sw
