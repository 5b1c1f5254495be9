// Day masks, the accepted time ranges, which records the timer may run and
// the timer's period.
#include "tests/win/support/schedule_builder.h"
#include "unattended/schedule_rules.h"

#include <gtest/gtest.h>

namespace {

using sw::DayFlags;

// Days as letters MTWTFSS, "-" for a day not set.
std::string DaysText(const DayFlags& flags) {
    const char letters[] = "MTWTFSS";
    std::string text;
    for (int day = 0; day < 7; ++day)
        text += flags[day] ? letters[day] : '-';
    return text;
}

TEST(DayMask, DecomposesIntoDays) {
    const struct {
        std::int16_t mask;
        const char* days;
    } cases[] = {
        {0, "-------"},   {2, "M------"},   {128, "------S"}, {130, "M-----S"},
        {254, "MTWTFSS"}, {62, "MTWTF--"},  {3, "M------"},   // bit 0 is ignored
        {-2, "-------"},  {256, "MTWTFSS"}, {510, "MTWTFSS"}, // what a damaged file gives
    };
    for (const auto& c : cases)
        EXPECT_EQ(DaysText(sw::DayFlagsFromMask(c.mask)), c.days) << "mask " << c.mask;
}

TEST(DayMask, MondayAndSundayMake130AndEveryChoiceRoundTrips) {
    DayFlags mondayAndSunday = {};
    mondayAndSunday[0] = mondayAndSunday[6] = true;
    EXPECT_EQ(sw::MaskFromDayFlags(mondayAndSunday), 130);
    EXPECT_EQ(sw::MaskFromDayFlags(DayFlags{}), 0);
    for (int choice = 0; choice < 128; ++choice) {
        DayFlags flags = {};
        for (int day = 0; day < 7; ++day)
            flags[day] = (choice >> day & 1) != 0;
        EXPECT_EQ(sw::DayFlagsFromMask(sw::MaskFromDayFlags(flags)), flags) << choice;
    }
}

TEST(DayMask, WeekdayLookup) {
    const DayFlags flags = sw::DayFlagsFromMask(130);
    EXPECT_TRUE(sw::IsDaySet(flags, 1));
    EXPECT_TRUE(sw::IsDaySet(flags, 7));
    EXPECT_FALSE(sw::IsDaySet(flags, 3));
    EXPECT_FALSE(sw::IsDaySet(flags, 0));
    EXPECT_FALSE(sw::IsDaySet(flags, 8));
    EXPECT_TRUE(sw::HasAnyDay(flags));
    EXPECT_FALSE(sw::HasAnyDay(DayFlags{}));
}

sw::ScheduleRecord WithTimes(int fh, int fm, int fs, int th, int tm, int ts) {
    return swtest::ScheduleBuilder("", "", "").From(fh, fm, fs).Through(th, tm, ts);
}

TEST(ScheduleTimes, AcceptedRanges) {
    const struct {
        sw::ScheduleRecord record;
        bool valid;
    } cases[] = {
        {WithTimes(0, 0, 0, 23, 59, 59), true}, {WithTimes(23, 60, 60, 23, 60, 60), true},
        {WithTimes(24, 0, 0, 23, 0, 0), false}, {WithTimes(0, 0, 0, 24, 0, 0), false},
        {WithTimes(0, 61, 0, 1, 0, 0), false},  {WithTimes(0, 0, 61, 1, 0, 0), false},
        {WithTimes(0, 0, 0, 1, 61, 0), false},  {WithTimes(0, 0, 0, 1, 0, 61), false},
        {WithTimes(-1, 0, 0, 1, 0, 0), false},  {WithTimes(0, 0, 0, 1, 0, -1), false},
        {WithTimes(22, 0, 0, 6, 0, 0), true}, // valid, though it never matches
    };
    for (const auto& c : cases) {
        const sw::ScheduleRecord& r = c.record;
        EXPECT_EQ(sw::IsScheduleTimeValid(r), c.valid)
            << r.FromHour << ":" << r.FromMinute << ":" << r.FromSecond << " - " << r.ThroughHour
            << ":" << r.ThroughMinute << ":" << r.ThroughSecond;
    }
}

TEST(ScheduleTimes, SoundRecordsHaveNumbersThisSystemWrites) {
    sw::ScheduleRecord record = WithTimes(8, 0, 0, 17, 0, 0);
    record.DayMask = 62;
    record.IntervalMs = 0;
    EXPECT_TRUE(sw::IsSoundSchedule(record)) << "an interval of 0 is shown as 30000";
    record.IntervalMs = 60000;
    EXPECT_TRUE(sw::IsSoundSchedule(record));
    for (std::int32_t interval : {-1, 60001}) {
        sw::ScheduleRecord absurd = record;
        absurd.IntervalMs = interval;
        EXPECT_FALSE(sw::IsSoundSchedule(absurd)) << interval;
    }
    for (std::int16_t mask : {-2, 256, 32767}) {
        sw::ScheduleRecord absurd = record;
        absurd.DayMask = mask;
        EXPECT_FALSE(sw::IsSoundSchedule(absurd)) << mask;
    }
    sw::ScheduleRecord late = record;
    late.FromHour = 99;
    EXPECT_FALSE(sw::IsSoundSchedule(late));
}

sw::DecodedSchedule Schedule(std::int32_t interval, sw::RecordError error = sw::RecordError::None) {
    sw::DecodedSchedule schedule;
    schedule.record.IntervalMs = interval;
    schedule.error = error;
    return schedule;
}

TEST(MinimumInterval, SmallestIntervalOfTheRunnableRecords) {
    EXPECT_EQ(sw::MinimumIntervalOf({}), 60000) << "no schedules";
    EXPECT_EQ(sw::MinimumIntervalOf({Schedule(0)}), 60000);
    EXPECT_EQ(sw::MinimumIntervalOf({Schedule(500), Schedule(0), Schedule(200)}), 200);
    EXPECT_EQ(sw::MinimumIntervalOf({Schedule(60000)}), 60000);
    EXPECT_EQ(sw::MinimumIntervalOf({Schedule(1)}), 1);
    EXPECT_EQ(sw::MinimumIntervalOf({Schedule(-5), Schedule(70000)}), 60000);
    EXPECT_EQ(
        sw::MinimumIntervalOf({Schedule(5, sw::RecordError::UnterminatedText), Schedule(900)}), 900)
        << "a damaged record does not set the period";
}

} // namespace
