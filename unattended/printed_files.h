// What unattended printing remembers of the files it printed, so that each
// version of a file is printed once: the files printed that stayed in their
// folder (the Recycle Bin was not asked for, or the move failed), the files
// printed whose log line is not written yet, the files that may have been
// printed when an earlier version of the program stopped, and the files that
// keep failing, with the time their failure was last logged. Kept in a state file
// beside the schedule file; a file is forgotten when it is gone or changed.
#pragma once

#include "unattended/file_version.h"

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace sw {

// A failure of the same file with the same code is logged at most this
// often while it keeps failing.
inline constexpr std::int64_t kFailureLogSeconds = 10 * 60;

enum class FileMark : char {
    Printed = 'P',      // printed and logged; stays in its folder
    MaybePrinted = 'M', // was being printed when the program stopped
    Failing = 'F',      // failed; `code` last logged at `loggedAt`
    Printing = 'N',     // the one-step note of earlier versions: may have been printed
    Started = 'S',      // the journal's note before a job starts; `loggedAt` its moment
    Taken = 'T',        // the spooler took the whole job at `loggedAt`; not logged yet
    Forgotten = 'X',    // a record that drops all that was known of the file and printer
    Logged = 'L',       // printed and logged; its move to the Recycle Bin is owed
};

struct FileEntry {
    FileMark mark = FileMark::Printed;
    FileVersion version;
    std::int32_t code = 0;     // Failing: the code last logged
    std::int64_t loggedAt = 0; // Failing, Started, Taken: seconds of the clock the log shows
    std::string printer;
    std::string path;

    bool operator==(const FileEntry& other) const;
};

// What a scan does with a settled file.
enum class FileVerdict {
    Print,              // never printed in this version (or failing so far)
    AlreadyPrinted,     // this version was printed: leave it
    MayHaveBeenPrinted, // noted when the program stopped: log so, then leave it
    LineOwed,           // printed, its log line not written yet: write it, then finish
    MoveOwed,           // printed and logged, not yet moved to the Recycle Bin
};

class PrintedFiles {
  public:
    PrintedFiles() = default;
    // Later entries for the same file and printer replace earlier ones; a
    // Forgotten entry drops what came before it for its file and printer,
    // and the journal's Started and Printing notes are passed over.
    explicit PrintedFiles(const std::vector<FileEntry>& entries);

    // The verdict for this version of the file on this printer. An entry for
    // another version is forgotten: the file has changed. A printed file
    // whose line is owed is LineOwed whatever its version now.
    FileVerdict Consider(const std::string& path, const std::string& printer,
                         const FileVersion& version);

    // This version was printed and stays in its folder; its failures are
    // forgotten.
    void MarkPrinted(const std::string& path, const std::string& printer,
                     const FileVersion& version);
    // This version was taken by the spooler at `moment` (seconds of the
    // clock the log shows); its log line is owed.
    void MarkTaken(const std::string& path, const std::string& printer, const FileVersion& version,
                   std::int64_t moment);
    // This version was printed and logged, and is to be moved to the
    // Recycle Bin.
    void MarkLogged(const std::string& path, const std::string& printer,
                    const FileVersion& version);
    // The entry of a file whose line is owed; null when there is none.
    const FileEntry* Taken(const std::string& path, const std::string& printer) const;

    // The file left its folder (or is to be looked at afresh): all that is
    // remembered of it for the printer goes.
    void Forget(const std::string& path, const std::string& printer);

    // Whether a failure with `code` at `now` (seconds) gets a log line: the
    // first failure with that code, or ten minutes after the last line with
    // it (or a clock set back) do; the answer yes is remembered as the last
    // line. Each code keeps its own pace, so that two codes in turn are not
    // a line at every tick.
    bool ShouldLogFailure(const std::string& path, const std::string& printer,
                          const FileVersion& version, std::int32_t code, std::int64_t now);

    // The files remembered for `printer` directly in `folder` (which ends in
    // a backslash) whose names are not in `listedNames` (upper case): gone,
    // or not matched by this scan's pattern.
    std::vector<std::string> Unlisted(const std::string& folder, const std::string& printer,
                                      const std::set<std::string>& listedNames) const;

    // Takes in the journal's note of a print the program did not finish,
    // unless that version is already known as printed: a job only started
    // is forgotten (it never reached the printer, the file is printed
    // again), a job the spooler took owes its line, and the one-step note
    // of earlier versions becomes MaybePrinted.
    void TakeNote(const FileEntry& note);

    // The printed and noted files, then a Failing entry per file, printer and code.
    std::vector<FileEntry> Entries() const;
    std::size_t Size() const { return entries_.size() + failures_.size(); }

    // Whether anything changed since the last call of TakeChanged.
    bool TakeChanged();
    // Flags a change again: what TakeChanged gave could not be saved.
    void MarkChanged() { changed_ = true; }

    // What changed since the last ForgetChangedRecords, as records to append
    // to the state file: per file and printer changed, a Forgotten record,
    // then what is now known of it. Read after these, the earlier records
    // give the table as it is now.
    std::vector<FileEntry> ChangedRecords() const;
    // The changed records are on the disk (or the whole table is).
    void ForgetChangedRecords() { changedKeys_.clear(); }

  private:
    using Key = std::pair<std::string, std::string>; // upper-case path, printer
    using FailureKey = std::pair<Key, std::int32_t>; // and the code
    static Key KeyOf(const std::string& path, const std::string& printer);
    void ForgetFailures(const Key& key);
    void Changed(const Key& key);

    std::map<Key, FileEntry> entries_;         // Printed, MaybePrinted and Taken
    std::map<FailureKey, FileEntry> failures_; // Failing
    std::set<Key> changedKeys_;                // since the last ForgetChangedRecords
    bool changed_ = false;
};

} // namespace sw
