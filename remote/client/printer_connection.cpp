#include "remote/client/printer_connection.h"

#include "common/long_path.h"
#include "remote/job_outcome.h"

#include <ws2tcpip.h>

namespace sw {
namespace {

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

} // namespace

WinsockSession::WinsockSession() {
    WSADATA data;
    error_ = WSAStartup(MAKEWORD(2, 2), &data);
}

WinsockSession::~WinsockSession() {
    if (error_ == 0)
        WSACleanup();
}

void PrinterConnection::Close() {
    if (socket_ != INVALID_SOCKET)
        closesocket(socket_);
    socket_ = INVALID_SOCKET;
}

JobFile::JobFile(const std::string& path) : handle_(OpenForReading(path)) {
    LARGE_INTEGER size = {};
    if (handle_ != INVALID_HANDLE_VALUE && GetFileSizeEx(handle_, &size))
        length_ = static_cast<std::uint64_t>(size.QuadPart);
}

JobFile::~JobFile() {
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
}

bool JobFile::EndsWithFormFeed() const {
    if (length_ == 0)
        return false;
    LARGE_INTEGER last = {};
    last.QuadPart = static_cast<LONGLONG>(length_ - 1);
    char byte = 0;
    DWORD read = 0;
    const bool ok = SetFilePointerEx(handle_, last, nullptr, FILE_BEGIN) &&
                    ReadFile(handle_, &byte, 1, &read, nullptr) && read == 1;
    return ok && byte == kFormFeed;
}

int ConnectToPrinter(const SiteAddress& address, std::uint32_t connectMs, std::uint32_t sendMs,
                     std::uint32_t receiveMs, PrinterConnection& connection) {
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
        error = ConnectWithin(connection.Handle(), *each, connectMs);
        if (error == 0)
            break;
    }
    freeaddrinfo(found);
    if (error == 0) {
        SetWait(connection.Handle(), SO_SNDTIMEO, sendMs);
        SetWait(connection.Handle(), SO_RCVTIMEO, receiveMs);
    }
    return error;
}

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

RawJobOutcome StreamEveryCopy(const JobFile& file, const RemoteJob& job, const WriteChunk& write) {
    for (int copy = 0; copy < job.copies; ++copy) {
        LARGE_INTEGER start = {};
        if (!SetFilePointerEx(file.Handle(), start, nullptr, FILE_BEGIN))
            return RawJobOutcome::ReadFailed;
        const RawJobOutcome streamed = StreamRawJob(
            job.additions, file.Length(),
            [&](char* buffer, std::size_t length) {
                DWORD read = 0;
                return ReadFile(file.Handle(), buffer, static_cast<DWORD>(length), &read,
                                nullptr) &&
                       read == length;
            },
            write);
        if (streamed != RawJobOutcome::Sent)
            return streamed;
    }
    return RawJobOutcome::Sent;
}

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

std::optional<JobOutcome> RefusedBeforeSending(const RemoteJob& job, const JobFile& file,
                                               const std::string& languageOnly) {
    JobOutcome outcome;
    if (job.method != RemotePrintMethod::Bypass) {
        outcome.code = ERROR_NOT_SUPPORTED;
        outcome.problem = languageOnly +
                          "; a bitmap or a document needs a print server or an IPP printer (" +
                          std::to_string(ERROR_NOT_SUPPORTED) + ")";
        return outcome;
    }
    if (!file.IsOpen()) {
        outcome.code = static_cast<std::int32_t>(GetLastError());
        outcome.problem = "cannot open " + job.file + " (" + std::to_string(outcome.code) + ")";
        return outcome;
    }
    return std::nullopt;
}

int SendEveryCopy(SOCKET socket, const JobFile& file, const RemoteJob& job) {
    int sendError = 0;
    const RawJobOutcome streamed =
        StreamEveryCopy(file, job, [&](const char* bytes, std::size_t length) {
            if (SendAll(socket, bytes, length))
                return true;
            sendError = WSAGetLastError();
            return false;
        });
    return streamed == RawJobOutcome::ReadFailed ? kUnreadableJobFile : sendError;
}

JobOutcome UnreadableJobFile(const RemoteJob& job) {
    JobOutcome outcome;
    outcome.code = static_cast<std::int32_t>(kOutcomeUnreadableFile);
    outcome.problem = "reading " + job.file + " failed";
    return outcome;
}

std::string ConnectionProblem(int error) {
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
    return what + " (" + std::to_string(error) + ")";
}

} // namespace sw
