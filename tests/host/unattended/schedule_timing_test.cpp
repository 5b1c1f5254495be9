// When the timer runs a schedule, and the next event the list shows for it.
#include "tests/win/support/schedule_builder.h"
#include "unattended/next_event.h"
#include "unattended/schedule_timing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Week of Monday 12-07-2026.
sw::LocalTime At(int day, int hour, int minute, int second) {
    return sw::LocalTime{2026, 12, day, hour, minute, second};
}
constexpr int kWednesday = 9, kFriday = 11, kSaturday = 12;

sw::DecodedSchedule Schedule(std::int16_t days, int fh, int fm, int fs, int th, int tm, int ts) {
    return {swtest::ScheduleBuilder("C:\\Outbox", "*.prn", "Laser 1")
                .Days(days)
                .From(fh, fm, fs)
                .Through(th, tm, ts)};
}

constexpr std::int16_t kMondayToFriday = 62, kWednesdayOnly = 8, kMondayOnly = 2;

TEST(ScheduleTiming, WorkdaysEightToFive) {
    const sw::DecodedSchedule office = Schedule(kMondayToFriday, 8, 0, 0, 17, 0, 0);
    const struct {
        sw::LocalTime now;
        bool due;
    } cases[] = {
        {At(kWednesday, 17, 0, 0), true}, {At(kWednesday, 17, 0, 1), false},
        {At(kWednesday, 8, 0, 0), true},  {At(kWednesday, 7, 59, 59), false},
        {At(kFriday, 12, 0, 0), true},    {At(kSaturday, 12, 0, 0), false},
        {At(6, 12, 0, 0), false}, // Sunday
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sw::IsScheduleDue(office, c.now), c.due)
            << sw::FormatDate(c.now) << " " << sw::FormatTime(c.now);
    }
}

TEST(ScheduleTiming, WindowsThatNeverMatchAndRecordsThatNeverRun) {
    const sw::DecodedSchedule overnight = Schedule(254, 22, 0, 0, 6, 0, 0);
    for (int hour : {23, 0, 3, 6, 22})
        EXPECT_FALSE(sw::IsScheduleDue(overnight, At(kWednesday, hour, 0, 0))) << hour;
    EXPECT_FALSE(sw::IsScheduleDue(Schedule(0, 0, 0, 0, 23, 59, 59), At(kWednesday, 12, 0, 0)))
        << "no day selected";
    sw::DecodedSchedule damaged = Schedule(254, 0, 0, 0, 23, 59, 59);
    damaged.error = sw::RecordError::UnterminatedText;
    EXPECT_FALSE(sw::IsScheduleDue(damaged, At(kWednesday, 12, 0, 0)));
    sw::DecodedSchedule absurd = Schedule(254, 0, 0, 0, 99, 0, 0);
    EXPECT_FALSE(sw::IsScheduleDue(absurd, At(kWednesday, 12, 0, 0)));
    EXPECT_TRUE(
        sw::IsInTimeWindow(Schedule(254, 0, 0, 0, 23, 60, 60).record, At(kWednesday, 23, 59, 59)));
}

TEST(NextEvent, CasesThroughTheWeek) {
    const struct {
        const char* what;
        sw::DecodedSchedule schedule;
        sw::LocalTime now;
        const char* date;
        double dayNumber;
    } cases[] = {
        {"window still to end today", Schedule(kMondayToFriday, 8, 0, 0, 17, 0, 0),
         At(kWednesday, 10, 0, 0), "12-09-2026", 2461384},
        {"Friday evening: Monday", Schedule(kMondayToFriday, 8, 0, 0, 17, 0, 0),
         At(kFriday, 18, 0, 0), "12-14-2026", 2461389},
        {"only Wednesday, after its window: next week", Schedule(kWednesdayOnly, 8, 0, 0, 17, 0, 0),
         At(kWednesday, 18, 0, 0), "12-16-2026", 2461391},
        {"Saturday after the window, only Monday", Schedule(kMondayOnly, 8, 0, 0, 17, 0, 0),
         At(kSaturday, 18, 0, 0), "12-14-2026", 2461389},
        {"before the window today", Schedule(kMondayToFriday, 8, 0, 0, 17, 0, 0),
         At(kWednesday, 6, 0, 0), "12-09-2026", 2461384},
        {"at the window's last second", Schedule(kMondayToFriday, 8, 0, 0, 17, 0, 0),
         At(kWednesday, 17, 0, 0), "12-09-2026", 2461384},
    };
    for (const auto& c : cases) {
        const sw::NextEvent event = sw::NextEventOf(c.schedule, c.now);
        EXPECT_TRUE(event.scheduled) << c.what;
        EXPECT_EQ(event.date, c.date) << c.what;
        EXPECT_EQ(event.time, "08:00:00") << c.what;
        EXPECT_NEAR(event.key, c.dayNumber + 8.0 / 24, 1e-6) << c.what;
    }
}

