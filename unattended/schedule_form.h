// The schedule dialog's form as texts, and the rules by which it is shown from
// a record and turned back into one by Save.
#pragma once

#include "unattended/schedule_record.h"
#include "unattended/schedule_rules.h"

#include <array>
#include <optional>
#include <string>

namespace sw {

// How much of each control Save reads.
inline constexpr std::size_t kFormIntervalLimit = 79;
inline constexpr std::size_t kFormPatternLimit = 79;
inline constexpr std::size_t kFormFolderLimit = 279;
inline constexpr std::size_t kFormPrinterLimit = 79;
inline constexpr std::size_t kFormTimeLimit = 2; // only the first two characters count

// The six time edits in this order.
enum FormTime { kFromHour, kFromMinute, kFromSecond, kThroughHour, kThroughMinute, kThroughSecond };

struct ScheduleForm {
    std::string interval;
    std::string pattern;
    std::string folder;
    DayFlags days = {};
    std::array<std::string, 6> times;
    bool moveToRecycleBin = false;
};

// The interval the form's text gives: a whole number from 1 to 60000, with
// blanks around it allowed; nothing for any other text ("abc", "70000",
// "0.5", "250ms"), which Save refuses.
std::optional<std::int32_t> FormInterval(const std::string& text);

// The form showing the record: numbers in plain decimal, an interval of 0 as
// 30000.
ScheduleForm FormFromSchedule(const ScheduleRecord& record);

// What Save stores: the form's values with the printer chosen in the form. A Through hour of 24 or
// more ends the window at 23:59:59; Through minutes or seconds of 60 or more become 59. Nothing (no
// value) when the interval is outside 1 to 60000 or a time is outside the accepted ranges; the form
// then writes nothing.
std::optional<ScheduleRecord> ScheduleFromForm(const ScheduleForm& form,
                                               const std::string& printer);

} // namespace sw
