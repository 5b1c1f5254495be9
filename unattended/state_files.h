// The state files of unattended printing beside the schedule file: the
// printed files ("swprinted.dat"), with the journal's notes of the file being
// printed among its records (see PrintedFilesStore), and the journal of
// earlier versions ("swprinting.dat"), still read once at a start. A file
// written whole goes into a scratch file that then replaces it in one step,
// so that a stop at any moment leaves either the old or the new file; a
// damaged one is read for what it still holds.
#pragma once

#include "unattended/printed_files.h"

#include <string>
#include <vector>

namespace sw {

// True when nothing is found at `path` any more; false when something is, or
// when it cannot be told (a folder that cannot be read, a network error).
bool IsFileGone(const std::string& path);

// Writes `text` as the whole file: into `path` + ".new", flushed to the disk,
// which then replaces `path`. False, with `path` as it was and the step's
// code as the last error, when a step failed.
bool ReplaceFileText(const std::string& path, const std::string& text);

// The whole text of a state file; empty when it is missing, unreadable or
// larger than any this program writes.
std::string ReadStateText(const std::string& path);

// Writes the printed files whole, in the current version.
bool SavePrintedFiles(const PrintedFiles& files);

// The notes of the journal of earlier versions, as far as they read.
std::vector<FileEntry> EarlierJournalNotes();
void ClearPrintingNote();

} // namespace sw
