#include "unattended/scan_paths.h"

#include "common/path_helpers.h"
#include "common/text_helpers.h"

namespace sw {

std::string ScanFolder(std::string_view watchFolder) {
    return AddTrailingBackslash(TrimSpaces(watchFolder));
}

std::string ScanMask(std::string_view scanFolder, std::string_view filePattern) {
    std::string mask(scanFolder);
    mask += filePattern;
    if (!mask.empty() && mask.back() == '\\')
        mask += "*.*";
    return mask;
}

} // namespace sw