TEST(NextEvent, TextAndColumns) {
    sw::DecodedSchedule schedule = Schedule(kMondayToFriday, 8, 0, 0, 17, 0, 0);
    const sw::NextEvent event = sw::NextEventOf(schedule, At(kWednesday, 10, 0, 0));
    EXPECT_EQ(sw::EventText(event), "12-09-2026 08:00:00 C:\\Outbox\\*.prn TO PRINTER Laser 1");
    EXPECT_EQ(sw::ScheduledTimeText(event), "12-09-2026 08:00:00");
    EXPECT_EQ(event.files, "C:\\Outbox\\*.prn");
    EXPECT_EQ(event.printer, "Laser 1");

    schedule.record.WatchFolder = "C:\\";
    EXPECT_EQ(sw::NextEventOf(schedule, At(kWednesday, 10, 0, 0)).files, "C:\\*.prn");
}

TEST(NextEvent, SchedulesThatNeverRunHaveNoTimeAndSortLast) {
    const sw::LocalTime now = At(kWednesday, 10, 0, 0);
    sw::DecodedSchedule damaged = Schedule(kMondayToFriday, 8, 0, 0, 17, 0, 0);
    damaged.error = sw::RecordError::UnterminatedText;
    const sw::DecodedSchedule never[] = {
        Schedule(0, 8, 0, 0, 17, 0, 0),   // no day
        Schedule(254, 22, 0, 0, 6, 0, 0), // starts after it ends
        damaged,
    };
    for (const sw::DecodedSchedule& schedule : never) {
        const sw::NextEvent event = sw::NextEventOf(schedule, now);
        EXPECT_FALSE(event.scheduled);
        EXPECT_EQ(sw::ScheduledTimeText(event), "");
        EXPECT_TRUE(std::isinf(event.key));
    }
    EXPECT_EQ(sw::EventText(sw::NextEventOf(never[0], now)),
              "C:\\Outbox\\*.prn TO PRINTER Laser 1");

    std::vector<sw::NextEvent> events = {
        sw::NextEventOf(never[0], now),
        sw::NextEventOf(Schedule(kMondayToFriday, 9, 0, 0, 17, 0, 0), now),
        sw::NextEventOf(Schedule(kMondayOnly, 7, 0, 0, 17, 0, 0), now),
        sw::NextEventOf(Schedule(kMondayToFriday, 8, 0, 0, 17, 0, 0), now),
    };
    sw::SortEventsByKey(events);
    EXPECT_EQ(sw::ScheduledTimeText(events[0]), "12-09-2026 08:00:00");
    EXPECT_EQ(sw::ScheduledTimeText(events[1]), "12-09-2026 09:00:00");
    EXPECT_EQ(sw::ScheduledTimeText(events[2]), "12-14-2026 07:00:00");
    EXPECT_FALSE(events[3].scheduled);
}

TEST(NextEvent, SixtyMinutesCountAsTheNextHourAndTheCalendarEnds) {
    const sw::NextEvent event =
        sw::NextEventOf(Schedule(254, 8, 60, 0, 17, 0, 0), At(kWednesday, 10, 0, 0));
    EXPECT_EQ(event.time, "08:60:00");
    EXPECT_NEAR(event.key, 2461384 + 9.0 / 24, 1e-6);

    const sw::NextEvent last =
        sw::NextEventOf(Schedule(254, 8, 0, 0, 17, 0, 0), sw::LocalTime{9999, 12, 31, 18, 0, 0});
    EXPECT_FALSE(last.scheduled) << "no date after 12-31-9999";
}

} // namespace
