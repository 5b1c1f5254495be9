#include "remote/client/lpd_printer.h"

#include "remote/client/printer_connection.h"
#include "remote/job_outcome.h"
#include "remote/lpd_job.h"
#include "remote/remote_failure_codes.h"
#include "remote/request_waits.h"

#include <atomic>
#include <limits>
#include <optional>
#include <string>

namespace sw {
namespace {

std::string Where(const SiteAddress& address) {
    return "lpd://" + HostAndPort(address) + "/" + address.lpdQueue;
}

JobOutcome Failed(const SiteAddress& address, int error) {
    JobOutcome outcome;
    outcome.code = error;
    outcome.problem = Where(address) + ": " + ConnectionProblem(error);
    return outcome;
}

JobOutcome Refused(const SiteAddress& address, const std::string& what) {
    JobOutcome outcome;
    outcome.code = kJobRefusedCode;
    outcome.problem = Where(address) + ": the daemon refused " + what + " (" +
                      std::to_string(kJobRefusedCode) + ")";
    return outcome;
}

// Numbers this program's jobs 000 to 999 in turn, from a start that differs
// between runs, so that jobs sent close together have files of their own.
unsigned NextJobNumber() {
    static std::atomic<unsigned> next{static_cast<unsigned>(GetTickCount() / 16)};
    return next++ % kLpdJobNumbers;
}

std::string ComputerName() {
    char name[MAX_COMPUTERNAME_LENGTH + 1] = {};
    DWORD length = sizeof(name);
    return GetComputerNameA(name, &length) ? std::string(name, length) : std::string();
}

// The daemon's answer to the last command or file: 0 when it acknowledged
// it, kAckRefused when it answered another byte or closed the connection,
// else the socket's error (a reset, a wait that ran out).
constexpr int kAckRefused = -1;

int ReadAcknowledgement(SOCKET socket) {
    char answer = 0;
    const int received = recv(socket, &answer, 1, 0);
    if (received == SOCKET_ERROR)
        return WSAGetLastError();
    return received == 1 && answer == '\0' ? 0 : kAckRefused;
}

// Sends `bytes` and reads the acknowledgement; as ReadAcknowledgement.
int SendAndAwaitAcknowledgement(SOCKET socket, const std::string& bytes) {
    if (!SendAll(socket, bytes.data(), bytes.size()))
        return WSAGetLastError();
    return ReadAcknowledgement(socket);
}

} // namespace

JobOutcome SendLpdJob(const SiteAddress& address, const RemoteJob& job, const std::string& user,
                      std::uint32_t answerWaitSeconds) {
    const JobFile file(job.file);
    if (const std::optional<JobOutcome> refused = RefusedBeforeSending(
            job, file,
            Where(address) + ": a daemon's queue is sent the printer's own language only"))
        return *refused;
    JobOutcome outcome;
    // The data file's length is announced before it: every copy's bytes.
    const std::uint64_t copyLength =
        RawJobLength(job.additions, file.Length(), file.EndsWithFormFeed());
    const auto copies = static_cast<std::uint64_t>(job.copies > 0 ? job.copies : 1);
    if (copyLength > std::numeric_limits<std::uint64_t>::max() / copies) {
        outcome.code = kJobTooLargeCode;
        outcome.problem =
            "the job of " + job.file + " is too large (" + std::to_string(kJobTooLargeCode) + ")";
        return outcome;
    }
    const std::uint64_t dataLength = copyLength * copies;

    LpdJobFields fields;
    fields.jobNumber = NextJobNumber();
    fields.computerName = ComputerName();
    fields.user = user;
    fields.file = job.file;
    const LpdJobFiles names = LpdJob(fields);

    const WinsockSession session;
    if (session.Error() != 0)
        return Failed(address, session.Error());
    const RequestWaits waits = RequestWaitsFor(dataLength, answerWaitSeconds);
    // The protocol once asked for a source port from 721 to 731, which only
    // an administrator may bind; today's daemons and printers take a job from
    // any port, so the system chooses it.
    PrinterConnection connection;
    const int connected =
        ConnectToPrinter(address, waits.connectMs, waits.sendMs, waits.answerMs, connection);
    if (connected != 0)
        return Failed(address, connected);
    SOCKET socket = connection.Handle();

    int answer = SendAndAwaitAcknowledgement(socket, LpdReceiveJobCommand(address.lpdQueue));
    if (answer == kAckRefused)
        return Refused(address, "a job for queue \"" + address.lpdQueue + "\"");
    if (answer == 0)
        answer = SendAndAwaitAcknowledgement(
            socket, LpdControlFileCommand(names.controlFile.size(), names.controlFileName));
    if (answer == 0)
        answer = SendAndAwaitAcknowledgement(socket, names.controlFile + '\0');
    if (answer == kAckRefused)
        return Refused(address, "the job's control file");
    if (answer == 0)
        answer =
            SendAndAwaitAcknowledgement(socket, LpdDataFileCommand(dataLength, names.dataFileName));
    if (answer == kAckRefused)
        return Refused(address, "the job's data file of " + std::to_string(dataLength) + " bytes");
    if (answer != 0)
        return Failed(address, answer);

    int sendError = SendEveryCopy(socket, file, job);
    if (sendError == kUnreadableJobFile)
        return UnreadableJobFile(job);
    if (sendError != 0)
        return Failed(address, sendError);
    answer = SendAndAwaitAcknowledgement(socket, std::string(1, '\0'));
    if (answer == kAckRefused)
        return Refused(address, "the job's data");
    if (answer != 0)
        return Failed(address, answer);
    // The daemon takes the job in once the connection ends: the sending side
    // is shut down and its close awaited, so that the job has gone in when
    // it is reported. The job was acknowledged whole already; a close that
    // does not come in time changes nothing.
    AwaitOrderlyClose(socket);
    outcome.sent = true;
    return outcome;
}

} // namespace sw
