#include "remote/companion/ipp_client.h"

#include "common/long_path.h"
#include "remote/http_message.h"
#include "remote/ipp_requests.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <functional>
#include <vector>

namespace sw {
namespace {

constexpr DWORD kConnectTimeoutMs = 5000;
constexpr DWORD kTransferTimeoutMs = 30000;
// A print server's answer to these requests is small; a larger one is refused.
constexpr std::size_t kLargestResponse = 1024 * 1024;

std::string SystemMessage(int error) {
    char text[256] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                   static_cast<DWORD>(error), 0, text, sizeof(text), nullptr);
    std::string message(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' ||
                                message.back() == ' ' || message.back() == '.'))
        message.pop_back();
    return (message.empty() ? "error" : message) + " (" + std::to_string(error) + ")";
}

// A connected socket to the site, or INVALID_SOCKET with the reason.
SOCKET Connect(const SiteAddress& site, std::string& problem) {
    addrinfo hints = {};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_protocol = IPPROTO_TCP;
    if (site.ipv6 || IsIpv4Address(site.host))
        hints.ai_flags = AI_NUMERICHOST;
    addrinfo* addresses = nullptr;
    const std::string port = std::to_string(site.port);
    const int found = getaddrinfo(site.host.c_str(), port.c_str(), &hints, &addresses);
    if (found != 0) {
        problem = "cannot find " + site.host + ": " + SystemMessage(found);
        return INVALID_SOCKET;
    }
    SOCKET connection = INVALID_SOCKET;
    int error = 0;
    for (addrinfo* address = addresses; address != nullptr && connection == INVALID_SOCKET;
         address = address->ai_next) {
        SOCKET s = socket(address->ai_family, address->ai_socktype, address->ai_protocol);
        if (s == INVALID_SOCKET) {
            error = WSAGetLastError();
            continue;
        }
        // Connect without blocking, so that the wait is bounded.
        u_long nonBlocking = 1;
        ioctlsocket(s, FIONBIO, &nonBlocking);
        if (connect(s, address->ai_addr, static_cast<int>(address->ai_addrlen)) == 0 ||
            WSAGetLastError() == WSAEWOULDBLOCK) {
            fd_set writable, failed;
            FD_ZERO(&writable);
            FD_ZERO(&failed);
            FD_SET(s, &writable);
            FD_SET(s, &failed);
            timeval wait = {static_cast<long>(kConnectTimeoutMs / 1000), 0};
            const int ready = select(0, nullptr, &writable, &failed, &wait);
            int socketError = 0;
            int length = sizeof(socketError);
            getsockopt(s, SOL_SOCKET, SO_ERROR, reinterpret_cast<char*>(&socketError), &length);
            if (ready > 0 && FD_ISSET(s, &writable) && socketError == 0) {
                connection = s;
                break;
            }
            error = ready == 0 ? WSAETIMEDOUT : (socketError != 0 ? socketError : WSAECONNREFUSED);
        } else {
            error = WSAGetLastError();
        }
        closesocket(s);
    }
    freeaddrinfo(addresses);
    if (connection == INVALID_SOCKET) {
        problem = "cannot connect to " + HostAndPort(site) + ": " + SystemMessage(error);
        return INVALID_SOCKET;
    }
    u_long blocking = 0;
    ioctlsocket(connection, FIONBIO, &blocking);
    const DWORD timeout = kTransferTimeoutMs;
    setsockopt(connection, SOL_SOCKET, SO_SNDTIMEO, reinterpret_cast<const char*>(&timeout),
               sizeof(timeout));
    setsockopt(connection, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeout),
               sizeof(timeout));
    return connection;
}

