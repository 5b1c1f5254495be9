// The folder and the search mask of one scan of a watched folder.
#pragma once

#include <string>
#include <string_view>

namespace sw {

// The watch folder without spaces at its ends, with a backslash added when it
// is not empty and does not end in one. An empty folder stays empty: the
// pattern is then looked for relative to the current folder.
std::string ScanFolder(std::string_view watchFolder);

// Folder + pattern; a mask that ends in a backslash (no pattern) gets "*.*",
// so that it matches every file of the folder.
std::string ScanMask(std::string_view scanFolder, std::string_view filePattern);

} // namespace sw
