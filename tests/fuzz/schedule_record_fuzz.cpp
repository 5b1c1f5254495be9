// Feeds arbitrary bytes as a schedule file: every whole record and the partial
// one at the end decode without a crash, whatever they hold; a whole record
// encodes and decodes back to itself, and the timer's and the lists' uses of
// a record (due test, next event, the form) take any numbers.
#include "fuzz_check.h"
#include "unattended/next_event.h"
#include "unattended/schedule_form.h"
#include "unattended/schedule_record.h"
#include "unattended/schedule_rules.h"
#include "unattended/schedule_timing.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<sw::DecodedSchedule> schedules;
    for (std::size_t offset = 0; offset < size; offset += sw::kScheduleRecordSize) {
        const std::size_t left = size - offset;
        const sw::DecodedSchedule decoded = sw::DecodeScheduleRecord(data + offset, left);
        if (left < sw::kScheduleRecordSize) {
            // Its first fault may be a text without NUL before the end.
            swfuzz::CrashIf(decoded.error == sw::RecordError::None);
            continue;
        }
        schedules.push_back(decoded);
        if (decoded.error == sw::RecordError::None) {
            const sw::ScheduleRecordBytes again = sw::EncodeScheduleRecord(decoded.record);
            const sw::DecodedSchedule back = sw::DecodeScheduleRecord(again.data(), again.size());
            swfuzz::CrashIf(back.error != sw::RecordError::None || back.record != decoded.record);
        }

        const sw::LocalTime now{2026, 12, 9, 10, 0, 0};
        sw::IsScheduleDue(decoded, now);
        const sw::NextEvent event = sw::NextEventOf(decoded, now);
        swfuzz::CrashIf(event.scheduled != !sw::ScheduledTimeText(event).empty());
        sw::EventText(event);
        const sw::ScheduleForm form = sw::FormFromSchedule(decoded.record);
        sw::ScheduleFromForm(form, decoded.record.PrinterName);
    }
    const std::int32_t period = sw::MinimumIntervalOf(schedules);
    swfuzz::CrashIf(period < 1 || period > sw::kLongestInterval);
    return 0;
}