bool SendAll(SOCKET connection, std::string_view bytes) {
    while (!bytes.empty()) {
        const int sent = send(connection, bytes.data(), static_cast<int>(bytes.size()), 0);
        if (sent <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

// Hands the body to `write` piece by piece; false stops the sending.
using BodyWriter = std::function<bool(const std::function<bool(std::string_view)>& write)>;

// Posts a request to the site and decodes the IPP answer; nothing, with the
// reason in `problem`, when the exchange or the answer failed.
std::optional<IppResponse> Exchange(const SiteAddress& site, const std::string& resource,
                                    const BodyWriter& body, std::string& problem) {
    SOCKET connection = Connect(site, problem);
    if (connection == INVALID_SOCKET)
        return std::nullopt;
    std::optional<IppResponse> answer;
    bool sent = SendAll(connection, IppPostHead(HostAndPort(site), resource));
    if (sent) {
        sent = body([connection](std::string_view piece) {
            return piece.empty() || SendAll(connection, BodyChunk(piece));
        });
    }
    if (sent && !problem.empty())
        sent = false; // the body's source failed; the server gets no last chunk
    if (sent && SendAll(connection, kLastChunk)) {
        // No half-close here: the server takes the end of our sending for a
        // client that went away and drops its answer. It closes after answering.
        std::string received;
        char buffer[8192];
        int got = 0;
        while (received.size() <= kLargestResponse &&
               (got = recv(connection, buffer, sizeof(buffer), 0)) > 0)
            received.append(buffer, static_cast<std::size_t>(got));
        const std::optional<HttpResponse> response = ParseHttpResponse(received);
        if (got < 0 && received.empty()) {
            problem =
                "no answer from " + HostAndPort(site) + ": " + SystemMessage(WSAGetLastError());
        } else if (!response) {
            problem = "the answer of " + HostAndPort(site) + " is not HTTP";
        } else if (response->status != 200) {
            problem = HostAndPort(site) + " answered HTTP " + std::to_string(response->status);
        } else {
            answer = DecodeIpp(response->body);
            if (!answer)
                problem = "the answer of " + HostAndPort(site) + " is not IPP";
        }
    } else if (problem.empty()) {
        problem =
            "sending to " + HostAndPort(site) + " failed: " + SystemMessage(WSAGetLastError());
    }
    closesocket(connection);
    if (answer && !IsSuccessfulStatus(answer->status)) {
        problem = DescribeFailure(*answer);
        answer.reset();
    }
    return answer;
}

std::uint32_t NextRequestId() {
    static std::uint32_t id = 0;
    return ++id;
}

} // namespace

std::string Utf8FromAnsi(const std::string& text) {
    const int wideLength =
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (wideLength <= 0)
        return std::string();
    std::vector<WCHAR> wide(static_cast<std::size_t>(wideLength));
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                        wideLength);
    const int length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, nullptr, 0, nullptr, nullptr);
    std::string utf8(static_cast<std::size_t>(length > 0 ? length : 0), '\0');
    if (length > 0)
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wideLength, &utf8[0], length, nullptr,
                            nullptr);
    return utf8;
}

PrinterListing ListSitePrinters(const SiteAddress& site, const std::string& userName) {
    PrinterListing listing;
    const std::string request = GetPrintersRequest(Utf8FromAnsi(userName), NextRequestId());
    const std::optional<IppResponse> answer = Exchange(
        site, "/", [&](const auto& write) { return write(request); }, listing.problem);
    if (answer)
        listing.printers = PrinterNames(*answer);
    return listing;
}

JobOutcome SendJobCopy(const SiteAddress& site, const RemoteJob& job, const std::string& userName) {
    JobOutcome outcome;
    // Through the wide call, so that a path longer than 259 characters opens too.
    HANDLE file = OpenForReading(job.file);
    if (file == INVALID_HANDLE_VALUE) {
        outcome.problem = "cannot open " + job.file + ": " + SystemMessage(GetLastError());
        return outcome;
    }
    LARGE_INTEGER size = {};
    GetFileSizeEx(file, &size);

    PrintJobAttributes attributes;
    attributes.printerUri = PrinterUri(site, job.printer);
    attributes.userName = Utf8FromAnsi(userName);
    attributes.jobName = Utf8FromAnsi(JobDocumentName(job.file));
    attributes.documentFormat = job.documentFormat;
    const std::string request = PrintJobRequest(attributes, NextRequestId());

    std::string readProblem;
    const auto body = [&](const std::function<bool(std::string_view)>& write) {
        if (!write(request))
            return false;
        const RawJobOutcome streamed = StreamRawJob(
            job.additions, static_cast<std::uint64_t>(size.QuadPart),
            [&](char* buffer, std::size_t length) {
                DWORD read = 0;
                const bool ok =
                    ReadFile(file, buffer, static_cast<DWORD>(length), &read, nullptr) &&
                    read == length;
                if (!ok)
                    readProblem = "reading " + job.file + " failed";
                return ok;
            },
            [&](const char* bytes, std::size_t length) {
                return write(std::string_view(bytes, length));
            });
        return streamed == RawJobOutcome::Sent;
    };
    std::string problem;
    BodyWriter writer = [&](const std::function<bool(std::string_view)>& write) {
        const bool sent = body(write);
        if (!readProblem.empty())
            problem = readProblem;
        return sent;
    };
    const std::optional<IppResponse> answer =
        Exchange(site, PrinterResource(job.printer), writer, problem);
    CloseHandle(file);
    if (!answer) {
        outcome.problem = problem;
        return outcome;
    }
    outcome.sent = true;
    const std::string id = AttributeText(*answer, ipp::kJobGroup, "job-id");
    if (id.size() == 4)
        outcome.jobId = static_cast<int>(
            (static_cast<unsigned char>(id[0]) << 24) | (static_cast<unsigned char>(id[1]) << 16) |
            (static_cast<unsigned char>(id[2]) << 8) | static_cast<unsigned char>(id[3]));
    return outcome;
}

} // namespace sw
