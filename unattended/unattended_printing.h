// What the main window calls of unattended printing: the switch of its timer,
// the state kept across runs in "Spoolwright.ini", and the two dialogs.
#pragma once

#include "unattended/next_events_dialog.h"
#include "unattended/schedule_dialog.h"

#include <windows.h>

namespace sw {

// Starts the window-less timer with the period MinimumInterval() when it is
// off, stops it when it is on, and writes "Unattended" or "No unattended"
// into `indicator` unless it is null. The period stays as started until the
// timer is switched off and on again.
void ToggleUnattendedPrinting(HWND indicator);

bool IsUnattendedPrintingOn();

// Kills the timer; returns whether it was running.
bool StopUnattendedPrinting();

// True when "Status" of section "Unattended" has a numeric value other than 0.
bool UnattendedPrintingWasOn();

// Writes "Status" = "1" or "0".
void RecordUnattendedPrinting(bool on);

} // namespace sw
