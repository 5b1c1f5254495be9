// The next time each schedule becomes active, as the next-events list shows
// and orders it.
#pragma once

#include "unattended/calendar.h"
#include "unattended/schedule_record.h"

#include <string>
#include <vector>

namespace sw {

struct NextEvent {
    // False for a schedule that never runs (no day selected, a window that
    // starts after it ends, a damaged record): it has no date and time.
    bool scheduled = false;
    std::string date;    // "mm-dd-yyyy"
    std::string time;    // the From time, "hh:mm:ss"
    std::string files;   // the search mask of the scan
    std::string printer; // as stored
    // Day number + the From time as a fraction of a day; events without a
    // time sort after all others.
    double key = 0;
};

// The event of a schedule at the moment `now`: today at the From time while
// today's window has not ended (even when the From time has passed),
// otherwise the From time of the next selected weekday, up to a week ahead.
NextEvent NextEventOf(const DecodedSchedule& schedule, const LocalTime& now);

// "DATE TIME FILES TO PRINTER PRINTER"; without a time, "FILES TO PRINTER PRINTER".
std::string EventText(const NextEvent& event);

// The text of the "Scheduled time" column: "DATE TIME", or empty.
std::string ScheduledTimeText(const NextEvent& event);

// Earliest first; events with equal keys keep their order.
void SortEventsByKey(std::vector<NextEvent>& events);

} // namespace sw
