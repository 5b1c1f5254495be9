#include "unattended/step_times.h"

#include <windows.h>

namespace sw {
namespace {

StepTimes& Stored() {
    static StepTimes times;
    return times;
}

std::int64_t Counter() {
    LARGE_INTEGER now = {};
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

double CounterSeconds(std::int64_t ticks) {
    LARGE_INTEGER frequency = {};
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart > 0
               ? static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart)
               : 0.0;
}

} // namespace

StepTimes CurrentStepTimes() {
    return Stored();
}

void ResetStepTimes() {
    Stored() = StepTimes();
}

const char* StepName(ScanStep step) {
    switch (step) {
    case ScanStep::Listing:
        return "listing";
    case ScanStep::SettleCheck:
        return "settle check";
    case ScanStep::JournalNote:
        return "journal notes";
    case ScanStep::Print:
        return "print";
    case ScanStep::Record:
        return "record";
    case ScanStep::LogLine:
        return "log line";
    case ScanStep::RecycleBin:
        return "Recycle Bin";
    case ScanStep::ShellMove:
        return "shell's move";
    default:
        return "?";
    }
}

StepTimer::StepTimer(ScanStep step) : step_(step), start_(Counter()) {}

StepTimer::~StepTimer() {
    StepTimes& times = Stored();
    const int index = static_cast<int>(step_);
    times.seconds[index] += CounterSeconds(Counter() - start_);
    ++times.calls[index];
}

} // namespace sw
