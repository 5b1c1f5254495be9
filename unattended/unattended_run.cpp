// Each file found is printed by the print route with unattended printing's
// rules: as a raw job with the schedule's printer's settings, through the
// word processor for the driver-bypass exceptions, or through the companion
// for a remote printer. Printer and file come from the schedule, never from
// the main window. A file is printed once it has settled, once per version: what was
// printed is remembered in the state files. The journal notes the file
// before its job starts and again once the spooler has taken the whole job,
// so that a stop during the job prints it again and a stop after it only
// finishes the record. Nothing is printed without its note on the disk and
// nothing moved before its log line and record are: a pass that cannot
// write them pauses until a later one can.
#include "unattended/unattended_run.h"

#include "common/handle_guard.h"
#include "common/long_path.h"
#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "printroute/companion_launch.h"
#include "printroute/print_route.h"
#include "printroute/remote_print.h"
#include "settings/setting_names.h"
#include "settings/settings_store.h"
#include "unattended/companion_copies.h"
#include "unattended/data_files.h"
#include "unattended/event_log_line.h"
#include "unattended/file_links.h"
#include "unattended/file_sightings.h"
#include "unattended/held_file.h"
#include "unattended/local_clock.h"
#include "unattended/printed_files.h"
#include "unattended/printed_files_store.h"
#include "unattended/recycle_bin.h"
#include "unattended/scan_paths.h"
#include "unattended/schedule_file.h"
#include "unattended/schedule_timing.h"
#include "unattended/state_files.h"
#include "unattended/state_protection.h"
#include "unattended/step_times.h"

#include <atomic>
#include <memory>
#include <optional>
#include <set>
#include <vector>

