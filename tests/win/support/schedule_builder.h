// Schedule records for tests: a record of every day, all day, with an
// interval of one second, changed by the setters a test needs. Portable
// code, shared with the host tests.
#pragma once

#include "unattended/schedule_record.h"

#include <cstdint>
#include <string>
#include <utility>

namespace swtest {

class ScheduleBuilder {
  public:
    ScheduleBuilder(std::string folder, std::string pattern, std::string printer) {
        record_.IntervalMs = 1000;
        record_.WatchFolder = std::move(folder);
        record_.FilePattern = std::move(pattern);
        record_.PrinterName = std::move(printer);
        record_.DayMask = 254;
        Through(23, 59, 59);
    }
    ScheduleBuilder& Interval(std::int32_t milliseconds) {
        record_.IntervalMs = milliseconds;
        return *this;
    }
    ScheduleBuilder& Days(int mask) {
        record_.DayMask = static_cast<std::int16_t>(mask);
        return *this;
    }
    ScheduleBuilder& From(int hour, int minute = 0, int second = 0) {
        record_.FromHour = static_cast<std::int16_t>(hour);
        record_.FromMinute = static_cast<std::int16_t>(minute);
        record_.FromSecond = static_cast<std::int16_t>(second);
        return *this;
    }
    ScheduleBuilder& Through(int hour, int minute = 0, int second = 0) {
        record_.ThroughHour = static_cast<std::int16_t>(hour);
        record_.ThroughMinute = static_cast<std::int16_t>(minute);
        record_.ThroughSecond = static_cast<std::int16_t>(second);
        return *this;
    }
    ScheduleBuilder& ToRecycleBin() {
        record_.MoveToRecycleBin = 1;
        return *this;
    }
    operator sw::ScheduleRecord() const { return record_; }

  private:
    sw::ScheduleRecord record_;
};

} // namespace swtest
