// Day numbers, their dates, day fractions and weekdays.
#include "unattended/calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>

namespace {

TEST(Calendar, DayNumbersOfDates) {
    const struct {
        const char* date;
        double number;
    } cases[] = {
        {"01-01-2000", 2451545},
        {"03-01-2000", 2451605},
        {"02-29-2000", 2451604},
        {"02-30-2001", 2451971},
        {"03-02-2001", 2451971},
        {"02-29-1900", 2415080},
        {"03-01-1900", 2415080},
        {"12-07-2026", 2461382},
        {"10-15-1582", 2299161},
        {"12-31-9999", 5373484},
        {" 03-01-2000  ", 2451605}, // spaces at the ends
        {"10-14-1582", -1},
        {"09-30-1582", -1},
        {"12-31-1581", -1},
        {"01-01-10000", -1},
        {"13-01-2000", -1},
        {"00-10-2000", -1},
        {"01-32-2000", -1},
        {"01-00-2000", -1},
        {"3-1-2000", -1},
        {"03/01/2000", -1},
        {"0a-01-2000", -1},
        {"03-01-2O00", -1},
        {"", -1},
        {"03-01-200", -1},
        {"+3-01-2000", -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sw::DayNumber(c.date), c.number) << '"' << c.date << '"';
}

TEST(Calendar, DatesOfDayNumbers) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double number;
        const char* date;
    } cases[] = {
        {2451605, "03-01-2000"},
        {2451545.75, "01-01-2000"},
        {2299161, "10-15-1582"},
        {5373484, "12-31-9999"},
        {5373484.99, "12-31-9999"},
        {2299160, ""},
        {2299160.5, ""},
        {5373485, ""},
        {-1, ""},
        {1e300, ""},
        {nan, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sw::DateFromDayNumber(c.number), c.date) << std::fixed << c.number;
}

// Walks every valid date with a calendar of its own (month lengths, the
// Gregorian leap rule, weekdays cycling from a Friday): day numbers count up
// by one, each date round-trips through its number, and each weekday follows.
TEST(Calendar, EveryValidDateRoundTripsAndHasItsWeekday) {
    int year = 1582, month = 10, day = 15, weekday = 5;
    int failures = 0;
    for (double number = sw::kFirstDayNumber; number <= sw::kLastDayNumber && failures < 10;
         ++number) {
        char date[40];
        std::snprintf(date, sizeof(date), "%02d-%02d-%04d", month, day, year);
        if (sw::DayNumber(date) != number || sw::DateFromDayNumber(number) != date ||
            sw::DateFromDayNumber(sw::DayNumber(date)) != date ||
            sw::WeekdayOfDate(date) != weekday) {
            ADD_FAILURE() << date << " number " << sw::DayNumber(date) << " expected " << number
                          << ", back " << sw::DateFromDayNumber(number) << ", weekday "
                          << sw::WeekdayOfDate(date) << " expected " << weekday;
            ++failures;
        }
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        const int lengths[] = {31, leap ? 29 : 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        weekday = weekday % 7 + 1;
        if (++day > lengths[month - 1]) {
            day = 1;
            if (++month > 12) {
                month = 1;
                ++year;
            }
        }
    }
    EXPECT_EQ(year, 10000) << "the walk ends after 12-31-9999";
}

TEST(Calendar, WeekdaysOfDates) {
    const struct {
        const char* date;
        int weekday;
    } cases[] = {
        {"12-06-2026", 7}, {"12-07-2026", 1}, {"12-09-2026", 3}, {"01-01-2000", 6},
        {"02-29-2000", 2}, {"03-01-2000", 3}, {"10-15-1582", 5}, {"12-31-9999", 5},
        {"x", 0},          {"", 0},           {"12-06", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sw::WeekdayOfDate(c.date), c.weekday) << '"' << c.date << '"';
}

TEST(Calendar, DayFractions) {
    const struct {
        const char* time;
        double fraction; // -1 for refused texts
    } cases[] = {
        {"00:00:00", 0},  {"12:00:00", 0.5}, {"06:00:00", 0.25}, {"23:59:59", 86399.0 / 86400},
        {"24:00:00", -1}, {"12:60:00", -1},  {"12:00:60", -1},   {"1:00:00", -1},
        {"12:00", -1},    {"ab:cd:ef", -1},  {"12-00-00", -1},   {"12:00:00 ", -1},
    };
    for (const auto& c : cases) {
        if (c.fraction < 0)
            EXPECT_EQ(sw::DayFraction(c.time), -1) << c.time;
        else
            EXPECT_NEAR(sw::DayFraction(c.time), c.fraction, 1e-9) << c.time;
    }
    EXPECT_NEAR(sw::DayFraction(18, 0, 0), 0.75, 1e-9);
    EXPECT_EQ(sw::DayFraction(-1, 0, 0), -1);
    EXPECT_EQ(sw::DayFraction(0, 0, 60), -1);
    EXPECT_LT(sw::DayFraction(23, 59, 59), 1.0) << "a time never moves the date";
}

TEST(Calendar, SecondsOfDayAndTexts) {
    EXPECT_EQ(sw::SecondsOfDay(17, 0, 0), 61200);
    EXPECT_EQ(sw::SecondsOfDay(23, 59, 59), 86399);
    EXPECT_EQ(sw::SecondsOfDay(0, 60, 60), 3660);
    const sw::LocalTime moment{2026, 12, 7, 9, 15, 2};
    EXPECT_EQ(sw::FormatDate(moment), "12-07-2026");
    EXPECT_EQ(sw::FormatTime(moment), "09:15:02");
    EXPECT_EQ(sw::FormatTimeOfDay(8, 60, 0), "08:60:00");
}

} // namespace
