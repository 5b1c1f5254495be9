// Whether a watched file has stopped changing. A program that copies a file
// without a share lock (a network share, a Linux process, a scanner) leaves
// nothing for the share-lock test to see, so a file is printed only once two
// scans, one pass apart, found the same size and last write time, and that
// time lies at least two seconds back.
#pragma once

#include "unattended/file_version.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>

namespace sw {

inline constexpr std::uint64_t kSettledAge = 2 * kTicksPerSecond;

class FileSightings {
  public:
    // Records the file as seen in scan pass `pass` and returns whether it has
    // settled: an earlier pass saw this same version, and it was last written
    // at least kSettledAge before `now` (ticks, as FileVersion::lastWrite).
    // Paths are compared without regard to letter case.
    bool Settled(const std::string& path, const FileVersion& version, std::uint64_t pass,
                 std::uint64_t now);

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
