// What a schedule's numbers mean: its days of the week, the accepted ranges of
// its times, which records the timer may run, and the timer's period.
#pragma once

#include "unattended/schedule_record.h"

#include <array>
#include <cstdint>
#include <vector>

namespace sw {

inline constexpr std::int32_t kLongestInterval = 60000; // also the period without schedules
inline constexpr std::int32_t kDefaultInterval = 30000; // shown for a record's interval of 0

// Flag d - 1 stands for weekday d (Monday = 1 ... Sunday = 7).
using DayFlags = std::array<bool, 7>;

// Decomposes the mask from day 7 down to day 1, subtracting 2^d whenever 2^d
// is at most what is left; for the masks this system writes that is bit d.
DayFlags DayFlagsFromMask(std::int16_t mask);

// The sum of 2^d over the days whose flag is set.
std::int16_t MaskFromDayFlags(const DayFlags& flags);

// True when weekday (1 ... 7) is set; false for any other number.
bool IsDaySet(const DayFlags& flags, int weekday);
bool HasAnyDay(const DayFlags& flags);

// Hours 0 to 23, minutes and seconds 0 to 60, for both ends of the window.
bool IsScheduleTimeValid(const ScheduleRecord& record);

// A record whose numbers this system could have written: valid times, an
// interval of 0 to 60000 and a day mask of days only. Anything else comes
// from a damaged file.
bool IsSoundSchedule(const ScheduleRecord& record);

// Whole and sound: what the timer may run.
bool IsRunnableSchedule(const DecodedSchedule& schedule);

// The smallest interval above 0 of the runnable records, or 60000 when none
// is smaller: the period of the unattended timer.
std::int32_t MinimumIntervalOf(const std::vector<DecodedSchedule>& schedules);

} // namespace sw
