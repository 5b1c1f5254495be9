// Each file found is printed by the route the interactive print takes: as a
// raw job with the schedule's printer's settings, or through the word
// processor for the driver-bypass exceptions. Printer and file come from the
// schedule, never from the main window.
#include "unattended/unattended_run.h"

#include "common/handle_guard.h"
#include "common/long_path.h"
#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "printroute/driver_bypass_print.h"
#include "printroute/print_library_api.h"
#include "settings/bypass_exceptions.h"
#include "settings/copies_query.h"
#include "unattended/data_files.h"
#include "unattended/event_log_line.h"
#include "unattended/local_clock.h"
#include "unattended/scan_paths.h"
#include "unattended/schedule_file.h"
#include "unattended/schedule_timing.h"

#include <shellapi.h>

#include <vector>

namespace sw {
namespace {

constexpr DWORD kSkippedAttributes =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// The names of the files that match the mask, listed before anything is
// printed, so that files moved to the Recycle Bin cannot disturb the listing.
// Listed through the wide calls: a folder path may be longer than 259
// characters, and a name in UTF-8 longer than the ANSI listing's 259 bytes.
std::vector<std::string> MatchingFiles(const std::string& mask) {
    std::vector<std::string> names;
    const std::wstring wideMask = SystemPath(mask);
    if (wideMask.empty())
        return names;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(wideMask.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        if ((found.dwFileAttributes & kSkippedAttributes) == 0)
            names.push_back(CodePageText(found.cFileName));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

// The folder the mask searches: a pattern may name a subfolder of its own.
std::string MaskFolder(const std::string& mask) {
    const std::size_t last = mask.find_last_of("\\/");
    return last == std::string::npos ? std::string() : mask.substr(0, last + 1);
}

// True while another program holds the file open for writing (or holds it
// open without letting others read): it may be half written.
bool IsBeingWritten(const std::string& path) {
    const FileHandle file(OpenForReading(path));
    if (file.IsOpen())
        return false;
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Loads the bitmap as the library will: one it cannot load would make it show
// a message box, which nobody may be there to close.
bool CanLoadBitmap(const std::string& path) {
    const HANDLE bitmap = LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
    if (bitmap == nullptr)
        return false;
    DeleteObject(bitmap);
    return true;
}

std::int32_t PrintWithWordProcessor(const std::string& printer, const std::string& path) {
    std::int32_t result = 0;
    const std::int32_t copies = GetCopiesSetting(TrimSpaces(path), TrimSpaces(printer));
    for (std::int32_t copy = 0; copy < copies; ++copy)
        result = PrintLibrary().printWithApplication(printer, path);
    return result;
}

std::int32_t PrintScheduledFile(const std::string& printer, const std::string& name,
                                const std::string& path) {
    if (IsBypassException(name))
        return PrintWithWordProcessor(printer, path);
    if (IsBitmapFile(path) && !CanLoadBitmap(path))
        return kBitmapNotLoadedError;
    return PrintBypassingDriver(printer, path, BitmapPlacementSource::StoredOnly);
}

void PrintAndLog(const ScheduleRecord& record, const std::string& folder, const std::string& name) {
    const std::string path = folder + name;
    if (IsBeingWritten(path))
        return;
    const std::int32_t result = PrintScheduledFile(record.PrinterName, name, path);
    const LocalTime now = CurrentLocalTime();
    if (result != 0) {
        AppendEventLog(NotPrintedLine(now, folder, name, record.PrinterName, result));
        return;
    }
    AppendEventLog(PrintedLine(now, folder, name, record.PrinterName));
    if (record.MoveToRecycleBin != 0)
        SendToRecycleBin(path);
}

} // namespace

void AppendEventLog(const std::string& line) {
    const std::string text = SingleLogLine(line) + "\r\n";
    const FileHandle log(CreateFileA(EventLogPath().c_str(), FILE_APPEND_DATA,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    if (log.IsOpen())
        WriteFile(log.Get(), text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void SendToRecycleBin(const std::string& path) {
    // The shell deletes a file for good instead when its path is relative.
    std::vector<char> full(MAX_PATH + 1);
    DWORD length =
        GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length + 1);
        length =
            GetFullPathNameA(path.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    }
    if (length == 0 || length >= full.size())
        return;
    // The source is a list of paths, each ended by NUL, closed by one more NUL.
    std::string source(full.data(), length);
    source.push_back('\0');
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = source.c_str();
    // FOF_NOERRORUI as well: an error dialog would stop the timer until answered.
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI;
    SHFileOperationA(&operation);
}

void RunSchedule(const ScheduleRecord& record) {
    const std::string mask = ScanMask(ScanFolder(record.WatchFolder), record.FilePattern);
    if (mask.empty())
        return;
    const std::string folder = MaskFolder(mask);
    for (const std::string& name : MatchingFiles(mask))
        PrintAndLog(record, folder, name);
}

void CALLBACK UnattendedTick(HWND, UINT, UINT_PTR, DWORD) {
    // A print that lets messages through (the word processor's route) must
    // not start a second pass over the same files.
    static bool running = false;
    if (running)
        return;
    running = true;
    try {
        for (const DecodedSchedule& schedule : LoadAllSchedules()) {
            if (IsScheduleDue(schedule, CurrentLocalTime()))
                RunSchedule(schedule.record);
        }
    } catch (...) {
        // Nothing may leave a timer procedure; the next tick tries again.
    }
    running = false;
}

} // namespace sw
