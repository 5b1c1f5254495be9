// One schedule of unattended printing and its 464-byte record in the schedule
// file "sw.dat": little-endian numbers, NUL-terminated single-byte texts,
// no header and nothing between records.
#pragma once

#include "unattended/record_reader.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace sw {

inline constexpr std::size_t kScheduleRecordSize = 464;

// Field widths in the record; a text holds at most width - 1 characters.
inline constexpr std::size_t kWatchFolderWidth = 280;
inline constexpr std::size_t kFilePatternWidth = 80;
inline constexpr std::size_t kPrinterNameWidth = 80;

struct ScheduleRecord {
    // Offset 0 holds four reserved bytes: never read, written as 0.
    std::int32_t IntervalMs = 0; // check interval; 0 is shown as 30000
    std::string WatchFolder;
    std::string FilePattern; // wild cards * and ?
    std::string PrinterName;
    std::int16_t DayMask = 0; // 2^d for day d, Monday = 1 ... Sunday = 7
    std::int16_t FromHour = 0;
    std::int16_t FromMinute = 0;
    std::int16_t FromSecond = 0;
    std::int16_t ThroughHour = 0; // the window's end is inclusive
    std::int16_t ThroughMinute = 0;
    std::int16_t ThroughSecond = 0;
    std::int16_t MoveToRecycleBin = 0; // not 0: printed files go to the Recycle Bin

    bool operator==(const ScheduleRecord& other) const;
    bool operator!=(const ScheduleRecord& other) const { return !(*this == other); }
};

using ScheduleRecordBytes = std::array<std::uint8_t, kScheduleRecordSize>;

// Texts longer than their field are cut to width - 1 bytes.
ScheduleRecordBytes EncodeScheduleRecord(const ScheduleRecord& record);

// A record as it reads, with the first fault found in its bytes. A damaged
// record still carries every field that could be read, so that it can be
// shown as it is.
struct DecodedSchedule {
    ScheduleRecord record;
    RecordError error = RecordError::None;
};

// Reads one record from `size` bytes; fewer than 464 bytes give Truncated.
DecodedSchedule DecodeScheduleRecord(const std::uint8_t* data, std::size_t size);

} // namespace sw
