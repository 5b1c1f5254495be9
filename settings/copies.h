// How many times a file is printed: the counts stored for the file, its folder
// and the printer, raised by the count last entered in the copies dialog.
// Portable, so that the precedence is unit-tested.
#pragma once

#include "settings/remembered_copies.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// The most copies of one print: what the copies dialog's four digits take.
// A larger count edited into the settings file is read as this one.
inline constexpr std::int32_t kMostCopies = 9999;

// The counts read from the settings file, each already rounded to an integer
// (a missing value or text that is not a number reads as 0).
struct StoredCopyCounts {
    std::int32_t file = 0;    // "Number of copies " + file path
    std::int32_t folder = 0;  // "Number of copies " + folder pattern
    std::int32_t printer = 0; // "Number of copies by printer " + printer
};

// The folder pattern of a path: its folder (blanks at the ends removed first)
// with a trailing backslash, then "*.*". A path without a backslash gives "*.*".
std::string FolderPattern(std::string_view path);

// The number of copies, at least 1 and at most kMostCopies. Among stored counts above 1 the
// printer's wins over the folder's and the folder's over the file's. The remembered count then
// raises the result when it was given for this printer, this file, or a folder pattern of this
// file's folder; it never lowers it. Comparisons are exact and case-sensitive.
std::int32_t ResolveCopies(const StoredCopyCounts& stored,
                           const RememberedCopiesSetting& remembered, std::string_view file,
                           std::string_view printer);

} // namespace sw
