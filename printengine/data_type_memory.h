// The data type each printer's driver asked of a raw job, kept for a short
// while: reading a printer's driver costs about as much as the rest of a
// small job, and a burst of jobs to one printer needs to ask only once. Kept
// for two seconds, so that a driver changed between prints a user makes is
// seen at the next one. Portable, with the clock given by the caller.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace sw {

inline constexpr std::uint32_t kDataTypeKeptMs = 2000;

class DataTypeMemory {
  public:
    // The data type remembered for `printer` at most kDataTypeKeptMs before
    // `nowMs`, else null. The clock is a millisecond count that may wrap.
    const char* Recall(const std::string& printer, std::uint32_t nowMs) const;
    // Remembers a data type read from the printer's driver at `nowMs`.
    void Remember(const std::string& printer, const char* dataType, std::uint32_t nowMs);
    // Asks again at the next job: its answer led to a job the spooler refused.
    void Forget(const std::string& printer);

  private:
    struct Answer {
        const char* dataType;
        std::uint32_t askedAtMs;
    };
    std::map<std::string, Answer> answers_;
};

} // namespace sw
