// The companion's answer to one print it was asked for: whether the job was
// sent to its site, as a system or HTTP client error code (0: every copy
// was sent). It travels as WM_COPYDATA to the main window, apart from the
// ten announcements, as the text "CODE|PRINTER|FILE": the remote printer as
// selected and the file as set on the print button, so that the program
// waiting for a print recognises its own answer. Portable, so that the text
// is unit-tested on the host.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sw {

// The WM_COPYDATA tag of an answer ("SWJ1").
inline constexpr std::uint32_t kJobOutcomeCopyData = 0x53574A31;

// Codes of the companion's own refusals, which the system has codes for; a
// site's refusals carry the codes of remote_failure_codes.h.
inline constexpr std::uint32_t kOutcomeBadJob = 87;         // the controls' texts do not make a job
inline constexpr std::uint32_t kOutcomeBadSite = 1801;      // the site is no address
inline constexpr std::uint32_t kOutcomeNoThread = 8;        // no thread to send it
inline constexpr std::uint32_t kOutcomeUnreadableFile = 30; // the file could not be read

struct JobOutcomeNote {
    std::uint32_t code = 0;
    std::string printer;
    std::string file;
};

std::string JobOutcomeText(const JobOutcomeNote& note);

// Nothing for a text that is not an answer: no code of decimal digits, or
// no "|" after the printer (which holds none).
std::optional<JobOutcomeNote> ReadJobOutcomeText(std::string_view text);

// How long the main program waits for the answer to a print of `copies`
// copies of a file of `fileBytes`: a minute, and for each copy a minute and
// a second per kBytesPerExtraSecond (the companion's own wait for a large
// job), so that a site that cannot be reached gives the companion's code
// rather than no answer; and the site's wait for the job's end
// (`followSeconds`, site_entry.h) with half a minute more, so that a job
// still held then gives its own code; never more than six hours.
std::uint32_t OutcomeWaitMs(std::uint64_t fileBytes, std::uint32_t copies,
                            std::uint32_t followSeconds = 0);

// True when the answer is for the print of `file` on `printer`: the file as
// it was written, the printer with no regard to letter case (the companion's
// list finds it so).
bool AnswersPrint(const JobOutcomeNote& note, std::string_view printer, std::string_view file);

} // namespace sw
