// A command-line print of a small file, start to exit, as Send To runs it:
// swutil.exe "printer|file" beside the least program that sends the same
// file as one RAW job (raw_send.exe), alternately in the same run, each from
// process creation until the process has ended and the spooler has the job.
// Prints the median, the fastest and the slowest of each; figures only.
//   command_line_benchmark.exe PRINTER FILE [RUNS]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Beside(const char* name) {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.find_last_of('\\') + 1) + name;
}

// Milliseconds from creating the process until it has ended; negative when
// it could not start or ended with an error.
double TimeRun(std::string commandLine) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return -1;
    WaitForSingleObject(process.hProcess, INFINITE);
    QueryPerformanceCounter(&end);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (code != 0)
        return -1;
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

void Report(const char* name, std::vector<double> times) {
    std::sort(times.begin(), times.end());
    std::printf("%-28s median %7.1f ms   fastest %7.1f ms   slowest %7.1f ms\n", name,
                times[times.size() / 2], times.front(), times.back());
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: command_line_benchmark PRINTER FILE [RUNS]\n");
        return 2;
    }
    const std::string printer = argv[1], file = argv[2];
    const int runs = argc > 3 ? std::max(1, std::atoi(argv[3])) : 11;
    const std::string program = "\"" + Beside("swutil.exe") + "\" \"" + printer + "|" + file + "\"";
    const std::string baseline =
        "\"" + Beside("raw_send.exe") + "\" \"" + printer + "\" \"" + file + "\"";
    std::vector<double> programTimes, baselineTimes;
    for (int run = 0; run < runs; ++run) {
        const double a = TimeRun(program), b = TimeRun(baseline);
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "a run failed (swutil %.1f, raw_send %.1f)\n", a, b);
            return 1;
        }
        programTimes.push_back(a);
        baselineTimes.push_back(b);
    }
    std::printf("%d runs each, %s on %s\n", runs, file.c_str(), printer.c_str());
    Report("swutil.exe \"printer|file\"", programTimes);
    Report("raw_send.exe (one RAW job)", baselineTimes);
    std::sort(programTimes.begin(), programTimes.end());
    std::sort(baselineTimes.begin(), baselineTimes.end());
    std::printf("ratio of medians: %.2f\n",
                programTimes[programTimes.size() / 2] / baselineTimes[baselineTimes.size() / 2]);
    return 0;
}
