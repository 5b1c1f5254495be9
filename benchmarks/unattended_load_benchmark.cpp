// Unattended printing under load, through the whole chain: files dropped
// into a watched folder, the scan, the print library, the spooler, the print
// server and the printer, against the least program that prints the same
// files, one RAW job per file, one after another, and nothing else. The least
// program runs before and after unattended printing in the same run, and the
// faster of its two runs counts. Files per second run from the start (the
// first tick, over files whose last write is older than the settling time,
// so that the settling rule costs one tick) to the last job at the printer.
// A trickle of files dropped one by one gives the time from a file's arrival
// to its job at the printer (which includes the settling time). The timer's
// ticks come every 500 ms, as a schedule with that interval has them.
// With --idle-history it measures instead a tick with nothing to print while
// the printed files' history holds 1,000 and then 20,000 printed files: the
// watched folder keeps 100 of them, printed and unchanged, the rest stay in
// a folder beside it that no schedule watches; the history is written as
// the state file a start reads, and the first tick (the start) is not timed.
// Figures only, nothing passes or fails.
//   unattended_load_benchmark.exe PRINTER [FILES] [--recycle-bin] [--steps] [--trickle N]
//   unattended_load_benchmark.exe PRINTER --idle-history
// FILES defaults to 1000; --recycle-bin has the schedule move printed files
// to the Recycle Bin; --steps prints where the time of the ticks went, step
// by step; --trickle N adds a trickle of N files. Run it under Wine with a
// print server (tools/test-fixture.sh start RUN sw_bench, then
// SW_TEST_RUN=RUN tools/run-under-wine.sh ... sw_bench): the printer's jobs
// are read from RUN/printers/PRINTER. Its schedule file, event log and state
// files are the ones beside it.
#include "printengine/swprint.h"
#include "unattended/data_files.h"
#include "unattended/printed_files_codec.h"
#include "unattended/schedule_file.h"
#include "unattended/step_times.h"
#include "unattended/unattended_run.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <winspool.h>

namespace {

// A program that has met no companion and remembers no copies count.
const sw::CompanionControls kNoCompanion = {};
const sw::RememberedCopiesSetting kNothingRemembered;

constexpr DWORD kTickMs = 500;
constexpr std::size_t kFileBytes = 3000;
constexpr DWORD kTrickleGapMs = 200;
constexpr DWORD kGiveUpMs = 600000;

double Seconds() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::string Environment(const char* name) {
    char value[1024] = {};
    const DWORD length = GetEnvironmentVariableA(name, value, sizeof(value));
    return length > 0 && length < sizeof(value) ? value : "";
}

std::string ReadFile(const std::string& path) {
    std::string bytes;
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char block[4096];
    DWORD got = 0;
    while (::ReadFile(file, block, sizeof(block), &got, nullptr) && got > 0)
        bytes.append(block, got);
    CloseHandle(file);
    return bytes;
}

void WriteFile(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    ::WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
}

// The jobs a virtual printer stores, one file each, numbered in arrival order.
class Printer {
  public:
    explicit Printer(const std::string& folder) : folder_(folder) {
        while (Exists(next_ + 1))
            ++next_;
    }
    // The bytes of each job that has arrived since the last call.
    std::vector<std::string> Arrived() {
        std::vector<std::string> jobs;
        while (Exists(next_ + 1))
            jobs.push_back(ReadFile(Path(++next_)));
        return jobs;
    }

