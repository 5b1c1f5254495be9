// The printed files on the disk, kept up to date as they change without
// writing the whole table each time: what changed is appended as records
// (PrintedFiles::ChangedRecords), and the file is written whole only when
// it cannot take records (missing, damaged, of an earlier version, changed
// by another program) or, at the end of a pass, once the records have grown
// it by half. The journal's note of the file about to be printed is a record
// too: appended as Started before its job starts, and turned into Taken
// where it lies, one byte, once the spooler has the whole job, so that it
// needs no room the disk may no longer have. The disk takes that byte while
// the next file prints, before the next note is turned. A stop at any
// moment leaves records a start reads back in order; a half-written last
// one is left out.
#pragma once

#include "unattended/background_flush.h"
#include "unattended/printed_files.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace sw {

class PrintedFilesStore {
  public:
    PrintedFilesStore() = default;
    ~PrintedFilesStore();
    PrintedFilesStore(const PrintedFilesStore&) = delete;
    PrintedFilesStore& operator=(const PrintedFilesStore&) = delete;

    // The printed files as the state file holds them, with the note of a
    // print the program did not finish taken in (PrintedFiles::TakeNote),
    // from its records or from the journal of earlier versions. Files that
    // are gone are left out, except those whose line is owed. A missing,
    // damaged or unreadable file gives what could be read, never an error:
    // printing goes on. The earlier journal is cleared once the printed files
    // on the disk hold its note; when they could not be saved it stays,
    // `journalKept` says so, and its note is kept as a change to save later.
    PrintedFiles Load(bool& journalKept);

    // Appends the records of what changed in `files` and, given `note`, the
    // Started note after them; `flush` puts them on the disk before it
    // returns. False, with the system's code as the last error, when they
    // are not all in the file: what was written of them is cut off again,
    // and the changes stay, to be saved later.
    bool Save(PrintedFiles& files, bool flush, const FileEntry* note = nullptr);
    // Turns the note of the last Save into Taken and starts flushing it: the
    // disk takes it while the caller goes on, and the next note, any flush
    // and Close wait for it. False, with the system's code as the last
    // error, when the note was not turned or the last flush failed: a Save
    // with `flush` then puts what was written on the disk.
    bool MarkNoteTaken();
    // Turns the last note, when it is `path`'s for `printer` and still marked
    // `from`, into `to` where it lies, without flushing: the record a file's
    // outcome needs, in no room the disk may no longer have. False when the
    // note is another's, or was not turned.
    bool TurnNote(const std::string& path, const std::string& printer, FileMark from, FileMark to);
    // At the end of a pass: saves and flushes what changed, writes the file
    // whole when its records have grown it by half, and lets go of it.
    bool EndPass(PrintedFiles& files);
    void Close();

  private:
    bool Open();
    bool WriteWhole(PrintedFiles& files);
    bool FlushBuffers();

    HANDLE file_ = INVALID_HANDLE_VALUE; // opened for overlapped I/O
    HANDLE io_ = nullptr;                // the event its reads and writes wait on
    BackgroundFlush flush_;
    std::uint64_t appendAt_ = 0;  // the file's end; 0: to be written whole first
    std::uint64_t wholeSize_ = 0; // its size when last written whole
    std::int64_t noteAt_ = -1;    // where the last note's mark lies
    std::string notePath_;        // upper case, with the printer's
    std::string notePrinter_;
    bool unflushed_ = false;
};

} // namespace sw
