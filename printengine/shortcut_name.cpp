#include "printengine/shortcut_name.h"

#include "common/path_helpers.h"

namespace sw {

std::string CleanShortcutName(std::string_view name) {
    std::string cleaned;
    cleaned.reserve(name.size());
    for (char c : name) {
        if (c == ' ')
            continue;
        cleaned += c == '.' ? '_' : c;
    }
    return cleaned;
}

std::string RecentShortcutPath(std::string_view recentFolder, std::string_view target) {
    return AddTrailingBackslash(recentFolder) + FileNamePart(target) + ".lnk";
}

std::string DestinationShortcutPath(std::string_view folder, std::string_view name) {
    return AddTrailingBackslash(folder) + CleanShortcutName(name) + ".lnk";
}

} // namespace sw
