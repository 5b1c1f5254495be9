#include "remote/client/socket_printer.h"

#include "remote/client/printer_connection.h"
#include "remote/job_outcome.h"
#include "remote/request_waits.h"

#include <optional>
#include <string>

namespace sw {
namespace {

std::string Where(const SiteAddress& address) {
    return "socket://" + HostAndPort(address);
}

JobOutcome Failed(const SiteAddress& address, int error) {
    JobOutcome outcome;
    outcome.code = error;
    outcome.problem = Where(address) + ": " + ConnectionProblem(error);
    return outcome;
}

} // namespace

JobOutcome SendAppSocketJob(const SiteAddress& address, const RemoteJob& job,
                            std::uint32_t answerWaitSeconds) {
    const JobFile file(job.file);
    if (const std::optional<JobOutcome> refused = RefusedBeforeSending(
            job, file, Where(address) + ": a printer's port takes its own printer language only"))
        return *refused;
    JobOutcome outcome;

    const WinsockSession session;
    if (session.Error() != 0)
        return Failed(address, session.Error());
    const RequestWaits waits = RequestWaitsFor(0, answerWaitSeconds);
    PrinterConnection connection;
    const int connected =
        ConnectToPrinter(address, waits.connectMs, waits.sendMs, waits.answerMs, connection);
    if (connected != 0)
        return Failed(address, connected);
    SOCKET socket = connection.Handle();

    int sendError = SendEveryCopy(socket, file, job);
    if (sendError == kUnreadableJobFile)
        return UnreadableJobFile(job);
    if (sendError == 0)
        sendError = AwaitOrderlyClose(socket);
    if (sendError != 0)
        return Failed(address, sendError);
    outcome.sent = true;
    return outcome;
}

} // namespace sw
