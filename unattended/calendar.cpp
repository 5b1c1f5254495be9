#include "unattended/calendar.h"

#include "common/text_helpers.h"

#include <cmath>
#include <cstdio>

namespace sw {
namespace {

// One second as a fraction of a day (1 / 86400), times 1000, as the
// next-events list has always keyed its events.
constexpr double kSecondAsDayFractionTimes1000 = 0.01157407407;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The number of an all-digit text of 1 to 9 digits; -1 otherwise.
long DigitsValue(std::string_view text) {
    if (text.empty() || text.size() > 9)
        return -1;
    long value = 0;
    for (char c : text) {
        if (!IsDigit(c))
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

std::string_view Part(std::string_view text, std::size_t start, std::size_t length) {
    return start < text.size() ? text.substr(start, length) : std::string_view();
}

} // namespace

std::string FormatTimeOfDay(int hour, int minute, int second) {
    char text[40];
    std::snprintf(text, sizeof(text), "%02d:%02d:%02d", hour, minute, second);
    return text;
}

std::string FormatDate(const LocalTime& moment) {
    char text[40];
    std::snprintf(text, sizeof(text), "%02d-%02d-%04d", moment.month, moment.day, moment.year);
    return text;
}

std::string FormatTime(const LocalTime& moment) {
    return FormatTimeOfDay(moment.hour, moment.minute, moment.second);
}

std::int32_t SecondsOfDay(std::int32_t hour, std::int32_t minute, std::int32_t second) {
    return hour * 3600 + minute * 60 + second;
}

std::int64_t MomentSeconds(const LocalTime& moment) {
    const double day = DayNumber(FormatDate(moment));
    const std::int64_t days = day < 0 ? 0 : static_cast<std::int64_t>(day);
    return days * 86400 + SecondsOfDay(moment.hour, moment.minute, moment.second);
}

LocalTime MomentOfSeconds(std::int64_t seconds) {
    LocalTime moment;
    const std::int64_t days = seconds < 0 ? -1 : seconds / 86400;
    const std::int64_t ofDay = seconds < 0 ? 0 : seconds % 86400;
    moment.hour = static_cast<int>(ofDay / 3600);
    moment.minute = static_cast<int>(ofDay / 60 % 60);
    moment.second = static_cast<int>(ofDay % 60);
    const std::string date = DateFromDayNumber(static_cast<double>(days));
    if (date.size() == 10) {
        moment.month = static_cast<int>(DigitsValue(Part(date, 0, 2)));
        moment.day = static_cast<int>(DigitsValue(Part(date, 3, 2)));
        moment.year = static_cast<int>(DigitsValue(Part(date, 6, 4)));
    }
    return moment;
}

double DayNumber(std::string_view date) {
    const std::string text = TrimSpaces(date);
    if (text.size() != 10 || text[2] != '-' || text[5] != '-')
        return -1;
    const long m = DigitsValue(Part(text, 0, 2));
    const long d = DigitsValue(Part(text, 3, 2));
    const long y = DigitsValue(Part(text, 6, 4));
    if (m < 1 || m > 12 || d < 1 || d > 31 || y < 1582 || y > 9999)
        return -1;
    if (y == 1582 && (m < 10 || (m == 10 && d < 15)))
        return -1;
    long year = y + 4800;
    long month = 0;
    if (m > 2) {
        month = m - 3;
    } else {
        month = m + 9;
        year -= 1;
    }
    const long result =
        146097 * (year / 100) / 4 + 1461 * (year % 100) / 4 + (153 * month + 2) / 5 + d - 32045;
    return static_cast<double>(result);
}

std::string DateFromDayNumber(double dayNumber) {
    // Comparisons with NaN are false, so it is refused too.
    if (!(dayNumber >= kFirstDayNumber && dayNumber < kLastDayNumber + 1.0))
        return std::string();
    const long n = static_cast<long>(std::trunc(dayNumber));
    long t = 4 * (n + 32045) - 1;
    const long c = t / 146097;
    t = 4 * ((t % 146097) / 4) + 3;
    long y = t / 1461 + 100 * c;
    const long e = (t % 1461) / 4 + 1;
    t = 5 * e - 3;
    long m = t / 153;
    const long d = (t % 153) / 5 + 1;
    if (m < 10) {
        m += 3;
    } else {
        m -= 9;
        y += 1;
    }
    y -= 4800;
    char text[40];
    std::snprintf(text, sizeof(text), "%02ld-%02ld-%04ld", m, d, y);
    return text;
}

double SecondsAsDayFraction(std::int32_t seconds) {
    return seconds * kSecondAsDayFractionTimes1000 / 1000;
}

double DayFraction(int hour, int minute, int second) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59)
        return -1;
    return SecondsAsDayFraction(SecondsOfDay(hour, minute, second));
}

double DayFraction(std::string_view time) {
    if (time.size() != 8 || time[2] != ':' || time[5] != ':')
        return -1;
    const long h = DigitsValue(time.substr(0, 2));
    const long m = DigitsValue(time.substr(3, 2));
    const long s = DigitsValue(time.substr(6, 2));
    if (h < 0 || m < 0 || s < 0)
        return -1;
    return DayFraction(static_cast<int>(h), static_cast<int>(m), static_cast<int>(s));
}

int WeekdayOfDate(std::string_view date) {
    long m = DigitsValue(Part(date, 0, 2));
    const long d = DigitsValue(Part(date, 3, 2));
    long y = DigitsValue(Part(date, 6, std::string_view::npos));
    if (m < 0 || d < 0 || y < 0)
        return 0;
    y += 8000;
    if (m < 3) {
        m += 12;
        y -= 1;
    }
    // The month term is computed in single precision, as the formula is defined.
    const float monthTerm = 30.6f * static_cast<float>(m - 1) + 0.2f;
    const long long n = static_cast<long long>(std::floor(365.25 * static_cast<double>(4712 + y))) -
                        y / 100 + y / 400 + static_cast<long long>(std::floor(monthTerm)) + d;
    return static_cast<int>(n % 7) + 1;
}

} // namespace sw
