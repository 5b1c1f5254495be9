#include "unattended/next_events.h"

#include "unattended/local_clock.h"
#include "unattended/schedule_file.h"

namespace sw {

std::string NextEventTime(std::int32_t index, double& key) {
    DecodedSchedule schedule;
    const ScheduleLoad load = LoadSchedule(schedule.record, index);
    if (load == ScheduleLoad::NoSuchRecord)
        return std::string();
    if (load == ScheduleLoad::Damaged)
        schedule.error = RecordError::UnterminatedText;
    const NextEvent event = NextEventOf(schedule, CurrentLocalTime());
    key = event.key;
    return EventText(event);
}

std::vector<NextEvent> NextEventsByTime() {
    const LocalTime now = CurrentLocalTime();
    std::vector<NextEvent> events;
    for (const DecodedSchedule& schedule : LoadAllSchedules())
        events.push_back(NextEventOf(schedule, now));
    SortEventsByKey(events);
    return events;
}

} // namespace sw
