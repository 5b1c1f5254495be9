// When a schedule is active: on one of its days, inside its daily window.
#pragma once

#include "unattended/calendar.h"
#include "unattended/schedule_record.h"

namespace sw {

// True when the moment's time of day lies between the From and Through times,
// both inclusive. The window never wraps past midnight: a start later than the
// end matches no time.
bool IsInTimeWindow(const ScheduleRecord& record, const LocalTime& now);

// True when the timer runs the schedule at this moment: the record is whole
// and sound, today's weekday is one of its days, and now is in its window.
bool IsScheduleDue(const DecodedSchedule& schedule, const LocalTime& now);

} // namespace sw
