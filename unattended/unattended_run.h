// The scan-and-print pass of unattended printing and the timer procedure that
// runs it for every active schedule. Nothing here ever shows a message or a
// dialog: the event log is the only report.
#pragma once

#include "printroute/print_route.h"
#include "unattended/schedule_record.h"

#include <windows.h>

#include <cstdint>
#include <string>

namespace sw {

// Appends the line and CR LF to EventLogPath(), creating the file when
// missing. A failed write is ignored.
void AppendEventLog(const std::string& line);

// Moves the file to the Recycle Bin, silently. Returns 0 when the file left
// its folder, otherwise the shell's or the system's code.
std::int32_t SendToRecycleBin(const std::string& path);

// One scan of the schedule's folder, whatever its days and hours: every
// matching file (folders, hidden and system files left out) that has settled
// is printed to the schedule's printer and logged, in the order the file
// system lists them, and moved to the Recycle Bin after a successful print
// when the schedule says so. A file has settled when an earlier scan saw it
// with the same size and last write time, that time is two seconds old, and
// no other program holds it open for writing; until then it waits, without
// a log line. Each version of a file is printed once per printer; the same
// failure is logged at most every ten minutes. Does nothing while another
// scan (a tick, or a print of it that lets messages through) is under way.
// Prints with `context`, the program's companion controls and remembered
// copies.
void RunSchedule(const ScheduleRecord& record, const PrintContext& context);

// One tick of the timer: runs every schedule that is due now, in record
// order, as one scan pass; does nothing while another scan is under way.
void RunUnattendedPass(const PrintContext& context);

// For a program that is stopping, from any thread: the scan under way ends
// after the file it is printing (recorded as ever), and every later scan
// ends at once.
void StopScanning();

// For a program with no companion to hand remote printers to: a file for a
// remote printer fails with `code` (logged as any failure), and the
// companion is neither started nor waited for.
void RefuseRemotePrinters(std::int32_t code);

// Drops what unattended printing keeps in memory, as a new start of the
// program would: the next scan reads the state files again and has seen no
// file yet.
void ForgetUnattendedMemory();

} // namespace sw
