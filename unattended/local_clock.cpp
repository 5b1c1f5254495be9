#include "unattended/local_clock.h"

namespace sw {

LocalClockApi& LocalClock() {
    static LocalClockApi api = {GetLocalTime};
    return api;
}

LocalTime CurrentLocalTime() {
    SYSTEMTIME now = {};
    LocalClock().getLocalTime(&now);
    return LocalTime{now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

} // namespace sw
