#include "remote/job_outcome.h"

#include "common/text_helpers.h"
#include "remote/request_waits.h"

namespace sw {

std::string JobOutcomeText(const JobOutcomeNote& note) {
    return std::to_string(note.code) + "|" + note.printer + "|" + note.file;
}

std::optional<JobOutcomeNote> ReadJobOutcomeText(std::string_view text) {
    const std::size_t codeEnd = text.find('|');
    if (codeEnd == 0 || codeEnd == std::string_view::npos || codeEnd > 10)
        return std::nullopt;
    std::uint64_t code = 0;
    for (char c : text.substr(0, codeEnd)) {
        if (c < '0' || c > '9')
            return std::nullopt;
        code = code * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (code > 0xFFFFFFFFull)
        return std::nullopt;
    const std::size_t printerEnd = text.find('|', codeEnd + 1);
    if (printerEnd == std::string_view::npos)
        return std::nullopt;
    JobOutcomeNote note;
    note.code = static_cast<std::uint32_t>(code);
    note.printer = std::string(text.substr(codeEnd + 1, printerEnd - codeEnd - 1));
    note.file = std::string(text.substr(printerEnd + 1));
    return note;
}

std::uint32_t OutcomeWaitMs(std::uint64_t fileBytes, std::uint32_t copies,
                            std::uint32_t followSeconds) {
    constexpr std::uint64_t kMinuteMs = 60000;
    constexpr std::uint64_t kLongestMs = 6 * 60 * kMinuteMs;
    // The last question about the job may be under way when its wait ends.
    constexpr std::uint64_t kFollowMarginMs = 30000;
    const std::uint64_t perCopyMs = kMinuteMs + fileBytes / kBytesPerExtraSecond * 1000;
    const std::uint64_t count = copies > 0 ? copies : 1;
    // Past the longest wait, a product could overflow: compare before it.
    if (perCopyMs > kLongestMs / count)
        return static_cast<std::uint32_t>(kLongestMs);
    const std::uint64_t followMs =
        followSeconds > 0 ? std::uint64_t{followSeconds} * 1000 + kFollowMarginMs : 0;
    const std::uint64_t total = kMinuteMs + perCopyMs * count + followMs;
    return static_cast<std::uint32_t>(total < kLongestMs ? total : kLongestMs);
}

bool AnswersPrint(const JobOutcomeNote& note, std::string_view printer, std::string_view file) {
    return note.file == file && UpperCase(note.printer) == UpperCase(std::string(printer));
}

} // namespace sw
