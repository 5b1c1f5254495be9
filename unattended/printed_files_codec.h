// The text of the state files of unattended printing: a first line naming
// the format and its version, one line per file and printer (a failing file
// has one per code), and a closing line with the number of file lines. Each file line holds its
// mark, size, last write time, code, log time, printer and path, separated by tabs; a control
// character or "%" inside a text is written as "%" and two hex digits.
#pragma once

#include "unattended/printed_files.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

inline constexpr char kPrintedFilesHeader[] = "Spoolwright unattended files 1";

std::string EncodePrintedFiles(const std::vector<FileEntry>& entries);

struct DecodedPrintedFiles {
    std::vector<FileEntry> entries; // every line that reads as a file line
    bool whole = false;             // header, lines and count all as written
    std::size_t badLines = 0;
};

// Reads what EncodePrintedFiles wrote. Never fails: a file of another format
// or version gives no entries, a torn or damaged one the lines that still
// read whole; a file line that does not read is left out.
DecodedPrintedFiles DecodePrintedFiles(std::string_view text);

} // namespace sw
