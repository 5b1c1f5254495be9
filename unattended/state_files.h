// The state files of unattended printing beside the schedule file: the
// printed files ("swprinted.dat") and the note of the file being printed
// ("swprinting.dat"). Each is written whole into a scratch file that then
// replaces it in one step, so that a stop at any moment leaves either the
// old or the new file; a damaged one is read for what it still holds.
#pragma once

#include "unattended/printed_files.h"

#include <string>

namespace sw {

// True when nothing is found at `path` any more; false when something is, or
// when it cannot be told (a folder that cannot be read, a network error).
bool IsFileGone(const std::string& path);

// Writes `text` as the whole file: into `path` + ".new", flushed to the disk,
// which then replaces `path`. False, with `path` as it was, when a step failed.
bool ReplaceFileText(const std::string& path, const std::string& text);

// The printed files as the state file holds them, with a note left by a
// print the program did not finish taken in as "may have been printed".
// Files that are gone are left out. A missing, damaged or unreadable file
// gives what could be read, never an error: printing goes on.
PrintedFiles LoadPrintedFiles();

bool SavePrintedFiles(const PrintedFiles& files);

// The note of the file about to be printed, written before the print and
// removed when the outcome is recorded.
bool WritePrintingNote(const FileEntry& note);
void ClearPrintingNote();

} // namespace sw
