#include "support/print_server.h"

#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <sstream>

namespace swtest {
namespace {

constexpr DWORD kJobTimeoutMs = 180000; // a large job passes Wine, CUPS and a socket

std::string JobFileName(int number) {
    char name[32];
    std::snprintf(name, sizeof(name), "job-%04d.prn", number);
    return name;
}

// A word for the shell, whatever its characters: blanks in a build path are common.
std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string WindowsPathOf(const std::string& unixPath) {
    std::string path = "Z:" + unixPath;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

} // namespace

std::string UnixRunFolder() {
    const char* run = std::getenv("SW_TEST_RUN");
    if (run == nullptr || *run == '\0') {
        ADD_FAILURE() << "SW_TEST_RUN is not set: run the tests through ctest";
        return std::string();
    }
    return run;
}

std::string RunFolder() {
    return WindowsPathOf(UnixRunFolder());
}

PrinterInbox::PrinterInbox(std::string queue)
    : folder_(RunFolder() + "\\printers\\" + queue + "\\"), seen_(0) {
    // Jobs are numbered in arrival order; a test may have deleted a large one,
    // so the newest is the highest number, not the count.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder_ + "job-*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return;
    do {
        seen_ = std::max(seen_, std::atoi(found.cFileName + 4));
    } while (FindNextFileA(search, &found));
    FindClose(search);
}

std::string PrinterInbox::NextJobPath() {
    const std::string path = folder_ + JobFileName(++seen_);
    for (DWORD waited = 0; !FileExists(path); waited += 50) {
        if (waited >= kJobTimeoutMs) {
            ADD_FAILURE() << "no job arrived at " << path;
            return std::string();
        }
        Sleep(50);
    }
    return path;
}

std::string PrinterInbox::NextJob() {
    const std::string path = NextJobPath();
    return path.empty() ? std::string() : ReadWholeFile(path);
}

int RunHostCommand(const std::string& command, std::string* output) {
    // Wine starts Linux programs by their Z: path, but their process handle
    // does not wait for them: the script reports its end by renaming a status
    // file into place. The command and its output travel through files.
    static int counter = 0;
    const std::string base = UnixRunFolder() + "/hostcmd-" + std::to_string(GetCurrentProcessId()) +
                             "-" + std::to_string(++counter);
    const std::string script = base + ".sh", result = base + ".out", status = base + ".status";
    // The script lets go of the output it inherits from Wine, so that nothing
    // it starts can keep the test runner waiting on that pipe.
    const std::string text = "exec </dev/null >/dev/null 2>&1\n(\n" + command + "\n) >'" + result +
                             "' 2>&1\necho $? >'" + status + ".tmp'\nmv '" + status + ".tmp' '" +
                             status + "'\n";
    HANDLE file = CreateFileA(WindowsPathOf(script).c_str(), GENERIC_WRITE, 0, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);

    std::string commandLine = "Z:\\bin\\sh " + script;
    STARTUPINFOA startup = {};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        ADD_FAILURE() << "cannot start /bin/sh, error " << GetLastError();
        return -1;
    }
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);

    int code = -1;
    for (DWORD waited = 0; waited < kJobTimeoutMs; waited += 50) {
        if (FileExists(WindowsPathOf(status))) {
            code = std::atoi(ReadWholeFile(WindowsPathOf(status)).c_str());
            break;
        }
        Sleep(50);
    }
    EXPECT_NE(code, -1) << "the host command did not finish: " << command;
    if (output != nullptr)
        *output = ReadWholeFile(WindowsPathOf(result));
    for (const std::string& path : {script, result, status})
        DeleteFileA(WindowsPathOf(path).c_str());
    return code;
}

std::vector<std::string> CompletedJobNames(const std::string& queue) {
    const char* source = std::getenv("SW_SOURCE_DIR");
    const std::string script =
        ShellQuoted(std::string(source ? source : ".") + "/tools/printserver.sh");
    const std::string run = ShellQuoted(UnixRunFolder());
    std::string output;
    const int status =
        RunHostCommand(script + " wait-idle " + run + " " + ShellQuoted(queue) + " && " + script +
                           " job-names " + run + " " + ShellQuoted(queue),
                       &output);
    EXPECT_EQ(status, 0) << output;
    std::vector<std::string> names;
    std::istringstream lines(output);
    for (std::string line; std::getline(lines, line);)
        names.push_back(line);
    return names;
}

} // namespace swtest