  private:
    std::string Path(int number) const {
        char name[32];
        std::snprintf(name, sizeof(name), "\\job-%04d.prn", number);
        return folder_ + name;
    }
    bool Exists(int number) const {
        return GetFileAttributesA(Path(number).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    std::string folder_;
    int next_ = 0;
};

std::string JobBytes(const std::string& run, int number) {
    std::string bytes = run + " job " + std::to_string(number) + "\r\n";
    bytes.resize(kFileBytes - 1, 'x');
    return bytes + "\f";
}

void WriteSchedule(const std::string& folder, const std::string& printer, bool recycleBin) {
    DeleteFileA(sw::DataFilePath().c_str());
    sw::ScheduleRecord record;
    record.IntervalMs = static_cast<std::int32_t>(kTickMs);
    record.WatchFolder = folder;
    record.FilePattern = "*.prn";
    record.PrinterName = printer;
    record.DayMask = 254;
    record.ThroughHour = 23;
    record.ThroughMinute = 59;
    record.ThroughSecond = 59;
    record.MoveToRecycleBin = recycleBin ? 1 : 0;
    sw::SaveSchedule(record, 0);
}

struct Drop {
    double at = 0;
    double printed = -1;
};

// Ticks until every dropped file is at the printer; `drop` is called before
// each tick and drops what is due. Returns false on giving up.
template <typename DropDue>
bool RunUntilPrinted(Printer& printer, std::map<std::string, Drop>& drops, std::size_t total,
                     DropDue dropDue) {
    const DWORD start = GetTickCount();
    std::size_t done = 0;
    while (done < total && GetTickCount() - start < kGiveUpMs) {
        dropDue();
        // The timer's next tick is due an interval after this one began.
        const DWORD tickEnd = GetTickCount() + kTickMs;
        sw::RunUnattendedPass({kNoCompanion, kNothingRemembered});
        do {
            for (const std::string& job : printer.Arrived()) {
                const auto found = drops.find(job);
                if (found != drops.end() && found->second.printed < 0) {
                    found->second.printed = Seconds();
                    ++done;
                }
            }
            Sleep(10);
        } while (static_cast<LONG>(GetTickCount() - tickEnd) < 0);
    }
    return done == total;
}

// Prints the files per second from `start` to the last job and the arrival
// times, and returns the files per second.
double Report(const char* what, const std::map<std::string, Drop>& drops, double start) {
    std::vector<double> delays;
    double last = 0;
    for (const auto& [bytes, drop] : drops) {
        delays.push_back(drop.printed - drop.at);
        last = std::max(last, drop.printed);
    }
    std::sort(delays.begin(), delays.end());
    const auto at = [&](double share) {
        return delays[std::min(delays.size() - 1, static_cast<std::size_t>(share * delays.size()))];
    };
    const double rate = drops.size() / (last - start);
    std::printf("%-12s %6zu files %8.1f files/s   arrival to printer: median %5.2f s, "
                "95%% %5.2f s, max %5.2f s\n",
                what, drops.size(), rate, at(0.5), at(0.95), delays.back());
    std::fflush(stdout);
    return rate;
}

// The least program: each file read whole and sent as one RAW job, one
// after another. Returns the files per second from the first read to the
// last job at the printer; 0 when a job could not be sent.
double PrintLeast(const std::string& queue, Printer& printer,
                  const std::vector<std::string>& paths) {
    const double start = Seconds();
    for (const std::string& path : paths) {
        const std::string bytes = ReadFile(path);
        HANDLE handle = nullptr;
        if (!OpenPrinterA(const_cast<char*>(queue.c_str()), &handle, nullptr))
            return 0;
        DOC_INFO_1A document = {const_cast<char*>("least"), nullptr, const_cast<char*>("RAW")};
        DWORD written = 0;
        const bool sent = StartDocPrinterA(handle, 1, reinterpret_cast<LPBYTE>(&document)) != 0 &&
                          WritePrinter(handle, const_cast<char*>(bytes.data()),
                                       static_cast<DWORD>(bytes.size()), &written) &&
                          EndDocPrinter(handle);
        ClosePrinter(handle);
        if (!sent)
            return 0;
    }
    std::size_t arrived = 0;
    double last = Seconds();
    const DWORD begun = GetTickCount();
    while (arrived < paths.size() && GetTickCount() - begun < kGiveUpMs) {
        const std::size_t now = printer.Arrived().size();
        if (now > 0)
            last = Seconds();
        arrived += now;
        Sleep(10);
    }
    const double rate = arrived == paths.size() ? paths.size() / (last - start) : 0;
    std::printf("%-12s %6zu files %8.1f files/s\n", "least", paths.size(), rate);
    std::fflush(stdout);
    return rate;
}

void PrintStepTimes(std::size_t files) {
    const sw::StepTimes times = sw::CurrentStepTimes();
    std::printf("where the ticks' time went, %zu files:\n", files);
    for (int i = 0; i < static_cast<int>(sw::ScanStep::Count); ++i) {
        const auto step = static_cast<sw::ScanStep>(i);
        std::printf("  %-14s %8.3f s %8llu calls %8.3f ms a file\n", sw::StepName(step),
                    times.seconds[i], static_cast<unsigned long long>(times.calls[i]),
                    1000.0 * times.seconds[i] / static_cast<double>(files));
    }
    std::fflush(stdout);
}

void EmptyFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        DeleteFileA((folder + "\\" + found.cFileName).c_str());
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

// The printed file entry of each file of `folder` (a full path), as the
// scan lists it.
void AddPrinted(const std::string& folder, const std::string& printer,
                std::vector<sw::FileEntry>& entries) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            continue;
        sw::FileEntry entry;
        entry.mark = sw::FileMark::Printed;
        entry.version.size =
            (static_cast<std::uint64_t>(found.nFileSizeHigh) << 32) | found.nFileSizeLow;
        entry.version.lastWrite =
            (static_cast<std::uint64_t>(found.ftLastWriteTime.dwHighDateTime) << 32) |
            found.ftLastWriteTime.dwLowDateTime;
        entry.printer = printer;
        entry.path = folder + "\\" + found.cFileName;
        entries.push_back(entry);
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::string FullPath(const std::string& path) {
    char full[MAX_PATH] = {};
    const DWORD length = GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return length > 0 && length < MAX_PATH ? std::string(full, length) : path;
}

// The median time of a tick with nothing to print while the history holds
// `history` printed files, 100 of them in the watched folder.
double IdleTickWithHistory(const std::string& queue, const std::string& watched,
                           const std::string& beside, int history) {
    constexpr int kWatched = 100;
    constexpr int kTicks = 9;
    for (int i = 0; i < history; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "\\printed-%05d.prn", i);
        const std::string path = (i < kWatched ? watched : beside) + name;
        if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            WriteFile(path, JobBytes("history", i));
    }
    std::vector<sw::FileEntry> entries;
    AddPrinted(FullPath(watched), queue, entries);
    AddPrinted(FullPath(beside), queue, entries);
    DeleteFileA(sw::PrintedFilesPath().c_str());
    WriteFile(sw::PrintedFilesPath(), sw::EncodePrintedFiles(entries));
    WriteSchedule(watched, queue, false);
    sw::ForgetUnattendedMemory(); // a start: the first tick reads the history
    sw::RunUnattendedPass({kNoCompanion, kNothingRemembered});
    std::vector<double> times;
    for (int tick = 0; tick < kTicks; ++tick) {
        const double start = Seconds();
        sw::RunUnattendedPass({kNoCompanion, kNothingRemembered});
        times.push_back(Seconds() - start);
    }
    std::sort(times.begin(), times.end());
    std::printf("idle tick, history of %6d printed files: %8.3f ms (median of %d)\n", history,
                1000.0 * times[times.size() / 2], kTicks);
    std::fflush(stdout);
    return times[times.size() / 2];
}

void MeasureIdleTicks(const std::string& queue, const std::string& watched) {
    const std::string beside = watched + "-history";
    CreateDirectoryA(beside.c_str(), nullptr);
    EmptyFolder(beside);
    const double small = IdleTickWithHistory(queue, watched, beside, 1000);
    const double large = IdleTickWithHistory(queue, watched, beside, 20000);
    std::printf("idle tick ratio, 20,000 against 1,000 printed files: %.2f\n",
                small > 0 ? large / small : 0.0);
    std::fflush(stdout);
    EmptyFolder(beside);
    RemoveDirectoryA(beside.c_str());
}

struct Options {
    std::string queue;
    int burst = 1000;
    int trickle = 0;
    bool recycleBin = false;
    bool steps = false;
    bool idleHistory = false;
};

bool ReadOptions(int argc, char** argv, Options& options) {
    if (argc < 2)
        return false;
    options.queue = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--recycle-bin")
            options.recycleBin = true;
        else if (word == "--steps")
            options.steps = true;
        else if (word == "--idle-history")
            options.idleHistory = true;
        else if (word == "--trickle" && i + 1 < argc)
            options.trickle = std::max(1, std::atoi(argv[++i]));
        else if (!word.empty() && word[0] != '-')
            options.burst = std::max(1, std::atoi(word.c_str()));
        else
            return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ReadOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: unattended_load_benchmark PRINTER [FILES] [--recycle-bin] "
                             "[--steps] [--trickle N]\n"
                             "       unattended_load_benchmark PRINTER --idle-history\n");
        return 2;
    }
    const std::string& queue = options.queue;
    const std::string run = Environment("SW_TEST_RUN");
    if (run.empty()) {
        std::fprintf(stderr, "SW_TEST_RUN must name the print server's run folder\n");
        return 2;
    }
    std::string runFolder = "Z:" + run;
    std::replace(runFolder.begin(), runFolder.end(), '/', '\\');
    LIBMAIN(GetModuleHandleA(nullptr), DLL_PROCESS_ATTACH, nullptr);

    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "sw-unattended-load";
    CreateDirectoryA(folder.c_str(), nullptr);
    EmptyFolder(folder);
    for (const std::string& path : {sw::EventLogPath(), sw::PrintedFilesPath()})
        DeleteFileA(path.c_str());
    if (options.idleHistory) {
        MeasureIdleTicks(queue, folder);
        EmptyFolder(folder);
        RemoveDirectoryA(folder.c_str());
        for (const std::string& path :
             {sw::DataFilePath(), sw::EventLogPath(), sw::PrintedFilesPath()})
            DeleteFileA(path.c_str());
        return 0;
    }
    WriteSchedule(folder, queue, options.recycleBin);
    Printer printer(runFolder + "\\printers\\" + queue);
    const std::string tag = std::to_string(GetTickCount());

