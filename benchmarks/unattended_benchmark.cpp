// The cost of an unattended tick against the size of the watched folder and
// the number of schedules. For 1,000, 10,000 and 100,000 files, of which 100
// match "*.prn": listing the whole folder, listing it with a mask that
// matches nothing, a tick with nothing to print, and a tick that prints the
// 100 to PRINTER. Then ticks with nothing to print for 1, 10 and 100
// schedules on the folder of 10,000 files, measured before anything is
// printed, so that the print server's work on the jobs does not weigh on
// them. Each figure is the median of a few runs; a printing run starts from
// nothing printed and measures the tick that prints, after the one that first
// sees the files. Figures only, nothing passes or fails.
//   unattended_benchmark.exe PRINTER [FILES ...]     (default: 1000 10000 100000)
// Run it under Wine with a print server (tools/test-fixture.sh start RUN
// sw_bench, then SW_TEST_RUN=RUN tools/run-under-wine.sh ... sw_bench). Its
// schedule file and event log are the ones beside it; the folder of files is
// made in TEMP and removed again. Under Wine, making and removing 100,000
// files takes most of the run's half hour.
#include "printengine/swprint.h"
#include "unattended/data_files.h"
#include "unattended/schedule_file.h"
#include "unattended/unattended_run.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

// A program that has met no companion and remembers no copies count.
const sw::CompanionControls kNoCompanion = {};
const sw::RememberedCopiesSetting kNothingRemembered;

constexpr int kMatching = 100;
constexpr int kIdleRuns = 5;
constexpr int kPrintingRuns = 3;

double Milliseconds() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Work> double Median(int runs, Work work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const double start = Milliseconds();
        work();
        times.push_back(Milliseconds() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

bool MakeFile(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const char text[] = "A small job of printer text.\r\n\f";
    DWORD written = 0;
    WriteFile(file, text, sizeof(text) - 1, &written, nullptr);
    // Written a minute ago: settled as soon as a scan has seen it once.
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks = {};
    ticks.LowPart = now.dwLowDateTime;
    ticks.HighPart = now.dwHighDateTime;
    ticks.QuadPart -= 60ull * 10000000;
    const FILETIME then = {ticks.LowPart, ticks.HighPart};
    SetFileTime(file, nullptr, nullptr, &then);
    CloseHandle(file);
    return true;
}

// Adds files up to `total`, the first kMatching of them named *.prn.
bool FillFolder(const std::string& folder, int already, int total) {
    for (int i = already; i < total; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), i < kMatching ? "job-%03d.prn" : "data-%06d.txt", i);
        if (!MakeFile(folder + "\\" + name))
            return false;
    }
    return true;
}

int ListFolder(const std::string& mask) {
    int count = 0;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(mask.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return 0;
    do {
        ++count;
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return count;
}

void RemoveFolder(const std::string& folder) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileA((folder + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
}

void WriteSchedules(const std::string& folder, const std::string& pattern, int count,
                    const std::string& printer) {
    DeleteFileA(sw::DataFilePath().c_str());
    sw::ScheduleRecord record;
    record.IntervalMs = 1000;
    record.WatchFolder = folder;
    record.FilePattern = pattern;
    record.PrinterName = printer;
    record.DayMask = 254;
    record.ThroughHour = 23;
    record.ThroughMinute = 59;
    record.ThroughSecond = 59;
    for (int i = 0; i < count; ++i)
        sw::SaveSchedule(record, 0);
}

void Tick() {
    sw::RunUnattendedPass({kNoCompanion, kNothingRemembered});
}

// Idle ticks for 1, 10 and 100 schedules on the folder, as printed lines.
std::string ScheduleSeries(const std::string& folder, const std::string& printer) {
    char line[128];
    std::snprintf(line, sizeof(line), "\n%10s %22s %16s\n", "schedules", "idle tick, 10000 files",
                  "per schedule");
    std::string lines = line;
    for (int schedules : {1, 10, 100}) {
        WriteSchedules(folder, "*.none", schedules, printer);
        const double tick = Median(kIdleRuns, Tick);
        std::snprintf(line, sizeof(line), "%10d %19.1f ms %13.2f ms\n", schedules, tick,
                      tick / schedules);
        lines += line;
    }
    return lines;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: unattended_benchmark PRINTER [FILES ...]\n");
        return 2;
    }
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i)
        sizes.push_back(std::max(kMatching, std::atoi(argv[i])));
    if (sizes.empty())
        sizes = {1000, 10000, 100000};
    std::sort(sizes.begin(), sizes.end());
    LIBMAIN(GetModuleHandleA(nullptr), DLL_PROCESS_ATTACH, nullptr);
    const std::string printer = argv[1];
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "sw-unattended-benchmark";
    RemoveFolder(folder);
    if (!CreateDirectoryA(folder.c_str(), nullptr)) {
        std::fprintf(stderr, "cannot create %s\n", folder.c_str());
        return 1;
    }

    std::printf("Unattended tick on %s, %d matching files; medians of %d runs (printing: %d)\n",
                printer.c_str(), kMatching, kIdleRuns, kPrintingRuns);
    std::printf("%8s %12s %12s %12s %14s %14s\n", "files", "list all", "list mask", "idle tick",
                "print 100", "per printed");
    std::printf("%8s %12s %12s %12s %14s %14s\n", "", "ms", "ms", "ms", "ms", "ms");
    std::string scheduleSeries;
    int made = 0;
    for (int files : sizes) {
        if (!FillFolder(folder, made, files)) {
            std::fprintf(stderr, "cannot fill %s\n", folder.c_str());
            return 1;
        }
        made = files;
        const double listAll = Median(kIdleRuns, [&] { ListFolder(folder + "\\*"); });
        const double listMask = Median(kIdleRuns, [&] { ListFolder(folder + "\\*.none"); });
        WriteSchedules(folder, "*.none", 1, printer);
        const double idle = Median(kIdleRuns, Tick);
        if (files == 10000)
            scheduleSeries = ScheduleSeries(folder, printer);
        WriteSchedules(folder, "*.prn", 1, printer);
        // Each run starts from nothing printed; a first tick sees the files,
        // the tick measured prints them.
        std::vector<double> prints;
        for (int run = 0; run < kPrintingRuns; ++run) {
            DeleteFileA(sw::EventLogPath().c_str());
            DeleteFileA(sw::PrintedFilesPath().c_str());
            sw::ForgetUnattendedMemory();
            Tick();
            prints.push_back(Median(1, Tick));
        }
        std::sort(prints.begin(), prints.end());
        const double printing = prints[prints.size() / 2];
        std::printf("%8d %12.1f %12.1f %12.1f %14.1f %14.2f\n", files, listAll, listMask, idle,
                    printing, printing / kMatching);
        std::fflush(stdout);
    }
    std::printf("%s", scheduleSeries.c_str());

    RemoveFolder(folder);
    DeleteFileA(sw::DataFilePath().c_str());
    DeleteFileA(sw::EventLogPath().c_str());
    DeleteFileA(sw::PrintedFilesPath().c_str());
    return 0;
}
