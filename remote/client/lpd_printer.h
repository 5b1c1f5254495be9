// Printing to a queue of a Line Printer Daemon ("lpd://host[:port]/queue",
// RFC 1179): over one TCP connection, the receive-job command for the queue,
// then a control file naming one data file of type 'l' (printed as it is,
// control characters left in), then that data file: the job's bytes with the
// printer's orientation sequences and form feed, every copy after the other.
// Every command and file is acknowledged by the daemon with a zero byte; sent
// means every acknowledgement came, the last one after the data file. Any
// other byte, or a connection closed before it, is the daemon's refusal.
#pragma once

#include "remote/client/ipp_client.h"
#include "remote/remote_job.h"
#include "remote/site_address.h"

#include <cstdint>
#include <string>

namespace sw {

// Sends the job to the LPD site as `user`. The connection, each piece and
// each acknowledgement are waited for as RequestWaitsFor gives for the job's
// length and `answerWaitSeconds`. Only a driver-bypass job can go: a bitmap
// or document needs a driver, which a daemon's raw queue has not. A refusal
// is kJobRefusedCode; a connection that fails gives the system's socket code.
JobOutcome SendLpdJob(const SiteAddress& address, const RemoteJob& job, const std::string& user,
                      std::uint32_t answerWaitSeconds);

} // namespace sw