    std::printf("Unattended printing to %s, ticks every %lu ms, Recycle Bin %s\n", queue.c_str(),
                kTickMs, options.recycleBin ? "on" : "off");
    std::map<std::string, Drop> burstDrops;
    std::vector<std::string> paths;
    const auto dropBurst = [&] {
        for (int i = 0; i < options.burst; ++i) {
            char name[32];
            std::snprintf(name, sizeof(name), "\\burst-%05d.prn", i);
            const std::string path = folder + name;
            if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES)
                continue;
            const std::string bytes = JobBytes(tag + " burst", i);
            WriteFile(path, bytes);
            burstDrops[bytes].at = Seconds();
            if (paths.size() < static_cast<std::size_t>(options.burst))
                paths.push_back(path);
        }
    };
    dropBurst();
    const double before = PrintLeast(queue, printer, paths);
    // The files' last write is older than the settling time by now: the first
    // tick sees them, the next one prints them.
    for (auto& [bytes, drop] : burstDrops)
        drop.at = Seconds();
    sw::ResetStepTimes();
    const double start = Seconds();
    if (!RunUntilPrinted(printer, burstDrops, burstDrops.size(), [] {}))
        std::printf("the burst did not reach the printer in time\n");
    const double unattended = Report("unattended", burstDrops, start);
    if (options.steps)
        PrintStepTimes(burstDrops.size());
    dropBurst(); // the Recycle Bin took them
    const double after = PrintLeast(queue, printer, paths);
    const double least = std::max(before, after);
    std::printf("ratio %.2f (unattended %.1f files/s, the least program %.1f files/s, "
                "Recycle Bin %s, %zu files)\n",
                least > 0 ? unattended / least : 0.0, unattended, least,
                options.recycleBin ? "on" : "off", burstDrops.size());
    std::fflush(stdout);

    if (options.trickle > 0) {
        std::map<std::string, Drop> trickleDrops;
        int dropped = 0;
        double nextDrop = Seconds();
        const auto dropDue = [&] {
            while (dropped < options.trickle && Seconds() >= nextDrop) {
                char name[32];
                std::snprintf(name, sizeof(name), "\\trickle-%05d.prn", dropped);
                const std::string bytes = JobBytes(tag + " trickle", dropped);
                WriteFile(folder + name, bytes);
                trickleDrops[bytes].at = Seconds();
                ++dropped;
                nextDrop += kTrickleGapMs / 1000.0;
            }
        };
        // Drops happen between ticks too: the wait inside each tick drops as well.
        const double trickleStart = Seconds();
        if (!RunUntilPrinted(printer, trickleDrops, static_cast<std::size_t>(options.trickle),
                             dropDue))
            std::printf("the trickle did not reach the printer in time\n");
        Report("trickle", trickleDrops, trickleStart);
    }

    EmptyFolder(folder);
    RemoveDirectoryA(folder.c_str());
    for (const std::string& path : {sw::DataFilePath(), sw::EventLogPath(), sw::PrintedFilesPath()})
        DeleteFileA(path.c_str());
    return 0;
}
