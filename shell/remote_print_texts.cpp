#include "shell/remote_print_texts.h"

#include "common/path_helpers.h"
#include "common/text_helpers.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace sw {
namespace {

std::string UpperExtension(std::string_view file) {
    return UpperCase(ExtensionPart(TrimSpaces(file)));
}

} // namespace

bool SendsBitmapPlacement(std::string_view file) {
    const std::string extension = UpperExtension(file);
    return extension == "BMP" || extension == "DOC";
}

std::string AutoFormfeedText(std::int16_t setting) {
    return setting != 0 ? "-1" : "0";
}

std::string CopiesText(std::int32_t copies) {
    return std::to_string(copies < 1 ? 1 : copies);
}

std::string OrientationText(std::int16_t code, std::string_view landscape,
                            std::string_view portrait) {
    if (code == -9)
        return std::string();
    return std::to_string(code) + "|" + std::string(landscape) + "|" + std::string(portrait);
}

std::string MeasureText(double value) {
    if (!std::isfinite(value))
        return "0";
    // The fewest significant digits that read back as the same double.
    char text[32] = {};
    for (int digits = 1; digits <= 17; ++digits) {
        std::snprintf(text, sizeof(text), "%.*g", digits, value);
        if (std::strtod(text, nullptr) == value)
            break;
    }
    return text;
}

} // namespace sw
