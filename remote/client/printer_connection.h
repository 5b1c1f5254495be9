// What a job sent straight to a printer over TCP needs, whatever speaks on
// the connection (a printer's raw port, a Line Printer Daemon): the system's
// sockets for the time of the job, a connection made within a wait, every
// byte sent, the job's file and its copies streamed with their additions,
// and the printer's orderly close awaited.
#pragma once

#include "printengine/raw_job.h"
#include "remote/client/ipp_client.h"
#include "remote/remote_job.h"
#include "remote/site_address.h"

#include <winsock2.h>

#include <cstdint>
#include <optional>
#include <string>

namespace sw {

class WinsockSession {
  public:
    WinsockSession();
    ~WinsockSession();
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    int Error() const { return error_; }

  private:
    int error_ = 0;
};

class PrinterConnection {
  public:
    PrinterConnection() = default;
    ~PrinterConnection() { Close(); }
    PrinterConnection(const PrinterConnection&) = delete;
    PrinterConnection& operator=(const PrinterConnection&) = delete;
    void Close();
    SOCKET& Handle() { return socket_; }

  private:
    SOCKET socket_ = INVALID_SOCKET;
};

// The job's file, open for reading; its length, and whether its last byte is
// a form feed (the length of the job depends on it).
class JobFile {
  public:
    explicit JobFile(const std::string& path);
    ~JobFile();
    JobFile(const JobFile&) = delete;
    JobFile& operator=(const JobFile&) = delete;
    HANDLE Handle() const { return handle_; }
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }
    std::uint64_t Length() const { return length_; }
    bool EndsWithFormFeed() const;

  private:
    HANDLE handle_;
    std::uint64_t length_ = 0;
};

// Connects to the site's host and port, trying each address its name gives,
// each within `connectMs`; 0, or the socket error of the last try. The
// connection sends and receives waiting at most `sendMs` and `receiveMs`.
int ConnectToPrinter(const SiteAddress& address, std::uint32_t connectMs, std::uint32_t sendMs,
                     std::uint32_t receiveMs, PrinterConnection& connection);

// Every byte, however the system splits the sending; false on failure (the
// socket error is WSAGetLastError's).
bool SendAll(SOCKET socket, const char* bytes, std::size_t length);

// The refusal of a job before anything is sent: a bitmap or a document,
// which needs a driver (`languageOnly` says who takes the printer's own
// language only), or a file that cannot be opened; nothing when it can go.
std::optional<JobOutcome> RefusedBeforeSending(const RemoteJob& job, const JobFile& file,
                                               const std::string& languageOnly);

// Streams each copy of the job's file, from its start, with the job's
// orientation sequences and form feed, one after the other to `write`.
RawJobOutcome StreamEveryCopy(const JobFile& file, const RemoteJob& job, const WriteChunk& write);

// Sends every copy over the connection so: 0, the socket's error, or
// kUnreadableJobFile when reading the file failed (UnreadableJobFile says so).
inline constexpr int kUnreadableJobFile = -2;
int SendEveryCopy(SOCKET socket, const JobFile& file, const RemoteJob& job);
JobOutcome UnreadableJobFile(const RemoteJob& job);

// After the sending side is shut down, the printer closes in order once it
// has the job: 0 then, the socket error when it resets or does not close.
// What it sends meanwhile (status bytes) is read and dropped.
int AwaitOrderlyClose(SOCKET socket);

// What went wrong, for the companion's window: "cannot connect: ...".
std::string ConnectionProblem(int error);

} // namespace sw
