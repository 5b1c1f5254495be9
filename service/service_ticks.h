// The service's timer: the same rule as the window's (the smallest schedule
// interval, at most 60 s) and the same pass, run on the service's thread
// until it is told to stop.
#pragma once

#include "printroute/print_route.h"
#include "unattended/unattended_run.h"

#include <windows.h>

namespace sw {

// Until `stopEvent` is set: waits one period, then runs the unattended pass
// with `context` while it owns unattended printing (taken at each tick
// while the window holds it). The period is read again before every wait,
// so that a change of "sw.dat" counts from the next tick. Each pass's result
// goes to `onPass`, which tells whether printing is paused. Lets go of the
// ownership before it returns.
void RunServiceTicks(HANDLE stopEvent, const PrintContext& context,
                     void (*onPass)(const UnattendedPassResult&));

} // namespace sw
