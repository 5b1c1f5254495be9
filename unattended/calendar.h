// Calendar arithmetic of unattended printing on the date and time texts the
// scheduler, the event log and the next-events list share: dates as
// "mm-dd-yyyy", times as "hh:mm:ss" in 24 hours, two digits per part.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// A moment of local time, as the clock gives it.
struct LocalTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The first and last day numbers of valid dates: 10-15-1582 and 12-31-9999.
inline constexpr std::int32_t kFirstDayNumber = 2299161;
inline constexpr std::int32_t kLastDayNumber = 5373484;

// "mm-dd-yyyy" of the moment's date.
std::string FormatDate(const LocalTime& moment);
// "hh:mm:ss"; a part above 99 shows all its digits.
std::string FormatTimeOfDay(int hour, int minute, int second);
std::string FormatTime(const LocalTime& moment);

// hour x 3600 + minute x 60 + second.
std::int32_t SecondsOfDay(std::int32_t hour, std::int32_t minute, std::int32_t second);

// Seconds since the start of the day numbers: day number x 86400 + seconds of
// the day; only the time of day for a date outside the valid range.
std::int64_t MomentSeconds(const LocalTime& moment);
// The moment MomentSeconds gave these seconds for; a date outside the valid
// range keeps only the time of day (year, month and day 0).
LocalTime MomentOfSeconds(std::int64_t seconds);

// The Julian Day Number of a Gregorian date "mm-dd-yyyy" (spaces at the ends
// are ignored), or -1 when the text is not such a date between 10-15-1582 and
// 9999. A day past the end of its month counts on into the next month.
double DayNumber(std::string_view date);

// "mm-dd-yyyy" of the day number's integer part; empty outside 2299161 to
// 5373484.
std::string DateFromDayNumber(double dayNumber);

// A time of day as a fraction of a day, from "hh:mm:ss" or from its three
// parts; -1 when the text is not of that form, the hour is outside 0 to 23
// or a minute or second outside 0 to 59.
double DayFraction(std::string_view time);
double DayFraction(int hour, int minute, int second);
// Seconds since midnight as a fraction of a day, for any number of seconds.
double SecondsAsDayFraction(std::int32_t seconds);

// The day of the week of "mm-dd-yyyy": Monday = 1 ... Sunday = 7; 0 when a
// part of the text is not a number.
int WeekdayOfDate(std::string_view date);

} // namespace sw
