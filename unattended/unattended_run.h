// The scan-and-print pass of unattended printing and the timer procedure that
// runs it for every active schedule. Nothing here ever shows a message or a
// dialog: the event log is the only report.
#pragma once

#include "unattended/schedule_record.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace sw {

// The code logged for a bitmap that cannot be loaded (ERROR_INVALID_DATA):
// the library would show a message box and print an empty page for it.
inline constexpr std::int32_t kBitmapNotLoadedError = 13;

// Appends the line and CR LF to EventLogPath(), creating the file when
// missing. A failed write is ignored.
void AppendEventLog(const std::string& line);

// Moves the file to the Recycle Bin, silently; the result is ignored.
void SendToRecycleBin(const std::string& path);

// One scan of the schedule's folder, whatever its days and hours: every
// matching file (folders, hidden and system files left out) is printed to the
// schedule's printer and logged, in the order the file system lists them,
// and moved to the Recycle Bin after a successful print when the schedule
// says so. A file another program still has open for writing is left for a
// later scan, without a log line.
void RunSchedule(const ScheduleRecord& record);

// The timer procedure: runs every schedule that is due now, in record order.
void CALLBACK UnattendedTick(HWND window, UINT message, UINT_PTR id, DWORD time);

} // namespace sw
