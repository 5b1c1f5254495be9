#include "unattended/schedule_form.h"

#include "settings/setting_numbers.h"

#include <cmath>

namespace sw {
namespace {

std::int16_t TimeValue(const std::string& text) {
    return RoundToInt16(ParseSettingNumber(text.substr(0, kFormTimeLimit)));
}

std::int16_t AtMost(std::int16_t value, std::int16_t largest) {
    return value > largest ? largest : value;
}

} // namespace

ScheduleForm FormFromSchedule(const ScheduleRecord& record) {
    ScheduleForm form;
    form.interval = std::to_string(record.IntervalMs == 0 ? kDefaultInterval : record.IntervalMs);
    form.pattern = record.FilePattern;
    form.folder = record.WatchFolder;
    form.days = DayFlagsFromMask(record.DayMask);
    const std::int16_t times[6] = {record.FromHour,    record.FromMinute,    record.FromSecond,
                                   record.ThroughHour, record.ThroughMinute, record.ThroughSecond};
    for (std::size_t i = 0; i < form.times.size(); ++i)
        form.times[i] = std::to_string(times[i]);
    form.moveToRecycleBin = record.MoveToRecycleBin != 0;
    return form;
}

std::optional<std::int32_t> FormInterval(const std::string& text) {
    const std::optional<double> interval = ParseWholeNumberText(text.substr(0, kFormIntervalLimit));
    if (!interval || !(*interval >= 1 && *interval <= kLongestInterval) ||
        std::floor(*interval) != *interval)
        return std::nullopt;
    return static_cast<std::int32_t>(*interval);
}

std::optional<ScheduleRecord> ScheduleFromForm(const ScheduleForm& form,
                                               const std::string& printer) {
    const std::optional<std::int32_t> interval = FormInterval(form.interval);
    if (!interval)
        return std::nullopt;
    ScheduleRecord record;
    record.IntervalMs = *interval;
    record.FilePattern = form.pattern.substr(0, kFormPatternLimit);
    record.WatchFolder = form.folder.substr(0, kFormFolderLimit);
    record.DayMask = MaskFromDayFlags(form.days);
    record.FromHour = TimeValue(form.times[kFromHour]);
    record.FromMinute = TimeValue(form.times[kFromMinute]);
    record.FromSecond = TimeValue(form.times[kFromSecond]);
    record.ThroughHour = TimeValue(form.times[kThroughHour]);
    record.ThroughMinute = AtMost(TimeValue(form.times[kThroughMinute]), 59);
    record.ThroughSecond = AtMost(TimeValue(form.times[kThroughSecond]), 59);
    if (record.ThroughHour >= 24) {
        // "Through 24" means to the end of the day, not to 23:00.
        record.ThroughHour = 23;
        record.ThroughMinute = 59;
        record.ThroughSecond = 59;
    }
    record.MoveToRecycleBin = form.moveToRecycleBin ? 1 : 0;
    if (!IsScheduleTimeValid(record))
        return std::nullopt;
    record.PrinterName = printer.substr(0, kFormPrinterLimit);
    return record;
}

} // namespace sw
