// Unattended printing under load, through the whole chain: files dropped
// into a watched folder, the scan, the print library, the spooler, the print
// server and the printer. A burst of FILES files dropped at once gives the
// files per second from the drop to the last job at the printer; a trickle
// of files dropped one by one gives the time from a file's arrival to its
// job at the printer (which includes the two seconds a file must stay
// unchanged before it is printed). The timer's ticks come every 250 ms, as a
// schedule with that interval has them. Figures only, nothing passes or fails.
//   unattended_load_benchmark.exe PRINTER [FILES] [TRICKLE]  (default 500 and 50)
// Run it under Wine with a print server (tools/test-fixture.sh start RUN
// sw_bench, then SW_TEST_RUN=RUN tools/run-under-wine.sh ... sw_bench): the
// printer's jobs are read from RUN/printers/PRINTER. Its schedule file, event
// log and state files are the ones beside it.
#include "printengine/swprint.h"
#include "unattended/data_files.h"
#include "unattended/schedule_file.h"
#include "unattended/unattended_run.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

namespace {

// A program that has met no companion and remembers no copies count.
const sw::CompanionControls kNoCompanion = {};
const sw::RememberedCopiesSetting kNothingRemembered;

constexpr DWORD kTickMs = 250;
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
    return run + " job " + std::to_string(number) + "\r\n" + std::string(400, 'x') + "\f";
}

void WriteSchedule(const std::string& folder, const std::string& printer) {
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
    record.MoveToRecycleBin = 0;
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
        sw::RunUnattendedPass({kNoCompanion, kNothingRemembered});
        const DWORD tickEnd = GetTickCount() + kTickMs;
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

void Report(const char* what, const std::map<std::string, Drop>& drops) {
    std::vector<double> delays;
    double first = 1e300, last = 0;
    for (const auto& [bytes, drop] : drops) {
        delays.push_back(drop.printed - drop.at);
        first = std::min(first, drop.at);
        last = std::max(last, drop.printed);
    }
    std::sort(delays.begin(), delays.end());
    const auto at = [&](double share) {
        return delays[std::min(delays.size() - 1, static_cast<std::size_t>(share * delays.size()))];
    };
    std::printf("%-8s %6zu files %8.1f files/s   arrival to printer: median %5.2f s, "
                "95%% %5.2f s, max %5.2f s\n",
                what, drops.size(), drops.size() / (last - first), at(0.5), at(0.95),
                delays.back());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: unattended_load_benchmark PRINTER [FILES] [TRICKLE]\n");
        return 2;
    }
    const std::string queue = argv[1];
    const int burst = argc > 2 ? std::max(1, std::atoi(argv[2])) : 500;
    const int trickle = argc > 3 ? std::max(1, std::atoi(argv[3])) : 50;
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
    for (const std::string& path : {sw::EventLogPath(), sw::PrintedFilesPath()})
        DeleteFileA(path.c_str());
    WriteSchedule(folder, queue);
    Printer printer(runFolder + "\\printers\\" + queue);
    const std::string tag = std::to_string(GetTickCount());

    std::printf("Unattended printing to %s, ticks every %lu ms\n", queue.c_str(), kTickMs);
    std::map<std::string, Drop> burstDrops;
    for (int i = 0; i < burst; ++i) {
        char name[32];
        std::snprintf(name, sizeof(name), "\\burst-%05d.prn", i);
        const std::string bytes = JobBytes(tag + " burst", i);
        WriteFile(folder + name, bytes);
        burstDrops[bytes].at = Seconds();
    }
    if (!RunUntilPrinted(printer, burstDrops, burstDrops.size(), [] {}))
        std::printf("the burst did not reach the printer in time\n");
    Report("burst", burstDrops);

    std::map<std::string, Drop> trickleDrops;
    int dropped = 0;
    double nextDrop = Seconds();
    const auto dropDue = [&] {
        while (dropped < trickle && Seconds() >= nextDrop) {
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
    if (!RunUntilPrinted(printer, trickleDrops, static_cast<std::size_t>(trickle), dropDue))
        std::printf("the trickle did not reach the printer in time\n");
    Report("trickle", trickleDrops);

    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            DeleteFileA((folder + "\\" + found.cFileName).c_str());
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(folder.c_str());
    for (const std::string& path : {sw::DataFilePath(), sw::EventLogPath(), sw::PrintedFilesPath()})
        DeleteFileA(path.c_str());
    return 0;
}
