// A remote schedule's file printed by the service itself: the companion is a
// window in a user's session, out of a service's reach. The printer's
// settings are read and checked as on the companion's route, and the job is
// sent with the companion's IPP client, signed in with the credential stored
// for the service's account. The result is the site's answer.
#pragma once

#include "printroute/print_route.h"

#include <cstdint>

namespace sw {

// Sends the request's file to its remote printer ("site:printer"). 0 once the
// site took every copy; else the system error code: 1801 for a site that
// "SWRemote.txt" does not list or a printer the site does not have, 87 for
// settings the companion would refuse (more than 999 copies), the codes of
// remote_failure_codes.h and the transport's (12002, 12029, 12175, ...).
std::int32_t PrintOnRemoteSite(const PrintRequest& request, const PrintContext& context);

// From any thread: a print under way stops waiting for a busy printer.
void StopRemoteWaits();

} // namespace sw
