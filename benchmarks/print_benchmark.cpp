// Measures PrintFile's throughput and peak memory against a baseline that sends
// the same file with one WritePrinter call per MiB, in the same run:
//   print_benchmark PRINTER [SIZE_MIB ...]        (default sizes: 1 64 512)
// Each measurement runs in a fresh child process, so that its peak working
// set is its own, and is repeated; the median is reported. Figures only;
// nothing here passes or fails.
#include "printengine/swprint.h"

#include <psapi.h>
#include <winspool.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr DWORD kMiB = 1024 * 1024;
constexpr int kRepeats = 3;

double Seconds() {
    LARGE_INTEGER frequency, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The baseline: the plainest raw job, a MiB per write call.
bool SendPerMiB(const char* printer, const char* file) {
    HANDLE handle = nullptr;
    if (!OpenPrinterA(const_cast<char*>(printer), &handle, nullptr))
        return false;
    HANDLE source = CreateFileA(file, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    bool ok = source != INVALID_HANDLE_VALUE;
    char name[] = "baseline";
    char type[] = "RAW";
    DOC_INFO_1A job = {name, nullptr, type};
    ok = ok && StartDocPrinterA(handle, 1, reinterpret_cast<LPBYTE>(&job)) != 0;
    std::vector<char> buffer(kMiB);
    DWORD got = 0;
    while (ok && ReadFile(source, buffer.data(), kMiB, &got, nullptr) && got > 0) {
        DWORD written = 0;
        ok = WritePrinter(handle, buffer.data(), got, &written) && written == got;
    }
    ok = ok && EndDocPrinter(handle);
    if (source != INVALID_HANDLE_VALUE)
        CloseHandle(source);
    ClosePrinter(handle);
    return ok;
}

// Child: one measurement, printed as "seconds peak-working-set-bytes".
int MeasureOne(const char* method, const char* printer, const char* file) {
    const double start = Seconds();
    const bool ok = std::strcmp(method, "printfile") == 0 ? PrintFile(printer, file) == 0
                                                          : SendPerMiB(printer, file);
    const double elapsed = Seconds() - start;
    PROCESS_MEMORY_COUNTERS memory = {};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    std::printf("%.6f %lu\n", elapsed, static_cast<unsigned long>(memory.PeakWorkingSetSize));
    return ok ? 0 : 1;
}

bool MakeFile(const std::string& path, DWORD mib) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    std::vector<char> block(kMiB);
    for (DWORD i = 0; i < kMiB; ++i)
        block[i] = static_cast<char>('A' + i % 23);
    bool ok = true;
    for (DWORD i = 0; ok && i < mib; ++i) {
        DWORD written = 0;
        ok = WriteFile(file, block.data(), kMiB, &written, nullptr) && written == kMiB;
    }
    CloseHandle(file);
    return ok;
}

struct Figures {
    double seconds = 0;
    unsigned long peakBytes = 0;
};

// Runs this program again as a child for one measurement and reads its figures.
bool RunChild(const char* method, const char* printer, const std::string& file, Figures& out) {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string output = file + "." + method + ".out";
    std::string command =
        std::string("\"") + self + "\" --one " + method + " \"" + printer + "\" \"" + file + "\"";
    SECURITY_ATTRIBUTES inherit = {sizeof(inherit), nullptr, TRUE};
    HANDLE out_file = CreateFileA(output.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                  CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = out_file;
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    const BOOL started = CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                                        nullptr, &startup, &process);
    CloseHandle(out_file);
    if (!started)
        return false;
    WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    FILE* figures = std::fopen(output.c_str(), "r");
    const bool ok = code == 0 && figures != nullptr &&
                    std::fscanf(figures, "%lf %lu", &out.seconds, &out.peakBytes) == 2;
    if (figures != nullptr)
        std::fclose(figures);
    DeleteFileA(output.c_str());
    return ok;
}

// The run with the median time, and the highest peak of all runs.
Figures Median(std::vector<Figures> runs) {
    std::sort(runs.begin(), runs.end(),
              [](const Figures& a, const Figures& b) { return a.seconds < b.seconds; });
    Figures median = runs[runs.size() / 2];
    for (const Figures& run : runs)
        median.peakBytes = std::max(median.peakBytes, run.peakBytes);
    return median;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 5 && std::strcmp(argv[1], "--one") == 0)
        return MeasureOne(argv[2], argv[3], argv[4]);
    if (argc < 2) {
        std::fprintf(stderr, "usage: print_benchmark PRINTER [SIZE_MIB ...]\n");
        return 2;
    }
    const char* printer = argv[1];
    std::vector<DWORD> sizes;
    for (int i = 2; i < argc; ++i)
        sizes.push_back(static_cast<DWORD>(std::strtoul(argv[i], nullptr, 10)));
    if (sizes.empty())
        sizes = {1, 64, 512};

    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    std::printf("%8s  %14s  %14s  %8s  %14s  %14s\n", "size", "PrintFile MB/s", "baseline MB/s",
                "ratio", "PrintFile peak", "baseline peak");
    for (DWORD mib : sizes) {
        const std::string file = std::string(temp) + "swbench-" + std::to_string(mib) + ".prn";
        if (!MakeFile(file, mib)) {
            std::fprintf(stderr, "print_benchmark: cannot write %s\n", file.c_str());
            return 1;
        }
        // Alternate the two, so that neither gains from the other's warm-up.
        std::vector<Figures> printFileRuns(kRepeats), baselineRuns(kRepeats);
        bool ok = true;
        for (int i = 0; ok && i < kRepeats; ++i)
            ok = RunChild("baseline", printer, file, baselineRuns[i]) &&
                 RunChild("printfile", printer, file, printFileRuns[i]);
        DeleteFileA(file.c_str());
        const Figures printFile = Median(printFileRuns);
        const Figures baseline = Median(baselineRuns);
        if (!ok) {
            std::fprintf(stderr, "print_benchmark: printing %lu MiB failed\n",
                         static_cast<unsigned long>(mib));
            return 1;
        }
        const double printFileRate = mib / printFile.seconds;
        const double baselineRate = mib / baseline.seconds;
        std::printf("%4lu MiB  %14.1f  %14.1f  %7.0f%%  %11.1f MiB  %11.1f MiB\n",
                    static_cast<unsigned long>(mib), printFileRate, baselineRate,
                    100.0 * printFileRate / baselineRate, printFile.peakBytes / double(kMiB),
                    baseline.peakBytes / double(kMiB));
        std::fflush(stdout);
    }
    return 0;
}
