// Printing on a printer's raw TCP port (AppSocket, "socket://host[:port]"):
// the job's bytes, with its orientation sequences and form feed, each copy
// after the other over one connection, and nothing around them. Sent means
// that every byte was taken and that the printer, once told that nothing
// more comes (the sending side shut down), closed the connection in order
// within the wait; a reset or a wait that runs out is a failure.
#pragma once

#include "remote/client/ipp_client.h"
#include "remote/remote_job.h"
#include "remote/site_address.h"

#include <cstdint>

namespace sw {

// Sends every copy of the job to the AppSocket site. The connection is
// waited for, each piece of the job taken and the printer's close awaited as
// RequestWaitsFor gives for `answerWaitSeconds`. Only a driver-bypass job
// can go: a bitmap or document needs a driver, which a printer's port has not.
JobOutcome SendAppSocketJob(const SiteAddress& address, const RemoteJob& job,
                            std::uint32_t answerWaitSeconds);

} // namespace sw
