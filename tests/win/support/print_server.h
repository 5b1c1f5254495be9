// Access to the test print server from tests under Wine: the bytes each
// virtual printer received, and what CUPS recorded about the jobs.
#pragma once

#include "printengine/swprint.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <vector>

namespace swtest {

// The run folder of the test print server (environment SW_TEST_RUN), as a
// Linux path and as the Windows path Wine maps it to.
std::string UnixRunFolder();
std::string RunFolder();

// The jobs a virtual printer of the print server in `runFolder` (a Windows
// path) receives, one file per job, in arrival order. Created before
// printing, it remembers how many jobs had arrived already.
class PrinterInbox {
  public:
    explicit PrinterInbox(std::string queue, const std::string& runFolder = RunFolder());

    // Waits for the next job, dispatching this thread's messages meanwhile,
    // and returns its file's path; fails the test on timeout.
    std::string NextJobPath();
    // Waits for the next job and returns its bytes.
    std::string NextJob();
    bool HasNextJob() const;

  private:
    std::string JobPath(int number) const;

    std::string folder_;
    int seen_;
};

// Prints a small marker job: when it is the next job the printer receives,
// nothing was sent before it.
inline void ExpectNothingSentBefore(PrinterInbox& inbox, const char* printer) {
    TempFile marker("marker");
    ASSERT_EQ(PrintFile(printer, marker.Path().c_str()), 0);
    EXPECT_EQ(inbox.NextJob(), "marker") << "a job was sent before the marker";
}

// A word for the shell, whatever its characters: blanks in a build path are common.
std::string ShellQuoted(const std::string& text);

// The shell command that runs the print server script with `arguments`.
std::string PrintServerCommand(const std::string& arguments);

// Runs a shell command on the Linux side and returns its exit status; its
// standard output goes to `output` when given.
int RunHostCommand(const std::string& command, std::string* output = nullptr);

// The shell command that runs `command` (lpadmin, cupsreject, ...) against
// the test print server; their folder is on the path.
std::string CupsCommand(const std::string& command);

// The document names of a queue's completed jobs, oldest first, on the print
// server whose run folder is `unixRunFolder`.
std::vector<std::string> CompletedJobNames(const std::string& queue,
                                           const std::string& unixRunFolder = UnixRunFolder());

// Starts a second print server in `unixRunFolder` that listens on a loopback
// TCP port, as a remote site does, with a raw queue `queue` to a virtual
// printer (the program SW_VIRTUAL_PRINTER names); returns its port, 0 when it
// did not start. The fixture's stop ends it with the first server.
int StartSitePrintServer(const std::string& unixRunFolder, const std::string& queue);

// Sets the last error to a value no call returns, so that a test sees
// whether a call set it.
inline void PoisonLastError() {
    SetLastError(0xdeadbeef);
}

} // namespace swtest
