#include "remote/request_waits.h"

#include <algorithm>

namespace sw {
namespace {

constexpr std::uint32_t kResolveMs = 10000;
constexpr std::uint32_t kConnectMs = 10000;
// Requests without a document are small: below this they add nothing.
constexpr std::uint64_t kSmallBody = 64 * 1024;

} // namespace

RequestWaits RequestWaitsFor(std::uint64_t bodyBytes, std::uint32_t answerWaitSeconds) {
    const std::uint64_t base =
        std::clamp<std::uint32_t>(answerWaitSeconds, 1, kLongestAnswerWaitSeconds);
    const std::uint64_t extra = bodyBytes <= kSmallBody ? 0 : bodyBytes / kBytesPerExtraSecond;
    const std::uint64_t answer = std::min<std::uint64_t>(base + extra, kLongestAnswerWaitSeconds);
    RequestWaits waits;
    // A site that is slow to be found or to connect is not waited for
    // longer than its answer would be.
    waits.resolveMs = static_cast<std::uint32_t>(std::min<std::uint64_t>(kResolveMs, base * 1000));
    waits.connectMs = static_cast<std::uint32_t>(std::min<std::uint64_t>(kConnectMs, base * 1000));
    waits.sendMs = static_cast<std::uint32_t>(base * 1000);
    waits.answerMs = static_cast<std::uint32_t>(answer * 1000);
    return waits;
}

std::uint32_t AnswerWaitSeconds(std::string_view entry) {
    while (!entry.empty() && entry.front() == ' ')
        entry.remove_prefix(1);
    while (!entry.empty() && entry.back() == ' ')
        entry.remove_suffix(1);
    if (entry.empty() || entry.size() > 4)
        return kDefaultAnswerWaitSeconds;
    std::uint32_t seconds = 0;
    for (const char c : entry) {
        if (c < '0' || c > '9')
            return kDefaultAnswerWaitSeconds;
        seconds = seconds * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return seconds >= 1 && seconds <= kLongestAnswerWaitSeconds ? seconds
                                                                : kDefaultAnswerWaitSeconds;
}

} // namespace sw
