// Feeds arbitrary texts to the calendar: a text taken as a date gives a day
// number whose date reads back as the same number, weekdays stay in 0 to 7,
// day fractions are -1 or a part of one day; any number is safe as a day number.
#include "fuzz_check.h"
#include "unattended/calendar.h"

#include <cstdint>
#include <cstring>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = swfuzz::Text(data, size);

    const double number = sw::DayNumber(text);
    if (number != -1) {
        const std::string date = sw::DateFromDayNumber(number);
        swfuzz::CrashIf(date.size() != 10 || sw::DayNumber(date) != number);
    }
    const int weekday = sw::WeekdayOfDate(text);
    swfuzz::CrashIf(weekday < 0 || weekday > 7);
    const double fraction = sw::DayFraction(text);
    swfuzz::CrashIf(fraction != -1 && !(fraction >= 0 && fraction < 1));

    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof(raw));
        const std::string date = sw::DateFromDayNumber(raw);
        swfuzz::CrashIf(!date.empty() && sw::DayNumber(date) < 0);
    }
    return 0;
}
