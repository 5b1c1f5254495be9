#include "common/path_helpers.h"

#include "common/text_helpers.h"

namespace sw {

std::string FileNamePart(std::string_view path) {
    const auto slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FolderPart(std::string_view path) {
    const auto slash = path.rfind('\\');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

std::string ExtensionPart(std::string_view path) {
    const std::string name = FileNamePart(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? std::string() : name.substr(dot + 1);
}

std::string AddTrailingBackslash(std::string_view path) {
    std::string result(path);
    if (!result.empty() && result.back() != '\\')
        result += '\\';
    return result;
}

bool IsBitmapFile(std::string_view path) {
    return UpperCase(ExtensionPart(TrimSpaces(path))) == "BMP";
}

} // namespace sw
