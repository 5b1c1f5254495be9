#include "settings/copies.h"

#include "common/path_helpers.h"
#include "common/text_helpers.h"

namespace sw {
namespace {

// The remembered count applies when it was given for this printer or file, or
// for a folder pattern of the file's folder. An empty field was not given for
// anything, so it never matches.
bool RememberedCountApplies(const RememberedCopiesSetting& remembered, std::string_view file,
                            std::string_view printer) {
    if (!remembered.printer.empty() && remembered.printer == printer)
        return true;
    if (remembered.file.empty())
        return false;
    if (remembered.file == file)
        return true;
    return remembered.file.find("*.*") != std::string::npos &&
           FolderPart(TrimSpaces(file)) == FolderPart(TrimSpaces(remembered.file));
}

} // namespace

std::string FolderPattern(std::string_view path) {
    return AddTrailingBackslash(FolderPart(TrimSpaces(path))) + "*.*";
}

std::int32_t ResolveCopies(const StoredCopyCounts& stored,
                           const RememberedCopiesSetting& remembered, std::string_view file,
                           std::string_view printer) {
    std::int32_t copies = 1;
    // Later lookups win: the printer's count over the folder's over the file's.
    for (std::int32_t count : {stored.file, stored.folder, stored.printer}) {
        if (count > 1)
            copies = count;
    }
    if (copies < remembered.count && RememberedCountApplies(remembered, file, printer))
        copies = remembered.count;
    return copies < kMostCopies ? copies : kMostCopies;
}

} // namespace sw
