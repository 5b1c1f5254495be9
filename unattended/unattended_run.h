// The scan-and-print pass of unattended printing and the timer procedure that
// runs it for every active schedule. Nothing here ever shows a message or a
// dialog: the event log is the only report.
#pragma once

#include "printroute/print_route.h"
#include "unattended/schedule_record.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace sw {

// Appends the line and CR LF to EventLogPath(), creating the file when
// missing. False, with the system's code as the last error, when the line is
// not in the file whole.
bool AppendEventLog(const std::string& line);

// What a scan pass leaves behind for whoever shows its state: whether it
// paused because a record could not be written (a journal note, the printed
// files, a log line), and the system's code of that write. A paused pass
// prints nothing after the write that failed; the next pass tries again.
struct UnattendedPassResult {
    bool paused = false;
    std::uint32_t error = 0;
};

// One scan of the schedule's folder, whatever its days and hours: every
// matching file (folders, hidden and system files left out) that has settled
// is printed to the schedule's printer and logged, in the order the file
// system lists them, and moved to the Recycle Bin after a successful print
// when the schedule says so. A file has settled when an earlier scan saw it
// with the same size and last write time, that time is the settling time
// ("SettleSeconds", read at each pass) old, and no other program holds it
// open for writing; until then it waits, without a log line. Each version of
// a file is printed once per printer; the same failure is logged at most
// every ten minutes. A file is printed only once the journal notes it, and
// moved only once its log line and its record are written; when a record
// cannot be written the pass pauses (see UnattendedPassResult). Does nothing
// while another scan (a tick, or a print of it that lets messages through)
// is under way, and says it did not pause. Prints with `context`, the
// program's companion controls and remembered copies.
UnattendedPassResult RunSchedule(const ScheduleRecord& record, const PrintContext& context);

// One tick of the timer: runs every schedule that is due now, in record
// order, as one scan pass; does nothing while another scan is under way.
UnattendedPassResult RunUnattendedPass(const PrintContext& context);

// For a program that is stopping, from any thread: the scan under way ends
// after the file it is printing (recorded as ever), and every later scan
// ends at once.
void StopScanning();

// For a program with no companion to hand remote printers to: a file for a
// remote printer is printed by `print`, which sends it to its site itself
// and gives 0 once the site took every copy, else the system error code
// logged for the file; the companion is neither started nor waited for, and
// the file is not copied for it. The file's journal note and record are kept
// as for a local print.
using DirectRemotePrint = std::int32_t (*)(const PrintRequest& request,
                                           const PrintContext& context);
void PrintRemotePrintersWith(DirectRemotePrint print);

// Drops what unattended printing keeps in memory, as a new start of the
// program would: the next scan reads the state files again and has seen no
// file yet.
void ForgetUnattendedMemory();

} // namespace sw
