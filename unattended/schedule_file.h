// The schedule file "sw.dat": records of 464 bytes numbered from 1, as many as
// whole records fit in the file (a partial one at the end is ignored); a
// missing file means no schedules. Every operation opens the file, does its
// work and closes it again, so nothing holds it between operations.
#pragma once

#include "unattended/schedule_record.h"

#include <cstdint>
#include <vector>

namespace sw {

// The number of whole records; 0 when the file is missing.
std::int32_t ScheduleCount();

enum class ScheduleLoad {
    NoSuchRecord, // index outside 1 ... count: the record is left unchanged
    Whole,
    Damaged, // a text without its NUL: the record holds it as it reads
};

// Reads record `index` into `record`.
ScheduleLoad LoadSchedule(ScheduleRecord& record, std::int32_t index);

// Every record in file order, as it reads; one read of the file.
std::vector<DecodedSchedule> LoadAllSchedules();

// Overwrites record `index` when 1 <= index <= count, otherwise appends the
// record after the last whole one. Returns the number of the record written,
// 0 when the file could not be written.
std::int32_t SaveSchedule(const ScheduleRecord& record, std::int32_t index);

// Appends the record to the scratch file "swb.dat"; false when it failed.
bool AppendScheduleToScratch(const ScheduleRecord& record);

// Removes record `index`. The other records go byte for byte, in order, to
// "swb.dat", which then replaces "sw.dat" in one step, so that there is never
// a moment without the schedule file; removing the last record removes the
// file. Returns false, leaving "sw.dat" whole, when index names no record or
// a step fails.
bool DeleteSchedule(std::int32_t index);

// The smallest interval above 0 of the runnable records, or 60000.
std::int32_t MinimumInterval();

} // namespace sw
