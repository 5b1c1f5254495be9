// What the window asks and tells the service through the service control
// manager: whether it is installed, runs or starts by itself at boot, and
// starting and stopping it for the user.
#pragma once

#include <windows.h>

namespace sw {

enum class ServiceState {
    NotInstalled, // or not to be seen by this user
    Stopped,
    Running, // also while it starts or stops: it may print
};

struct ServiceInfo {
    ServiceState state = ServiceState::NotInstalled;
    bool startsAtBoot = false; // start type automatic
};

ServiceInfo QueryUnattendedService();

// Starts the service and waits at most `waitMs` for it to run. 0 when it
// runs, else the system's code: ERROR_ACCESS_DENIED for a user who may not
// control services, ERROR_TIMEOUT when it did not run in time.
DWORD StartUnattendedService(DWORD waitMs);

// Stops the service and waits at most `waitMs` for it to have stopped (it
// finishes the file it prints first). Codes as StartUnattendedService's.
DWORD StopUnattendedService(DWORD waitMs);

} // namespace sw