namespace sw {
namespace {

constexpr DWORD kSkippedAttributes =
    FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

struct ListedFile {
    std::string name;
    FileVersion version;
};

std::uint64_t TicksOf(const FILETIME& time) {
    return (static_cast<std::uint64_t>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
}

// The files that match the mask, listed before anything is printed, so that
// files moved to the Recycle Bin cannot disturb the listing. Listed through
// the wide calls: a folder path may be longer than 259 characters, and a name
// in UTF-8 longer than the ANSI listing's 259 bytes.
std::vector<ListedFile> MatchingFiles(const std::string& mask) {
    std::vector<ListedFile> files;
    const std::wstring wideMask = SystemPath(mask);
    if (wideMask.empty())
        return files;
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW(wideMask.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return files;
    do {
        if ((found.dwFileAttributes & kSkippedAttributes) != 0)
            continue;
        const std::uint64_t size =
            (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        files.push_back({CodePageText(found.cFileName), {size, TicksOf(found.ftLastWriteTime)}});
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return files;
}

// The folder the mask searches: a pattern may name a subfolder of its own.
std::string MaskFolder(const std::string& mask) {
    const std::size_t last = mask.find_last_of("\\/");
    return last == std::string::npos ? std::string() : mask.substr(0, last + 1);
}

// A printed and logged file to be moved to the Recycle Bin, held until then.
struct OwedMove {
    std::string name;
    std::string key; // the full path
    FileVersion version;
    std::unique_ptr<HeldFile> held;
};

// What unattended printing keeps while the program runs: the printed files
// (loaded from the state files at the first scan), the files seen by the
// last scans, the number of the scan pass, and the last pass that could not
// reach the companion, with the code it got.
struct ScanMemory {
    bool loaded = false;
    PrintedFiles printed;
    FileSightings sightings;
    std::uint64_t pass = 0;
    std::uint64_t companionMissedPass = 0;
    std::int32_t companionMissed = 0;
    int settleSeconds = kDefaultSettleSeconds; // read at each pass
    UnattendedPassResult pause;                // of the pass under way
    bool journalKept = false;                  // the journal holds a print the saved table does not
    std::vector<OwedMove> owedMoves;           // of the schedule being scanned
    std::vector<OwedMove> moving;              // handed to the shell, let go of
};

// Set by StopScanning, from any thread; read between two files.
std::atomic<bool>& ScanningStopped() {
    static std::atomic<bool> stopped{false};
    return stopped;
}

// What prints a remote file where nothing may reach the companion; null: the companion.
std::atomic<DirectRemotePrint>& DirectRemotePrinter() {
    static std::atomic<DirectRemotePrint> print{nullptr};
    return print;
}

ScanMemory& StoredMemory() {
    static ScanMemory memory;
    return memory;
}

// The printed files' state file, held open for appending while a pass runs.
PrintedFilesStore& Store() {
    static PrintedFilesStore store;
    return store;
}

// The event log, held open while a pass runs so that a pass opens it once.
struct PassLog {
    bool inPass = false;
    HANDLE file = INVALID_HANDLE_VALUE;
};

PassLog& EventLog() {
    static PassLog log;
    return log;
}

void CloseEventLog() {
    PassLog& log = EventLog();
    if (log.file != INVALID_HANDLE_VALUE)
        CloseHandle(log.file);
    log.file = INVALID_HANDLE_VALUE;
}

// Cuts the event log back to `size` bytes, through a handle of its own: the
// one that appends may not set the file's end.
void CutLogBackTo(const LARGE_INTEGER& size) {
    const FileHandle log(CreateFileA(EventLogPath().c_str(), GENERIC_WRITE,
                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
    if (log.IsOpen() && SetFilePointerEx(log.Get(), size, nullptr, FILE_BEGIN))
        SetEndOfFile(log.Get());
}

ScanMemory& Memory() {
    ScanMemory& memory = StoredMemory();
    if (!memory.loaded) {
        memory.printed = Store().Load(memory.journalKept);
        memory.loaded = true;
    }
    return memory;
}

// The companion reads the file later, on its own thread: it gets a copy, so
// that the original can be moved or changed at once. A companion that was
// not reached is waited for once per pass: the other remote files of the
// pass fail at once with the same code.
std::int32_t PrepareCompanion(const CompanionControls& companion, const std::string& name,
                              const std::string& path, std::string& copy) {
    ScanMemory& memory = Memory();
    if (memory.companionMissedPass == memory.pass)
        return memory.companionMissed;
    const std::int32_t reached = AwaitCompanion(companion, kCompanionWaitMs);
    if (reached != 0) {
        memory.companionMissedPass = memory.pass;
        memory.companionMissed = reached;
        return reached;
    }
    return CopyForCompanion(path, name, copy);
}

std::int32_t PrintScheduledFile(const std::string& printer, const std::string& name,
                                const std::string& path, const PrintContext& context) {
    // A remote print is logged as printed only once it was sent.
    PrintRequest request{printer, path, std::string(), true, {}};
    const DirectRemotePrint direct = DirectRemotePrinter();
    if (IsRemotePrinter(printer) && direct != nullptr)
        return direct(request, context);
    if (IsRemotePrinter(printer)) {
        const std::int32_t prepared =
            PrepareCompanion(context.companion, name, path, request.handedFile);
        if (prepared != 0)
            return prepared;
    }
    return PrintOnRoute(request, kUnattendedRules, context);
}

void Pause(DWORD error) {
    ScanMemory& memory = Memory();
    if (!memory.pause.paused)
        memory.pause = {true, error != 0 ? error : static_cast<std::uint32_t>(ERROR_WRITE_FAULT)};
}

// Appends what changed in the printed files (with `flush`, onto the disk
// before it returns); pauses the pass when it could not, and keeps the
// changes for the next try.
bool SaveOrPause(bool flush = false) {
    const StepTimer timer(ScanStep::Record);
    if (Store().Save(Memory().printed, flush))
        return true;
    Pause(GetLastError());
    return false;
}

bool LogOrPause(const std::string& line) {
    if (AppendEventLog(line))
        return true;
    Pause(GetLastError());
    return false;
}

std::uint64_t SystemTimeNow() {
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    return TicksOf(now);
}

// The folder as an absolute path with a trailing backslash: files are
// remembered by their full path, however a schedule spells its folder.
std::string FullFolder(const std::string& folder) {
    const std::string relative = folder.empty() ? std::string(".") : folder;
    std::vector<char> full(MAX_PATH + 1);
    DWORD length =
        GetFullPathNameA(relative.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
    if (length >= full.size()) {
        full.resize(length + 1);
        length = GetFullPathNameA(relative.c_str(), static_cast<DWORD>(full.size()), full.data(),
                                  nullptr);
    }
    if (length == 0 || length >= full.size())
        return folder;
    return AddTrailingBackslash(std::string(full.data(), length));
}

// One scan's view of a schedule: where it looks, how it logs, what it remembers.
struct ScanPlace {
    const ScheduleRecord& record;
    const PrintContext& context;
    std::string folder;      // as the log shows it
    std::string fullFolder;  // as the printed files remember it
    std::wstring realFolder; // where it really is, as the link checks want it
};

// Printed files moved to the Recycle Bin together, in one call of the
// shell, at most this many at a time: each stays held until then.
constexpr std::size_t kMovesTogether = 64;

// The batch the shell moves beside the scan, one at a time.
RecycleBinBatch& MovingBatch() {
    static RecycleBinBatch batch;
    return batch;
}

// A printed file the shell did not take: it stays, printed, with a line
// that says why, and is never printed again while it stays as it is.
void LeftInFolder(const ScanPlace& place, const OwedMove& move, std::int32_t code) {
    const std::string& printer = place.record.PrinterName;
    Memory().printed.MarkPrinted(move.key, printer, move.version);
    LogOrPause(PrintedNotMovedLine(CurrentLocalTime(), place.folder, move.name, printer, code));
}

// Waits for the batch under way and takes in each file's outcome.
void TakeMovedBatch(const ScanPlace& place) {
    ScanMemory& memory = Memory();
    if (memory.moving.empty())
        return;
    std::vector<std::int32_t> codes;
    {
        const StepTimer timer(ScanStep::RecycleBin);
        codes = MovingBatch().Finish();
    }
    codes.resize(memory.moving.size(), ERROR_CANCELLED);
    for (std::size_t i = 0; i < memory.moving.size(); ++i) {
        if (codes[i] == 0)
            memory.printed.Forget(memory.moving[i].key, place.record.PrinterName);
        else
            LeftInFolder(place, memory.moving[i], codes[i]);
    }
    memory.moving.clear();
    SaveOrPause();
}

// Hands the files whose move is owed to the shell, together, once their
// records are on the disk, and once the batch before them is taken in; the
// shell moves them while the scan goes on. A file whose name no longer
// names the file held stays where it is.
void MoveOwedFiles(const ScanPlace& place) {
    ScanMemory& memory = Memory();
    TakeMovedBatch(place);
    std::vector<OwedMove> moves;
    moves.swap(memory.owedMoves);
    // Nothing is moved before its line and its record are on the disk.
    if (moves.empty() || !SaveOrPause(true))
        return;
    std::vector<std::string> paths;
    {
        const StepTimer timer(ScanStep::RecycleBin);
        for (OwedMove& move : moves) {
            const std::int32_t code =
                move.held->LetGoForMove(place.folder + move.name, place.realFolder);
            if (code != 0) {
                LeftInFolder(place, move, code);
                continue;
            }
            paths.push_back(move.key);
            memory.moving.push_back(std::move(move));
        }
        if (!paths.empty())
            MovingBatch().Start(std::move(paths));
    }
    SaveOrPause();
}

void OweMove(const ScanPlace& place, const std::string& name, const std::string& key,
             const FileVersion& version, std::unique_ptr<HeldFile> held) {
    std::vector<OwedMove>& moves = Memory().owedMoves;
    moves.push_back({name, key, version, std::move(held)});
    if (moves.size() >= kMovesTogether)
        MoveOwedFiles(place);
}

// Writes the line of a printed file; then, when the schedule says so and it
// is still the version printed, the file `held`, its move is owed (made
// with the others of the pass). The record says so in the note where it
// lies, when the note is the file's, so that it needs no room. A line that
// cannot be written leaves the file owing it, in its folder; a later pass
// writes it with the moment of printing.
void FinishPrinted(const ScanPlace& place, const std::string& name, const std::string& key,
                   const FileVersion& listed, std::unique_ptr<HeldFile> held) {
    PrintedFiles& printed = Memory().printed;
    const std::string& printer = place.record.PrinterName;
    const FileEntry* taken = printed.Taken(key, printer);
    if (taken == nullptr)
        return;
    const FileVersion version = taken->version;
    const LocalTime at = MomentOfSeconds(taken->loggedAt);
    if (!LogOrPause(PrintedLine(at, place.folder, name, printer)))
        return;
    const bool moves = place.record.MoveToRecycleBin != 0 && listed == version;
    if (moves)
        printed.MarkLogged(key, printer, version);
    else
        printed.MarkPrinted(key, printer, version);
    {
        const StepTimer timer(ScanStep::Record);
        Store().TurnNote(key, printer, FileMark::Taken,
                         moves ? FileMark::Logged : FileMark::Printed);
    }
    SaveOrPause();
    if (moves)
        OweMove(place, name, key, version, std::move(held));
}

// After the spooler took the whole job: the journal's note says so, on the
// disk, before anything else is done. When it cannot, the printed files get
// a Taken record; when they cannot either the pass pauses with the file's
// line owed, so that a stop still finds the print.
void RecordTaken(const ScanPlace& place, const ListedFile& file, const std::string& key,
                 std::unique_ptr<HeldFile> held) {
    ScanMemory& memory = Memory();
    bool noted = false;
    {
        const StepTimer timer(ScanStep::JournalNote);
        noted = Store().MarkNoteTaken();
    }
    memory.printed.MarkTaken(key, place.record.PrinterName, file.version,
                             MomentSeconds(CurrentLocalTime()));
    // A note that could not be turned: the Taken record goes on the disk instead.
    if (!noted && !SaveOrPause(true))
        return;
    FinishPrinted(place, file.name, key, file.version, std::move(held));
}

// The same failure is logged at most every ten minutes.
void LogFailure(const ScanPlace& place, const ListedFile& file, std::int32_t result) {
    const std::string& printer = place.record.PrinterName;
    const LocalTime at = CurrentLocalTime();
    if (Memory().printed.ShouldLogFailure(place.fullFolder + file.name, printer, file.version,
                                          result, MomentSeconds(at)))
        AppendEventLog(NotPrintedLine(at, place.folder, file.name, printer, result));
}

void PrintIfDue(const ScanPlace& place, const ListedFile& file, std::uint64_t now) {
    ScanMemory& memory = Memory();
    if (memory.pause.paused)
        return;
    const std::string path = place.folder + file.name;
    const std::string key = place.fullFolder + file.name;
    const std::string& printer = place.record.PrinterName;
    std::optional<StepTimer> settleTimer(std::in_place, ScanStep::SettleCheck);
    const bool settled =
        memory.sightings.Settled(key, file.version, memory.pass, now, memory.settleSeconds);
    const FileVerdict verdict = memory.printed.Consider(key, printer, file.version);
    if (verdict == FileVerdict::LineOwed || verdict == FileVerdict::AlreadyPrinted || !settled ||
        verdict == FileVerdict::MayHaveBeenPrinted || verdict == FileVerdict::MoveOwed)
        settleTimer.reset();
    if (verdict == FileVerdict::LineOwed) {
        FinishPrinted(place, file.name, key, file.version, std::make_unique<HeldFile>(path));
        return;
    }
    if (verdict == FileVerdict::MoveOwed) {
        if (place.record.MoveToRecycleBin != 0) {
            OweMove(place, file.name, key, file.version, std::make_unique<HeldFile>(path));
        } else {
            memory.printed.MarkPrinted(key, printer, file.version);
            SaveOrPause();
        }
        return;
    }
    if (verdict == FileVerdict::AlreadyPrinted || !settled)
        return;
    if (verdict == FileVerdict::MayHaveBeenPrinted) {
        if (LogOrPause(
                MayHaveBeenPrintedLine(CurrentLocalTime(), place.folder, file.name, printer))) {
            memory.printed.MarkPrinted(key, printer, file.version);
            SaveOrPause();
        }
        return;
    }
    // Held from here until its print and move are done: checked through the
    // handle, and no other program can put another file in its place.
    auto held = std::make_unique<HeldFile>(path);
    if (held->IsBeingWritten())
        return;
    if (!held->IsOpen()) {
        LogFailure(place, file, static_cast<std::int32_t>(held->OpenError()));
        return;
    }
    // Neither printed nor moved: logged once, left where it is.
    const std::int32_t refused = held->Refusal(place.realFolder);
    settleTimer.reset();
    if (refused != 0) {
        if (FirstRefusal(key + '|' + printer))
            AppendEventLog(
                NotPrintedLine(CurrentLocalTime(), place.folder, file.name, printer, refused));
        return;
    }
    // Changed since the listing: it has not settled as this version.
    if (!held->Is(file.version))
        return;

    FileEntry note;
    note.mark = FileMark::Started;
    note.version = file.version;
    note.loggedAt = MomentSeconds(CurrentLocalTime());
    note.printer = printer;
    note.path = key;
    // A print the journal does not know of could not be told from one never
    // made after a stop: without its note the file waits.
    {
        const StepTimer timer(ScanStep::JournalNote);
        if (!Store().Save(memory.printed, false, &note)) {
            Pause(GetLastError());
            return;
        }
    }
    std::int32_t result = 0;
    {
        const StepTimer timer(ScanStep::Print);
        result = PrintScheduledFile(printer, file.name, path, place.context);
    }
    if (result == 0) {
        RecordTaken(place, file, key, std::move(held));
        return;
    }
    // The Started note stays among the records: a start passes over it.
    LogFailure(place, file, result);
}

// Files remembered in the folder for the printer that this scan did not list
// are forgotten when they are gone; one gone while its line was owed gets
// its line first.
void ForgetGoneFiles(const ScanPlace& place, const std::set<std::string>& listed) {
    PrintedFiles& printed = Memory().printed;
    const std::string& printer = place.record.PrinterName;
    for (const std::string& path : printed.Unlisted(place.fullFolder, printer, listed)) {
        if (!IsFileGone(path))
            continue;
        const FileEntry* taken = printed.Taken(path, printer);
        if (taken != nullptr &&
            !LogOrPause(PrintedLine(MomentOfSeconds(taken->loggedAt), place.folder,
                                    path.substr(place.fullFolder.size()), printer)))
            return;
        printed.Forget(path, printer);
    }
}

// A print that lets messages through (the word processor's route, the wait
// for the companion) may let a tick or the dialog's Test in: only the first
// scan runs, so that no second one prints the same files meanwhile.
class ScanGuard {
  public:
    ScanGuard() : first_(!scanning) { scanning = true; }
    ~ScanGuard() {
        if (first_)
            scanning = false;
    }
    ScanGuard(const ScanGuard&) = delete;
    ScanGuard& operator=(const ScanGuard&) = delete;
    bool First() const { return first_; }

  private:
    static bool scanning;
    bool first_;
};
bool ScanGuard::scanning = false;

void ScanInPass(const ScheduleRecord& record, const PrintContext& context) {
    const std::string mask = ScanMask(ScanFolder(record.WatchFolder), record.FilePattern);
    if (mask.empty())
        return;
    const std::string folder = MaskFolder(mask);
    const std::string fullFolder = FullFolder(folder);
    const ScanPlace place{record, context, folder, fullFolder, RealFolderPath(fullFolder)};
    const std::uint64_t now = SystemTimeNow();
    std::set<std::string> listed;
    std::vector<ListedFile> files;
    {
        const StepTimer timer(ScanStep::Listing);
        files = MatchingFiles(mask);
    }
    for (const ListedFile& file : files) {
        if (ScanningStopped())
            break;
        listed.insert(UpperCase(file.name));
        PrintIfDue(place, file, now);
    }
    MoveOwedFiles(place);
    TakeMovedBatch(place);
    // A scan cut short did not list every file it still holds.
    if (!Memory().pause.paused && !ScanningStopped())
        ForgetGoneFiles(place, listed);
    SaveOrPause();
}

// What every pass does last: the printed files' records onto the disk, the
// state file and the event log let go of.
UnattendedPassResult EndPass() {
    CloseEventLog();
    EventLog().inPass = false;
    ScanMemory& memory = Memory();
    bool saved = false;
    {
        const StepTimer timer(ScanStep::Record);
        saved = Store().EndPass(memory.printed);
    }
    if (!saved)
        Pause(GetLastError());
    return memory.pause;
}

// Lets go of the pass's files however the pass ends.
struct PassFiles {
    PassFiles() = default;
    PassFiles(const PassFiles&) = delete;
    PassFiles& operator=(const PassFiles&) = delete;
    ~PassFiles() {
        // A pass cut short leaves no batch under way and holds no file: the
        // records still owe their moves, made by a later pass.
        MovingBatch().Finish();
        StoredMemory().moving.clear();
        StoredMemory().owedMoves.clear();
        CloseEventLog();
        EventLog().inPass = false;
        Store().Close();
    }
};

// What every pass does first: reads the settling time, and brings the
// printed files to the disk when an earlier pass could not, clearing the
// journal they make needless.
void BeginPass() {
    ScanMemory& memory = Memory();
    ++memory.pass;
    memory.pause = UnattendedPassResult();
    memory.settleSeconds =
        SettleSecondsFrom(ReadSetting(SettingsFilePath(), kUnattendedSection, kSettleSecondsKey));
    EventLog().inPass = true;
    if (SaveOrPause(true) && memory.journalKept) {
        ClearPrintingNote();
        memory.journalKept = false;
    }
}

} // namespace

bool AppendEventLog(const std::string& line) {
    const StepTimer timer(ScanStep::LogLine);
    const std::string text = SingleLogLine(line) + "\r\n";
    PassLog& pass = EventLog();
    if (pass.file == INVALID_HANDLE_VALUE) {
        const HANDLE opened =
            CreateFileA(EventLogPath().c_str(),
                        FILE_APPEND_DATA | FILE_READ_ATTRIBUTES | UnattendedFileExtraAccess(),
                        FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (opened == INVALID_HANDLE_VALUE)
            return false;
        // A log the window began is protected once the service writes to it.
        if (!ProtectUnattendedFile(opened)) {
            const DWORD error = GetLastError();
            CloseHandle(opened);
            SetLastError(error);
            return false;
        }
        pass.file = opened;
    }
    // Outside a pass the log is let go of at once.
    const FileHandle single(pass.inPass ? INVALID_HANDLE_VALUE : pass.file);
    const HANDLE log = pass.file;
    if (!pass.inPass)
        pass.file = INVALID_HANDLE_VALUE;
    LARGE_INTEGER before = {};
    const bool sized = GetFileSizeEx(log, &before) != 0;
    DWORD written = 0;
    const bool wrote =
        WriteFile(log, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) != 0;
    if (wrote && written == text.size())
        return true;
    // A short write (the disk took only part of it) is cut off again, so that
    // the log holds no half line and the next line starts on its own.
    const DWORD error = wrote || GetLastError() == 0 ? ERROR_DISK_FULL : GetLastError();
    if (sized)
        CutLogBackTo(before);
    SetLastError(error);
    return false;
}

UnattendedPassResult RunSchedule(const ScheduleRecord& record, const PrintContext& context) {
    const ScanGuard guard;
    if (!guard.First())
        return UnattendedPassResult();
    const PassFiles files;
    BeginPass();
    if (!Memory().pause.paused)
        ScanInPass(record, context);
    return EndPass();
}

UnattendedPassResult RunUnattendedPass(const PrintContext& context) {
    const ScanGuard guard;
    if (!guard.First())
        return UnattendedPassResult();
    try {
        const PassFiles files;
        BeginPass();
        ScanMemory& memory = Memory();
        for (const DecodedSchedule& schedule : LoadAllSchedules()) {
            if (memory.pause.paused || ScanningStopped())
                break;
            if (IsScheduleDue(schedule, CurrentLocalTime()))
                ScanInPass(schedule.record, context);
        }
        // A paused or stopped pass did not look at every file: none is forgotten.
        if (!memory.pause.paused && !ScanningStopped())
            memory.sightings.ForgetUnseenSince(memory.pass);
        RemoveOldCompanionCopies();
        return EndPass();
    } catch (...) {
        // Nothing may leave a timer procedure; the next tick tries again.
        return UnattendedPassResult();
    }
}

void StopScanning() {
    ScanningStopped() = true;
}

void PrintRemotePrintersWith(DirectRemotePrint print) {
    DirectRemotePrinter() = print;
}

void ForgetUnattendedMemory() {
    MovingBatch().Finish();
    Store().Close();
    CloseEventLog();
    StoredMemory() = ScanMemory();
}

} // namespace sw
