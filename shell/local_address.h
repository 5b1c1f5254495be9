// The computer's IP address for the status bar.
#pragma once

#include <string>

namespace sw {

// The first IPv4 address of the local host, found by resolving the empty
// host name, as four decimal numbers joined by "."; "0.0.0.0" when none is
// found. A host without a network (no adapter up but loopback) gives
// "0.0.0.0" at once, and a lookup that hangs is given up after a second, so
// that the window never waits long for it.
std::string LocalIpText();

} // namespace sw
