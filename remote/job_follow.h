// What became of a job a site took: its state read from a Get-Job-Attributes
// answer, the state as the companion shows it, whether it has ended and the
// code its end gives, how often the site is asked, and the printer states
// worth a line before a job is sent. Portable, so that the rules are
// unit-tested on the host.
#pragma once

#include "remote/ipp_message.h"
#include "remote/printer_status.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sw {

// job-state values.
inline constexpr int kJobPending = 3;
inline constexpr int kJobHeld = 4;
inline constexpr int kJobProcessing = 5;
inline constexpr int kJobProcessingStopped = 6;
inline constexpr int kJobCancelled = 7;
inline constexpr int kJobAborted = 8;
inline constexpr int kJobCompleted = 9;

// A question about a job waits at most this long for its answer, whatever
// the answer wait of a document: the follow ends close to its own wait.
inline constexpr std::uint32_t kJobQuestionAnswerSeconds = 10;

struct JobStatus {
    int state = 0; // 0: not said
    std::vector<std::string> reasons;
    std::string message;
};

// The job group of the answer; nothing when it holds no job-state.
std::optional<JobStatus> JobStatusOf(const IppResponse& response);

// "pending", "held", "processing", "stopped", "cancelled", "aborted",
// "completed" (or "in an unknown state"), the reasons other than "none" in
// brackets, and the site's message: "held (printer-stopped): Printer stopped".
std::string DescribeJobState(const JobStatus& status);

// Completed, cancelled or aborted: the site does nothing more with it.
bool HasJobEnded(int state);

// The code the job's state gives when the follow ends with it: 0 for
// completed, kJobCancelledCode, kJobAbortedCode, and kJobNotEndedCode for a
// job still pending, held, processing or stopped (remote_failure_codes.h).
std::int32_t CodeOfJobState(int state);

// How long to wait before asking again, `elapsedMs` after the job was sent:
// every second for the first ten seconds (a short job has ended by then),
// every two seconds up to a minute, then every five; never past `leftMs`,
// the rest of the site's wait.
std::uint32_t NextQuestionDelayMs(std::uint64_t elapsedMs, std::uint64_t leftMs);

// True when the printer's state is worth a line before a job is sent to it:
// it is stopped, or a reason says it will not print soon (media-empty,
// media-needed, media-jam, offline-report, paused, door-open, cover-open,
// toner-empty, marker-supply-empty, spool-area-full, shutdown), with or
// without the "-error", "-warning" or "-report" ending.
bool PrinterStateDelaysJobs(const PrinterStatus& status);

} // namespace sw
