// The next events of the stored schedules at the clock's present moment.
#pragma once

#include "unattended/next_event.h"

#include <cstdint>
#include <string>
#include <vector>

namespace sw {

// The event text of schedule `index` with its key in `key`; the empty text,
// with `key` untouched, when index names no schedule.
std::string NextEventTime(std::int32_t index, double& key);

// The next event of every schedule, earliest first; schedules that never run
// come last, in record order.
std::vector<NextEvent> NextEventsByTime();

} // namespace sw
