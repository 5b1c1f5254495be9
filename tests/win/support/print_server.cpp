#include "support/print_server.h"

#include "support/file_writer.h"
#include "support/program_driver.h"
#include "support/temp_files.h"
#include "support/text_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace swtest {
constexpr DWORD kJobTimeoutMs = 180000; // a large job passes Wine, CUPS and a socket

std::string UnixRunFolder() {
    const std::string run = EnvironmentText("SW_TEST_RUN");
    if (run.empty())
        ADD_FAILURE() << "SW_TEST_RUN is not set: run the tests through ctest";
    return run;
}

std::string RunFolder() {
    return WindowsPathOf(UnixRunFolder());
}

PrinterInbox::PrinterInbox(std::string queue, const std::string& runFolder)
    : folder_(runFolder + "\\printers\\" + queue + "\\"), seen_(0) {
    // Jobs are numbered in arrival order; a test may have deleted a large one,
    // so the newest is the highest number, not the count.
    for (const std::string& name : FolderListing(folder_, "job-*.*"))
        seen_ = std::max(seen_, std::atoi(name.c_str() + 4));
}

std::string PrinterInbox::JobPath(int number) const {
    char name[32];
    std::snprintf(name, sizeof(name), "job-%04d.prn", number);
    return folder_ + name;
}

bool PrinterInbox::HasNextJob() const {
    return FileExists(JobPath(seen_ + 1));
}

std::string PrinterInbox::NextJobPath() {
    if (!WaitFor([this] { return HasNextJob(); }, kJobTimeoutMs)) {
        ADD_FAILURE() << "no job arrived at " << JobPath(seen_ + 1);
        return std::string();
    }
    return JobPath(++seen_);
}

std::string PrinterInbox::NextJob() {
    const std::string path = NextJobPath();
    return path.empty() ? std::string() : ReadWholeFile(path);
}

std::string ShellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

std::string PrintServerCommand(const std::string& arguments) {
    const std::string source = EnvironmentText("SW_SOURCE_DIR");
    return ShellQuoted((source.empty() ? "." : source) + "/tools/printserver.sh") + " " + arguments;
}

std::string CupsCommand(const std::string& command) {
    return "PATH=\"$PATH:/usr/sbin:/sbin\"; . " + ShellQuoted(UnixRunFolder() + "/env.sh") +
           " && " + command;
}

int RunHostCommand(const std::string& command, std::string* output) {
    // Wine starts Linux programs by their Z: path, but gives them no process
    // handle to wait for: the script reports its end by renaming a status
    // file into place. The command and its output travel through files.
    static int counter = 0;
    const std::string base = UnixRunFolder() + "/hostcmd-" + std::to_string(GetCurrentProcessId()) +
                             "-" + std::to_string(++counter);
    const std::string script = base + ".sh", result = base + ".out", status = base + ".status";
    // The script lets go of the output it inherits from Wine, so that nothing
    // it starts can keep the test runner waiting on that pipe.
    WriteToFile(WindowsPathOf(script), "exec </dev/null >/dev/null 2>&1\n(\n" + command + "\n) >'" +
                                           result + "' 2>&1\necho $? >'" + status + ".tmp'\nmv '" +
                                           status + ".tmp' '" + status + "'\n");
    const RunningProgram shell("Z:\\bin\\sh", script);
    int code = -1;
    if (WaitFor([&] { return FileExists(WindowsPathOf(status)); }, kJobTimeoutMs))
        code = std::atoi(ReadWholeFile(WindowsPathOf(status)).c_str());
    EXPECT_NE(code, -1) << "the host command did not finish: " << command;
    if (output != nullptr)
        *output = ReadWholeFile(WindowsPathOf(result));
    for (const std::string& path : {script, result, status})
        DeleteFileA(WindowsPathOf(path).c_str());
    return code;
}

int StartSitePrintServer(const std::string& unixRunFolder, const std::string& queue) {
    std::string output;
    const std::string command =
        PrintServerCommand("start " + ShellQuoted(unixRunFolder) + " --tcp") +
        " && VIRTUAL_PRINTER=" + ShellQuoted(EnvironmentText("SW_VIRTUAL_PRINTER")) + " " +
        PrintServerCommand("add-printer " + ShellQuoted(unixRunFolder) + " " + queue) + " && cat " +
        ShellQuoted(unixRunFolder + "/ipp.port");
    if (RunHostCommand(command, &output) != 0) {
        ADD_FAILURE() << output;
        return 0;
    }
    return std::atoi(output.c_str());
}

std::vector<std::string> CompletedJobNames(const std::string& queue,
                                           const std::string& unixRunFolder) {
    const std::string run = ShellQuoted(unixRunFolder);
    std::string output;
    const int status =
        RunHostCommand(PrintServerCommand("wait-idle " + run + " " + ShellQuoted(queue)) + " && " +
                           PrintServerCommand("job-names " + run + " " + ShellQuoted(queue)),
                       &output);
    EXPECT_EQ(status, 0) << output;
    return SplitLines(output);
}

} // namespace swtest
