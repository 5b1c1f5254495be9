// The names the service is known by: to the service control manager, to the
// people who see it in the services list, and to the window, which must never
// print the schedules while the service does.
#pragma once

namespace sw {

inline constexpr char kServiceName[] = "SpoolwrightUnattended";
inline constexpr char kServiceDisplayName[] = "Spoolwright Unattended Printing";

// Held by whoever prints the schedules, the window or the service, for as
// long as it does: machine-wide, so that a service and a user's window in
// another session see the same one.
inline constexpr char kUnattendedOwnerMutex[] = "Global\\SpoolwrightUnattendedPrinting";

} // namespace sw
