// The state files of unattended printing beside the schedule file: the
// printed files ("swprinted.dat") and the journal of the file being printed
// ("swprinting.dat"), noted before its job starts and again once the spooler
// has taken the whole job. Each is written whole into a scratch file that then
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
// which then replaces `path`. False, with `path` as it was and the step's
// code as the last error, when a step failed.
bool ReplaceFileText(const std::string& path, const std::string& text);

// The printed files as the state file holds them, with the journal's note of
// a print the program did not finish taken in (PrintedFiles::TakeNote).
// Files that are gone are left out, except those whose line is owed. A missing, damaged or
// unreadable file gives what could be read, never an error: printing goes on. The journal is
// cleared once the printed files on the disk hold its note; when they could
// not be saved it stays, `journalKept` says so, and the files returned are
// flagged as changed, to be saved later.
PrintedFiles LoadPrintedFiles(bool& journalKept);

bool SavePrintedFiles(const PrintedFiles& files);

// The journal's note of the file about to be printed (FileMark::Started),
// written before the print and removed once the printed files hold the
// outcome. False, with the system's code as the last error, when it is not
// on the disk.
bool WritePrintingNote(const FileEntry& note);
// Turns the Started note into Taken where it lies, one byte, so that it
// needs no room the disk may no longer have.
bool MarkPrintingNoteTaken();
void ClearPrintingNote();

} // namespace sw
