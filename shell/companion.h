// The companion remote-printing program "Spoolwright Remote": the ten
// registered messages through which it announces the window handles of its
// controls and the handles last announced; starting it is the print route's
// (printroute/companion_launch.h).
#pragma once

#include "printroute/companion_launch.h"
#include "remote/companion_protocol.h"
#include "shell/program_state.h"

#include <windows.h>

#include <cstddef>
#include <string>

namespace sw {

// The companion's controls, one per registered message, in registration order.
enum CompanionControl {
    kCompanionPrinterList,
    kCompanionPrintCommand,
    kCompanionCopies,
    kCompanionAutoFormfeed,
    kCompanionOrientation,
    kCompanionPrintMethod,
    kCompanionBitmapLeft,
    kCompanionBitmapTop,
    kCompanionBitmapWidth,
    kCompanionBitmapHeight,
    kCompanionControlCount
};

static_assert(static_cast<int>(kCompanionControlCount) == static_cast<int>(kCompanionFieldCount),
              "one registered message for each of the companion's controls");
static_assert(static_cast<std::size_t>(kCompanionControlCount) == kCompanionHandleCount,
              "one handle in the program's state for each of the companion's controls");

// Registers the ten messages in order and keeps their ids.
void RegisterCompanionMessages();

// What an incoming message meant to the companion protocol.
enum class CompanionMessage { NotCompanion, Stored, StoredFirstPrintCommand };

// Stores the handle in wParam when `message` is one of the ten; the first
// print-command handle (the field held 0) asks for a printer-list refresh.
CompanionMessage ReceiveCompanionMessage(UINT message, WPARAM wParam);

// Checks the menu item "Spoolwright Remote" (command 0x807) of `menu` when
// the companion runs; never removes the check.
void MarkCompanionMenuItem(HMENU menu);

// Sets the check of the menu item "Spoolwright Remote" (command 0x807) to
// whether the companion runs now: checked while it runs, cleared after it
// ended. Returns whether it runs.
bool UpdateCompanionMenuItem(HMENU menu);

} // namespace sw
