#include "unattended/next_event.h"

#include "unattended/scan_paths.h"
#include "unattended/schedule_rules.h"

#include <algorithm>
#include <limits>

namespace sw {
namespace {

constexpr double kNoEventKey = std::numeric_limits<double>::infinity();

// Days from today to the next day on which the window is still to come.
// Bounded: a week ahead at most, since a day is selected.
int DaysAhead(const DayFlags& days, int today, bool todayIsOver) {
    int k = todayIsOver ? 1 : 0;
    while (k < 7 && !IsDaySet(days, (today - 1 + k) % 7 + 1))
        ++k;
    return k;
}

} // namespace

NextEvent NextEventOf(const DecodedSchedule& schedule, const LocalTime& now) {
    const ScheduleRecord& record = schedule.record;
    NextEvent event;
    event.files = ScanMask(ScanFolder(record.WatchFolder), record.FilePattern);
    event.printer = record.PrinterName;
    event.key = kNoEventKey;

    const DayFlags days = DayFlagsFromMask(record.DayMask);
    const std::int32_t start = SecondsOfDay(record.FromHour, record.FromMinute, record.FromSecond);
    const std::int32_t end =
        SecondsOfDay(record.ThroughHour, record.ThroughMinute, record.ThroughSecond);
    const int today = WeekdayOfDate(FormatDate(now));
    const double todayNumber = DayNumber(FormatDate(now));
    if (!IsRunnableSchedule(schedule) || !HasAnyDay(days) || start > end || today == 0 ||
        todayNumber < 0)
        return event;

    const bool todayIsOver = end < SecondsOfDay(now.hour, now.minute, now.second);
    const std::string date = DateFromDayNumber(todayNumber + DaysAhead(days, today, todayIsOver));
    if (date.empty())
        return event; // past the last date the calendar knows
    event.scheduled = true;
    event.date = date;
    event.time = FormatTimeOfDay(record.FromHour, record.FromMinute, record.FromSecond);
    // From minutes and seconds of 60 are accepted; the key counts them as
    // seconds of the day, as the timer does.
    event.key = DayNumber(date) + SecondsAsDayFraction(start);
    return event;
}

std::string ScheduledTimeText(const NextEvent& event) {
    return event.scheduled ? event.date + " " + event.time : std::string();
}

std::string EventText(const NextEvent& event) {
    std::string text = event.scheduled ? ScheduledTimeText(event) + " " : std::string();
    return text + event.files + " TO PRINTER " + event.printer;
}

void SortEventsByKey(std::vector<NextEvent>& events) {
    std::stable_sort(events.begin(), events.end(),
                     [](const NextEvent& a, const NextEvent& b) { return a.key < b.key; });
}

} // namespace sw
