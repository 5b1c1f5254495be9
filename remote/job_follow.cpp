#include "remote/job_follow.h"

#include "remote/remote_failure_codes.h"

#include <algorithm>
#include <string_view>

namespace sw {
namespace {

std::string Joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

// A reason without its severity: "media-empty-error" is "media-empty".
std::string_view WithoutSeverity(std::string_view reason) {
    for (std::string_view ending : {"-error", "-warning", "-report"}) {
        if (reason.size() > ending.size() &&
            reason.compare(reason.size() - ending.size(), ending.size(), ending) == 0)
            return reason.substr(0, reason.size() - ending.size());
    }
    return reason;
}

} // namespace

std::optional<JobStatus> JobStatusOf(const IppResponse& response) {
    JobStatus status;
    bool stated = false;
    for (const IppAttribute& attribute : response.attributes) {
        if (attribute.group != ipp::kJobGroup || attribute.values.empty())
            continue;
        if (attribute.name == "job-state") {
            status.state = IntegerValue(attribute.values.front());
            stated = true;
        } else if (attribute.name == "job-state-reasons") {
            status.reasons = attribute.values;
        } else if (attribute.name == "job-state-message") {
            status.message = attribute.values.front();
        }
    }
    if (!stated)
        return std::nullopt;
    return status;
}

std::string DescribeJobState(const JobStatus& status) {
    static const char* const kNames[] = {"pending",   "held",    "processing", "stopped",
                                         "cancelled", "aborted", "completed"};
    std::string text = status.state >= kJobPending && status.state <= kJobCompleted
                           ? kNames[status.state - kJobPending]
                           : "in an unknown state";
    std::vector<std::string> reasons;
    for (const std::string& reason : status.reasons) {
        if (!reason.empty() && reason != "none")
            reasons.push_back(reason);
    }
    if (!reasons.empty())
        text += " (" + Joined(reasons) + ")";
    if (!status.message.empty())
        text += ": " + status.message;
    return text;
}

bool HasJobEnded(int state) {
    return state == kJobCancelled || state == kJobAborted || state == kJobCompleted;
}

std::int32_t CodeOfJobState(int state) {
    switch (state) {
    case kJobCompleted:
        return 0;
    case kJobCancelled:
        return kJobCancelledCode;
    case kJobAborted:
        return kJobAbortedCode;
    default:
        return kJobNotEndedCode;
    }
}

std::uint32_t NextQuestionDelayMs(std::uint64_t elapsedMs, std::uint64_t leftMs) {
    const std::uint64_t delay = elapsedMs < 10000 ? 1000 : elapsedMs < 60000 ? 2000 : 5000;
    return static_cast<std::uint32_t>(std::min(delay, leftMs));
}

bool PrinterStateDelaysJobs(const PrinterStatus& status) {
    static const std::string_view kDelaying[] = {
        "media-empty", "media-needed",    "media-jam",          "offline",
        "paused",      "door-open",       "cover-open",         "toner-empty",
        "shutdown",    "spool-area-full", "marker-supply-empty"};
    if (status.state == kPrinterStopped)
        return true;
    for (const std::string& reason : status.reasons) {
        const std::string_view bare = WithoutSeverity(reason);
        if (std::find(std::begin(kDelaying), std::end(kDelaying), bare) != std::end(kDelaying))
            return true;
    }
    return false;
}

} // namespace sw
