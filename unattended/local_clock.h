// The local time that unattended printing reads, reached through one table so
// that a test can set the clock: the time window and the event log depend on
// it. Defaults to GetLocalTime.
#pragma once

#include "unattended/calendar.h"

#include <windows.h>

namespace sw {

struct LocalClockApi {
    void(WINAPI* getLocalTime)(LPSYSTEMTIME time);
};

LocalClockApi& LocalClock();

// The clock's local time now.
LocalTime CurrentLocalTime();

} // namespace sw
