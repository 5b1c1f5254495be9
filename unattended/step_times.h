// Where the time of unattended printing goes: each step of a file's way
// through a scan, summed over every pass since the program started (or since
// the last ResetStepTimes); each step is timed on one thread only. Read by
// the load benchmark; a few counter reads per file cost nothing beside a
// print.
#pragma once

#include <cstdint>

namespace sw {

enum class ScanStep {
    Listing,     // listing the folder
    SettleCheck, // settled, already printed, open for writing, a refused link
    JournalNote, // the journal's notes: started, taken, cleared
    Print,       // the print call, until the spooler has the whole job
    Record,      // saving the printed files
    LogLine,     // writing the event log's lines
    RecycleBin,  // moving printed files to the Recycle Bin, as far as the scan waits for it
    ShellMove,   // the shell's move, on its own thread beside the scan
    Count,
};

struct StepTimes {
    double seconds[static_cast<int>(ScanStep::Count)] = {};
    std::uint64_t calls[static_cast<int>(ScanStep::Count)] = {};
};

StepTimes CurrentStepTimes();
void ResetStepTimes();
const char* StepName(ScanStep step);

// Adds the time from its making to its end to `step`.
class StepTimer {
  public:
    explicit StepTimer(ScanStep step);
    ~StepTimer();
    StepTimer(const StepTimer&) = delete;
    StepTimer& operator=(const StepTimer&) = delete;

  private:
    ScanStep step_;
    std::int64_t start_;
};

} // namespace sw
