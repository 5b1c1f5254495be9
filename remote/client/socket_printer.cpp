#include "remote/client/socket_printer.h"

#include "common/long_path.h"
#include "remote/job_outcome.h"
#include "remote/request_waits.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <string>

namespace sw {
namespace {

class WinsockSession {
  public:
    WinsockSession() {
        WSADATA data;
        error_ = WSAStartup(MAKEWORD(2, 2), &data);
    }
    ~WinsockSession() {
        if (error_ == 0)
            WSACleanup();
    }
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    int Error() const { return error_; }

  private:
    int error_ = 0;
};

class Connection {
  public:
    Connection() = default;
    ~Connection() { Close(); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    void Close() {
        if (socket_ != INVALID_SOCKET)
            closesocket(socket_);
        socket_ = INVALID_SOCKET;
    }
    SOCKET& Handle() { return socket_; }

  private:
    SOCKET socket_ = INVALID_SOCKET;
};

class OpenFile {
  public:
    explicit OpenFile(const std::string& path) : handle_(OpenForReading(path)) {}
    ~OpenFile() {
        if (handle_ != INVALID_HANDLE_VALUE)
            CloseHandle(handle_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    HANDLE Handle() const { return handle_; }

  private:
    HANDLE handle_;
};

std::string Where(const SiteAddress& address) {
    return "socket://" + HostAndPort(address);
}

std::string SocketProblem(const SiteAddress& address, int error) {
    std::string what;
    switch (error) {
    case WSAECONNREFUSED:
        what = "cannot connect: the printer is off or refuses connections";
        break;
    case WSAETIMEDOUT:
        what = "the printer did not answer in time";
        break;
    case WSAECONNRESET:
    case WSAECONNABORTED:
        what = "the printer broke the connection off before the job was whole";
        break;
    case WSAHOST_NOT_FOUND:
    case WSANO_DATA:
        what = "the printer's name is not known";
        break;
    default:
        what = "the connection failed";
        break;
    }
    return Where(address) + ": " + what + " (" + std::to_string(error) + ")";
}

JobOutcome Failed(const SiteAddress& address, int error) {
    JobOutcome outcome;
    outcome.code = error;
    outcome.problem = SocketProblem(address, error);
    return outcome;
}

void SetWait(SOCKET socket, int option, std::uint32_t waitMs) {
    const DWORD ms = waitMs;
    setsockopt(socket, SOL_SOCKET, option, reinterpret_cast<const char*>(&ms), sizeof(ms));
}

// Connects within `waitMs`, so that a printer that is switched off fails
// the job in known time; the connection is then blocking again.
int ConnectWithin(SOCKET socket, const addrinfo& address, std::uint32_t waitMs) {
    u_long nonBlocking = 1;
    ioctlsocket(socket, FIONBIO, &nonBlocking);
    if (connect(socket, address.ai_addr, static_cast<int>(address.ai_addrlen)) == SOCKET_ERROR) {
        const int error = WSAGetLastError();
        if (error != WSAEWOULDBLOCK)
            return error;
        fd_set writable, failed;
        FD_ZERO(&writable);
        FD_ZERO(&failed);
        FD_SET(socket, &writable);
        FD_SET(socket, &failed);
        timeval wait = {static_cast<long>(waitMs / 1000), static_cast<long>(waitMs % 1000) * 1000};
        const int ready = select(0, nullptr, &writable, &failed, &wait);
        if (ready == 0)
            return WSAETIMEDOUT;
        if (ready == SOCKET_ERROR)
            return WSAGetLastError();
        if (FD_ISSET(socket, &failed) || !FD_ISSET(socket, &writable)) {
            int problem = 0;
            int size = sizeof(problem);
            getsockopt(socket, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&problem), &size);
            return problem != 0 ? problem : WSAECONNREFUSED;
        }
    }
    nonBlocking = 0;
    ioctlsocket(socket, FIONBIO, &nonBlocking);
    return 0;
}

// Tries each address the name gives; the error of the last one when none connects.
int Connect(const SiteAddress& address, const RequestWaits& waits, Connection& connection) {
    addrinfo hints = {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    addrinfo* found = nullptr;
    const std::string port = std::to_string(address.port);
    const int resolved = getaddrinfo(address.host.c_str(), port.c_str(), &hints, &found);
    if (resolved != 0)
        return resolved;
    int error = WSAHOST_NOT_FOUND;
    for (const addrinfo* each = found; each != nullptr; each = each->ai_next) {
        connection.Close();
        connection.Handle() = socket(each->ai_family, each->ai_socktype, each->ai_protocol);
        if (connection.Handle() == INVALID_SOCKET) {
            error = WSAGetLastError();
            continue;
        }
        error = ConnectWithin(connection.Handle(), *each, waits.connectMs);
        if (error == 0)
            break;
    }
    freeaddrinfo(found);
    return error;
}

// Every byte, however the system splits the sending; false on failure.
bool SendAll(SOCKET socket, const char* bytes, std::size_t length) {
    while (length > 0) {
        const int piece = length > 0x10000 ? 0x10000 : static_cast<int>(length);
        const int sent = send(socket, bytes, piece, 0);
        if (sent == SOCKET_ERROR || sent <= 0)
            return false;
        bytes += sent;
        length -= static_cast<std::size_t>(sent);
    }
    return true;
}

// After the sending side is shut down, the printer closes in order once it
// has the job: 0 then, the socket error when it resets or does not close.
// What it sends meanwhile (status bytes) is read and dropped.
int AwaitOrderlyClose(SOCKET socket) {
    if (shutdown(socket, SD_SEND) == SOCKET_ERROR)
        return WSAGetLastError();
    char dropped[512];
    for (;;) {
        const int received = recv(socket, dropped, sizeof(dropped), 0);
        if (received == 0)
            return 0;
        if (received == SOCKET_ERROR)
            return WSAGetLastError();
    }
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
    const OpenFile file(job.file);
    if (file.Handle() == INVALID_HANDLE_VALUE) {
        outcome.code = static_cast<std::int32_t>(GetLastError());
        outcome.problem = "cannot open " + job.file + " (" + std::to_string(outcome.code) + ")";
        return outcome;
    }
    LARGE_INTEGER size = {};
    GetFileSizeEx(file.Handle(), &size);
    const auto fileLength = static_cast<std::uint64_t>(size.QuadPart);

    const WinsockSession session;
    if (session.Error() != 0)
        return Failed(address, session.Error());
    const RequestWaits waits = RequestWaitsFor(0, answerWaitSeconds);
    Connection connection;
    const int connected = Connect(address, waits, connection);
    if (connected != 0)
        return Failed(address, connected);
    SOCKET socket = connection.Handle();
    SetWait(socket, SO_SNDTIMEO, waits.sendMs);
    SetWait(socket, SO_RCVTIMEO, waits.answerMs);

    int sendError = 0;
    bool readFailed = false;
    for (int copy = 0; copy < job.copies; ++copy) {
        LARGE_INTEGER start = {};
        if (!SetFilePointerEx(file.Handle(), start, nullptr, FILE_BEGIN)) {
            readFailed = true;
            break;
        }
        const RawJobOutcome streamed = StreamRawJob(
            job.additions, fileLength,
            [&](char* buffer, std::size_t length) {
                DWORD read = 0;
                return ReadFile(file.Handle(), buffer, static_cast<DWORD>(length), &read,
                                nullptr) &&
                       read == length;
            },
            [&](const char* bytes, std::size_t length) {
                if (SendAll(socket, bytes, length))
                    return true;
                sendError = WSAGetLastError();
                return false;
            });
        if (streamed == RawJobOutcome::ReadFailed)
            readFailed = true;
        if (streamed != RawJobOutcome::Sent)
            break;
    }
    if (readFailed) {
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
