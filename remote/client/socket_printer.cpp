#include "remote/client/socket_printer.h"

#include "remote/client/printer_connection.h"
#include "remote/job_outcome.h"
#include "remote/request_waits.h"

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
    JobOutcome outcome;
    if (job.method != RemotePrintMethod::Bypass) {
        outcome.code = ERROR_NOT_SUPPORTED;
        outcome.problem = Where(address) +
                          ": a printer's port takes its own printer language only; a bitmap or "
                          "a document needs a print server or an IPP printer (" +
                          std::to_string(ERROR_NOT_SUPPORTED) + ")";
        return outcome;
    }
    const JobFile file(job.file);
    if (!file.IsOpen()) {
        outcome.code = static_cast<std::int32_t>(GetLastError());
        outcome.problem = "cannot open " + job.file + " (" + std::to_string(outcome.code) + ")";
        return outcome;
    }

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

    int sendError = 0;
    const RawJobOutcome streamed =
        StreamEveryCopy(file, job, [&](const char* bytes, std::size_t length) {
            if (SendAll(socket, bytes, length))
                return true;
            sendError = WSAGetLastError();
            return false;
        });
    if (streamed == RawJobOutcome::ReadFailed) {
        outcome.code = static_cast<std::int32_t>(kOutcomeUnreadableFile);
        outcome.problem = "reading " + job.file + " failed";
        return outcome;
    }
    if (sendError == 0)
        sendError = AwaitOrderlyClose(socket);
    if (sendError != 0)
        return Failed(address, sendError);
    outcome.sent = true;
    return outcome;
}

} // namespace sw
