// What the schedule dialog's Save stores for the texts of its form, and how a
// record is shown.
#include "tests/win/support/schedule_builder.h"
#include "unattended/schedule_form.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

using sw::ScheduleForm;

ScheduleForm Form(const char* interval, std::array<std::string, 6> times) {
    ScheduleForm form;
    form.interval = interval;
    form.pattern = "*.prn";
    form.folder = "C:\\Outbox";
    form.times = std::move(times);
    return form;
}

struct Stored {
    int fh, fm, fs, th, tm, ts;
};

TEST(ScheduleForm, TimesAsSaved) {
    const struct {
        std::array<std::string, 6> times;
        std::optional<Stored> stored;
    } cases[] = {
        {{"8", "0", "0", "17", "0", "0"}, Stored{8, 0, 0, 17, 0, 0}},
        {{"0", "0", "0", "24", "00", "00"}, Stored{0, 0, 0, 23, 59, 59}}, // to the day's end
        {{"0", "0", "0", "30", "5", "5"}, Stored{0, 0, 0, 23, 59, 59}},
        {{"0", "0", "0", "12", "60", "75"}, Stored{0, 0, 0, 12, 59, 59}},
        {{"123", "456", "7890", "1", "0", "0"}, std::nullopt}, // 12:45:78
        {{"123", "45", "9", "13", "0", "0"}, Stored{12, 45, 9, 13, 0, 0}},
        {{"10", "60", "60", "11", "0", "0"}, Stored{10, 60, 60, 11, 0, 0}},
        {{"", "x", "", "", "", ""}, Stored{0, 0, 0, 0, 0, 0}}, // empty or not a number: 0
        {{"24", "0", "0", "23", "0", "0"}, std::nullopt},      // From hour 24
        {{"8", "61", "0", "23", "0", "0"}, std::nullopt},
        {{"-1", "0", "0", "23", "0", "0"}, std::nullopt},
        {{"08", "15", "30", "1a", "2b", "3c"}, Stored{8, 15, 30, 1, 2, 3}},
    };
    for (const auto& c : cases) {
        const auto record = sw::ScheduleFromForm(Form("1000", c.times), "Laser 1");
        const std::string what = c.times[0] + ":" + c.times[1] + ":" + c.times[2] + " - " +
                                 c.times[3] + ":" + c.times[4] + ":" + c.times[5];
        ASSERT_EQ(record.has_value(), c.stored.has_value()) << what;
        if (!record)
            continue;
        const Stored& s = *c.stored;
        EXPECT_EQ(record->FromHour, s.fh) << what;
        EXPECT_EQ(record->FromMinute, s.fm) << what;
        EXPECT_EQ(record->FromSecond, s.fs) << what;
        EXPECT_EQ(record->ThroughHour, s.th) << what;
        EXPECT_EQ(record->ThroughMinute, s.tm) << what;
        EXPECT_EQ(record->ThroughSecond, s.ts) << what;
    }
}

TEST(ScheduleForm, IntervalMustBeOneTo60000) {
    const std::array<std::string, 6> times = {"0", "0", "0", "23", "59", "59"};
    const struct {
        const char* text;
        std::int32_t stored; // 0: nothing saved; only whole milliseconds are taken
    } cases[] = {
        {"1", 1},   {"60000", 60000}, {"30000", 30000}, {" 500", 500}, {"250ms", 0},
        {"0", 0},   {"60001", 0},     {"", 0},          {"abc", 0},    {"-5", 0},
        {"0.5", 0}, {"1e9", 0},       {"70000", 0},     {"1.5", 0},
    };
    for (const auto& c : cases) {
        const auto record = sw::ScheduleFromForm(Form(c.text, times), "p");
        EXPECT_EQ(record ? record->IntervalMs : 0, c.stored) << '"' << c.text << '"';
    }
}

TEST(ScheduleForm, DaysPrinterAndTextLimits) {
    ScheduleForm form = Form("1000", {"0", "0", "0", "1", "0", "0"});
    form.days[0] = form.days[6] = true; // Monday and Sunday
    form.pattern = std::string(90, 'p');
    form.folder = std::string(300, 'f');
    form.moveToRecycleBin = true;
    const auto record = sw::ScheduleFromForm(form, std::string(100, 'n'));
    ASSERT_TRUE(record);
    EXPECT_EQ(record->DayMask, 130);
    EXPECT_EQ(record->FilePattern, std::string(79, 'p'));
    EXPECT_EQ(record->WatchFolder, std::string(279, 'f'));
    EXPECT_EQ(record->PrinterName, std::string(79, 'n'));
    EXPECT_EQ(record->MoveToRecycleBin, 1);

    form.days = {};
    const auto noDay = sw::ScheduleFromForm(form, "");
    ASSERT_TRUE(noDay) << "no day selected is accepted";
    EXPECT_EQ(noDay->DayMask, 0);
    EXPECT_EQ(noDay->PrinterName, "");
}

TEST(ScheduleForm, ShowingARecord) {
    sw::ScheduleRecord record = swtest::ScheduleBuilder("C:\\Outbox", "*.prn", "")
                                    .Interval(0)
                                    .Days(130)
                                    .From(8)
                                    .Through(17, 5)
                                    .ToRecycleBin();
    const ScheduleForm form = sw::FormFromSchedule(record);
    EXPECT_EQ(form.interval, "30000") << "an interval of 0";
    EXPECT_EQ(form.folder, "C:\\Outbox");
    EXPECT_EQ(form.pattern, "*.prn");
    EXPECT_EQ(form.times, (std::array<std::string, 6>{"8", "0", "0", "17", "5", "0"}));
    EXPECT_TRUE(form.days[0] && form.days[6] && !form.days[1]);
    EXPECT_TRUE(form.moveToRecycleBin);
    record.IntervalMs = 750;
    EXPECT_EQ(sw::FormFromSchedule(record).interval, "750");
}

} // namespace
