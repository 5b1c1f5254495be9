#include "unattended/schedule_rules.h"

namespace sw {
namespace {

constexpr std::int16_t kLargestDayMask = 255; // days 1 to 7, and the unused bit 0

bool InRange(std::int16_t value, int low, int high) {
    return value >= low && value <= high;
}

} // namespace

DayFlags DayFlagsFromMask(std::int16_t mask) {
    DayFlags flags = {};
    std::int32_t remaining = mask;
    for (int day = 7; day >= 1; --day) {
        const std::int32_t value = std::int32_t{1} << day;
        if (value <= remaining) {
            flags[day - 1] = true;
            remaining -= value;
        }
    }
    return flags;
}

std::int16_t MaskFromDayFlags(const DayFlags& flags) {
    int mask = 0;
    for (int day = 1; day <= 7; ++day) {
        if (flags[day - 1])
            mask += 1 << day;
    }
    return static_cast<std::int16_t>(mask);
}

bool IsDaySet(const DayFlags& flags, int weekday) {
    return weekday >= 1 && weekday <= 7 && flags[weekday - 1];
}

bool HasAnyDay(const DayFlags& flags) {
    for (bool flag : flags) {
        if (flag)
            return true;
    }
    return false;
}

bool IsScheduleTimeValid(const ScheduleRecord& record) {
    return InRange(record.FromHour, 0, 23) && InRange(record.FromMinute, 0, 60) &&
           InRange(record.FromSecond, 0, 60) && InRange(record.ThroughHour, 0, 23) &&
           InRange(record.ThroughMinute, 0, 60) && InRange(record.ThroughSecond, 0, 60);
}

bool IsSoundSchedule(const ScheduleRecord& record) {
    return IsScheduleTimeValid(record) && record.IntervalMs >= 0 &&
           record.IntervalMs <= kLongestInterval && record.DayMask >= 0 &&
           record.DayMask <= kLargestDayMask;
}

bool IsRunnableSchedule(const DecodedSchedule& schedule) {
    return schedule.error == RecordError::None && IsSoundSchedule(schedule.record);
}

std::int32_t MinimumIntervalOf(const std::vector<DecodedSchedule>& schedules) {
    std::int32_t smallest = kLongestInterval;
    for (const DecodedSchedule& schedule : schedules) {
        const std::int32_t interval = schedule.record.IntervalMs;
        if (IsRunnableSchedule(schedule) && interval > 0 && interval < smallest)
            smallest = interval;
    }
    return smallest;
}

} // namespace sw
