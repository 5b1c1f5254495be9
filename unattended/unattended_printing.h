// What the main window calls of unattended printing: the switch of its timer,
// the state kept across runs in "Spoolwright.ini", and the two dialogs.
#pragma once

#include "printroute/print_route.h"
#include "unattended/next_events_dialog.h"
#include "unattended/schedule_dialog.h"
#include "unattended/schedule_record.h"

#include <windows.h>

namespace sw {

// Starts the window-less timer with the period MinimumInterval() when
// `timer` (the program's) is 0, stops it otherwise, and writes "Unattended"
// or "No unattended" into `indicator` unless it is null. Every tick prints
// with `context`, which must outlive the timer, and shows in `indicator`
// when its pass paused because it could not record ("Unattended printing:
// paused, the disk is full (112)"), and "Unattended" again once it can. The period stays as started
// until the timer is switched off and on again.
void ToggleUnattendedPrinting(HWND indicator, UINT_PTR& timer, const PrintContext& context);

// Asked before every tick of the timer, when set: a tick it refuses prints
// nothing. It may stop the timer.
void SetUnattendedTickGate(bool (*mayPrint)());

// What the schedule dialog's Test asks first, when set: `take` tells
// whether this program may print the schedules now (taking them over when
// nobody does, and reading the state files afresh), `done` follows the
// Test's print. A Test that `take` refuses prints nothing.
void SetScheduleTestTurn(bool (*take)(), void (*done)());

// The dialog's Test of the record (RunSchedule), in its turn. False when it
// printed nothing because another owner prints the schedules.
bool TestSchedule(const ScheduleRecord& record, const PrintContext& context);

// Kills the timer and sets it to 0; returns whether it was running.
bool StopUnattendedPrinting(UINT_PTR& timer);

// True when "Status" of section "Unattended" has a numeric value other than 0.
bool UnattendedPrintingWasOn();

// Writes "Status" = "1" or "0".
void RecordUnattendedPrinting(bool on);

} // namespace sw
