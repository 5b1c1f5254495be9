// Whether a watched file has stopped changing. A program that copies a file
// without a share lock (a network share, a Linux process, a scanner) leaves
// nothing for the share-lock test to see, so a file is printed only once two
// scans, one pass apart, found the same size and last write time, and that
// time lies at least the settling time back (two seconds unless the user
// set "SettleSeconds" in the "Unattended" section, for writers that pause).
#pragma once

#include "unattended/file_version.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace sw {

inline constexpr int kDefaultSettleSeconds = 2;
inline constexpr int kFewestSettleSeconds = 1;
inline constexpr int kMostSettleSeconds = 600;

// The settling time the setting's text gives: a whole number of seconds
// (blanks at the ends allowed), clamped to 1 ... 600; missing or any other
// text gives the default of 2.
int SettleSecondsFrom(std::string_view text);

class FileSightings {
  public:
    // Records the file as seen in scan pass `pass` and returns whether it has
    // settled: an earlier pass saw this same version, and it was last written
    // at least `settleSeconds` before `now` (ticks, as FileVersion::lastWrite).
    // Paths are compared without regard to letter case.
    bool Settled(const std::string& path, const FileVersion& version, std::uint64_t pass,
                 std::uint64_t now, int settleSeconds = kDefaultSettleSeconds);

    // Forgets the files that no pass from `pass` on has seen: a file that
    // comes back is looked at afresh.
    void ForgetUnseenSince(std::uint64_t pass);

    std::size_t Size() const { return seen_.size(); }

  private:
    struct Sighting {
        FileVersion version;
        std::uint64_t firstPass = 0; // the first pass that saw this version
        std::uint64_t lastPass = 0;
    };
    std::unordered_map<std::string, Sighting> seen_;
};

} // namespace sw
