// Access to the test print server from tests under Wine: the bytes each
// virtual printer received, and what CUPS recorded about the jobs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace swtest {

// The run folder of the test print server (environment SW_TEST_RUN), as a
// Linux path and as the Windows path Wine maps it to.
std::string UnixRunFolder();
std::string RunFolder();

// The jobs a virtual printer receives, one file per job, in arrival order.
// Created before printing, it remembers how many jobs had arrived already.
class PrinterInbox {
  public:
    explicit PrinterInbox(std::string queue);

    // Waits for the next job and returns its file's path; fails the test on timeout.
    std::string NextJobPath();
    // Waits for the next job and returns its bytes.
    std::string NextJob();

  private:
    std::string folder_;
    int seen_;
};

// Runs a shell command on the Linux side and returns its exit status; its
// standard output goes to `output` when given.
int RunHostCommand(const std::string& command, std::string* output = nullptr);

// The document names of a queue's completed jobs, oldest first.
std::vector<std::string> CompletedJobNames(const std::string& queue);

// Sets the last error to a value no call returns, so that a test sees
// whether a call set it.
inline void PoisonLastError() {
    SetLastError(0xdeadbeef);
}

} // namespace swtest
