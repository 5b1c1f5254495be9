#include "unattended/printed_files_store.h"

#include "common/text_helpers.h"
#include "unattended/data_files.h"
#include "unattended/printed_files_codec.h"
#include "unattended/state_files.h"
#include "unattended/state_protection.h"

#include <algorithm>
#include <string>
#include <vector>

namespace sw {
namespace {

bool Seek(HANDLE file, std::uint64_t offset) {
    LARGE_INTEGER at = {};
    at.QuadPart = static_cast<LONGLONG>(offset);
    return SetFilePointerEx(file, at, nullptr, FILE_BEGIN) != 0;
}

// Reads or writes `length` bytes at `offset` of a file opened for overlapped
// I/O and waits until done: `done` is what was transferred.
bool TransferAt(HANDLE file, HANDLE event, std::uint64_t offset, char* bytes, DWORD length,
                bool write, DWORD& done) {
    OVERLAPPED at = {};
    at.Offset = static_cast<DWORD>(offset);
    at.OffsetHigh = static_cast<DWORD>(offset >> 32);
    at.hEvent = event;
    done = 0;
    const BOOL finished = write ? WriteFile(file, bytes, length, nullptr, &at)
                                : ReadFile(file, bytes, length, nullptr, &at);
    if (!finished && GetLastError() != ERROR_IO_PENDING)
        return false;
    return GetOverlappedResult(file, &at, &done, TRUE) != 0;
}

} // namespace

PrintedFilesStore::~PrintedFilesStore() {
    Close();
    if (io_ != nullptr)
        CloseHandle(io_);
}

PrintedFiles PrintedFilesStore::Load(bool& journalKept) {
    Close();
    const std::string text = ReadStateText(PrintedFilesPath());
    const DecodedPrintedFiles decoded = DecodePrintedFiles(text);
    appendAt_ = decoded.appendAt;
    wholeSize_ = decoded.closedAt;
    std::vector<FileEntry> kept;
    for (const FileEntry& entry : PrintedFiles(decoded.entries).Entries()) {
        // A file gone whose line is owed still gets its line.
        if (entry.mark == FileMark::Taken || !IsFileGone(entry.path))
            kept.push_back(entry);
    }
    PrintedFiles files(kept);
    bool noted = false;
    for (const FileEntry& note : EarlierJournalNotes()) {
        if (note.mark == FileMark::Taken ||
            (note.mark == FileMark::Printing && !IsFileGone(note.path))) {
            files.TakeNote(note);
            noted = true;
        }
    }
    files.TakeChanged();
    // The earlier journal goes only once the table holds what it said.
    journalKept = noted && !Save(files, true);
    if (!journalKept)
        ClearPrintingNote();
    Close();
    return files;
}

bool PrintedFilesStore::Open() {
    if (file_ != INVALID_HANDLE_VALUE)
        return true;
    if (appendAt_ == 0)
        return false;
    if (io_ == nullptr)
        io_ = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (io_ == nullptr)
        return false;
    // Overlapped: the journal's next note is written while the disk takes the last one.
    file_ =
        CreateFileA(PrintedFilesPath().c_str(),
                    GENERIC_READ | GENERIC_WRITE | UnattendedFileExtraAccess(), FILE_SHARE_READ,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
    LARGE_INTEGER size = {};
    // Another size: another program wrote it since; it is written whole again.
    if (file_ != INVALID_HANDLE_VALUE && GetFileSizeEx(file_, &size) &&
        static_cast<std::uint64_t>(size.QuadPart) == appendAt_)
        return true;
    Close();
    appendAt_ = 0;
    return false;
}

void PrintedFilesStore::Close() {
    flush_.Wait();
    if (file_ != INVALID_HANDLE_VALUE)
        CloseHandle(file_);
    file_ = INVALID_HANDLE_VALUE;
    noteAt_ = -1;
    unflushed_ = false;
}

bool PrintedFilesStore::WriteWhole(PrintedFiles& files) {
    Close();
    const std::string text = EncodePrintedFiles(files.Entries());
    if (!ReplaceFileText(PrintedFilesPath(), text))
        return false;
    appendAt_ = wholeSize_ = text.size();
    files.ForgetChangedRecords();
    return true;
}

bool PrintedFilesStore::Save(PrintedFiles& files, bool flush, const FileEntry* note) {
    std::vector<FileEntry> records = files.ChangedRecords();
    if (records.empty() && note == nullptr)
        return !flush || FlushBuffers();
    if (!Open()) {
        if (!WriteWhole(files) || (note != nullptr && !Open()))
            return false;
        records.clear();
    }
    if (note != nullptr)
        records.push_back(*note);
    if (records.empty())
        return !flush || FlushBuffers();
    std::string text = EncodeFileRecords(records);
    DWORD done = 0;
    const bool wrote =
        TransferAt(file_, io_, appendAt_, &text[0], static_cast<DWORD>(text.size()), true, done);
    if (!wrote || done != text.size()) {
        // What a full disk took of it is cut off, so that the next record
        // starts on a line of its own.
        const DWORD error = wrote || GetLastError() == 0 ? ERROR_DISK_FULL : GetLastError();
        if (!Seek(file_, appendAt_) || !SetEndOfFile(file_)) {
            Close();
            appendAt_ = 0;
        }
        SetLastError(error);
        return false;
    }
    if (note != nullptr) {
        noteAt_ =
            static_cast<std::int64_t>(appendAt_ + text.size() - EncodeFileRecords({*note}).size());
        notePath_ = UpperCase(note->path);
        notePrinter_ = UpperCase(note->printer);
    }
    appendAt_ += text.size();
    unflushed_ = true;
    if (flush && !FlushBuffers())
        return false;
    files.ForgetChangedRecords();
    return true;
}

bool PrintedFilesStore::FlushBuffers() {
    // A flush under way that failed is made again.
    if (!flush_.Wait())
        unflushed_ = true;
    if (!unflushed_)
        return true;
    if (file_ == INVALID_HANDLE_VALUE || !FlushFileBuffers(file_))
        return false;
    unflushed_ = false;
    return true;
}

bool PrintedFilesStore::MarkNoteTaken() {
    // The note before is on the disk before this one is turned.
    if (!flush_.Wait()) {
        unflushed_ = true;
        return false;
    }
    if (!TurnNote(notePath_, notePrinter_, FileMark::Started, FileMark::Taken) ||
        !flush_.Start(file_))
        return false;
    unflushed_ = false; // what is written from now on is flushed by the next flush
    return true;
}

bool PrintedFilesStore::TurnNote(const std::string& path, const std::string& printer, FileMark from,
                                 FileMark to) {
    if (file_ == INVALID_HANDLE_VALUE || noteAt_ < 0 || UpperCase(path) != notePath_ ||
        UpperCase(printer) != notePrinter_) {
        SetLastError(ERROR_INVALID_DATA);
        return false;
    }
    const std::uint64_t at = static_cast<std::uint64_t>(noteAt_);
    char mark = 0;
    DWORD done = 0;
    if (!TransferAt(file_, io_, at, &mark, 1, false, done) || done != 1)
        return false;
    if (mark != static_cast<char>(from)) {
        SetLastError(ERROR_INVALID_DATA);
        return false;
    }
    mark = static_cast<char>(to);
    if (!TransferAt(file_, io_, at, &mark, 1, true, done) || done != 1)
        return false;
    unflushed_ = true;
    return true;
}

bool PrintedFilesStore::EndPass(PrintedFiles& files) {
    const bool saved = Save(files, true);
    const std::uint64_t grown = appendAt_ > wholeSize_ ? appendAt_ - wholeSize_ : 0;
    // A whole write that fails leaves the records as they were: tried again later.
    if (saved && grown > 0 && grown * 2 >= wholeSize_)
        WriteWhole(files);
    Close();
    return saved;
}

} // namespace sw
