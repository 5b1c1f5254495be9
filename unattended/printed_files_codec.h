// The text of the state files of unattended printing: a first line naming
// the format and its version, one line per file and printer (a failing file
// has one per code), and a closing line with the number of file lines. Each file line holds its
// mark, size, last write time, code, log time, printer and path, separated by tabs; a control
// character or "%" inside a text is written as "%" and two hex digits.
// Since version 2, records are appended after the closing line as the table
// changes, each a file line of its own, read in order: a later one replaces
// what an earlier one said of its file and printer. Version 1 files, which
// end at the closing line, read as before.
#pragma once

#include "unattended/printed_files.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

inline constexpr char kPrintedFilesHeader[] = "Spoolwright unattended files 2";
inline constexpr char kPrintedFilesHeaderV1[] = "Spoolwright unattended files 1";

// The whole file: header, file lines and closing line.
std::string EncodePrintedFiles(const std::vector<FileEntry>& entries);
// The file lines alone, to append after the closing line.
std::string EncodeFileRecords(const std::vector<FileEntry>& entries);

struct DecodedPrintedFiles {
    std::vector<FileEntry> entries; // every line that reads as a file line, in order
    bool whole = false;             // header, lines and count all as written, nothing torn
    std::size_t badLines = 0;
    std::size_t appended = 0; // records read after the closing line
    bool torn = false;        // the last line lacks its line end: half written
    // Where the next record can be appended: the end of a version 2 file
    // whose closing line was read and whose last line is whole; 0 when the
    // file must be written whole first.
    std::size_t appendAt = 0;
    std::size_t closedAt = 0; // the end of the closing line; 0 without one
};

// Reads what EncodePrintedFiles wrote and the records appended to it. Never
// fails: a file of another format or version gives no entries, a torn or
// damaged one the lines that still read whole; a file line that does not
// read is left out.
DecodedPrintedFiles DecodePrintedFiles(std::string_view text);

} // namespace sw
