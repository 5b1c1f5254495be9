// What tells two versions of a watched file apart: its size and its last
// write time, as the file system lists them.
#pragma once

#include <cstdint>

namespace sw {

// The file system's times count 100-nanosecond ticks.
inline constexpr std::uint64_t kTicksPerSecond = 10000000;

struct FileVersion {
    std::uint64_t size = 0;
    std::uint64_t lastWrite = 0; // ticks since 1601, UTC

    bool operator==(const FileVersion& other) const {
        return size == other.size && lastWrite == other.lastWrite;
    }
    bool operator!=(const FileVersion& other) const { return !(*this == other); }
};

} // namespace sw
