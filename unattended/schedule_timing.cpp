#include "unattended/schedule_timing.h"

#include "unattended/schedule_rules.h"

namespace sw {

bool IsInTimeWindow(const ScheduleRecord& record, const LocalTime& now) {
    const std::int32_t moment = SecondsOfDay(now.hour, now.minute, now.second);
    const std::int32_t start = SecondsOfDay(record.FromHour, record.FromMinute, record.FromSecond);
    const std::int32_t end =
        SecondsOfDay(record.ThroughHour, record.ThroughMinute, record.ThroughSecond);
    return start <= moment && moment <= end;
}

bool IsScheduleDue(const DecodedSchedule& schedule, const LocalTime& now) {
    if (!IsRunnableSchedule(schedule))
        return false;
    const DayFlags days = DayFlagsFromMask(schedule.record.DayMask);
    return IsDaySet(days, WeekdayOfDate(FormatDate(now))) && IsInTimeWindow(schedule.record, now);
}

} // namespace sw
