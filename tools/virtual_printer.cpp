// virtual_printer: stands in for a network printer's raw port (the kind usually on TCP 9100).
//
// It listens on 127.0.0.1 and stores every connection as one job: the bytes go to
// DIR/job-NNNN.part while they arrive and the file is renamed to DIR/job-NNNN.prn once the
// sender closes the connection, so whoever looks for *.prn only ever sees complete jobs.
// Jobs are streamed to disk through a fixed buffer, so their size is limited by the disk only.
//
// Usage: virtual_printer --dir DIR --port-file FILE [--port N]
//
// Once listening, the port number is written to FILE (through FILE.tmp and a rename), so a
// script can start the printer with port 0 and wait for FILE to learn where it listens.
// SIGTERM and SIGINT end it cleanly; a job cut short by them stays behind as a .part file.

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <string>
#include <sys/select.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_stop = 0;

extern "C" void onStopSignal(int) {
    g_stop = 1;
}

struct Options {
    std::string dir;
    std::string portFile;
    unsigned port = 0;
};

[[noreturn]] void usage(const char* problem) {
    std::fprintf(stderr, "virtual_printer: %s\n", problem);
    std::fprintf(stderr, "usage: virtual_printer --dir DIR --port-file FILE [--port N]\n");
    std::exit(2);
}

void fail(const std::string& what) {
    std::fprintf(stderr, "virtual_printer: %s: %s\n", what.c_str(), std::strerror(errno));
}

Options parseArgs(int argc, char** argv) {
    Options opt;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h")
            usage("emulates a printer's raw TCP port, one file per job");
        if (arg != "--dir" && arg != "--port-file" && arg != "--port")
            usage(("unknown argument '" + arg + "'").c_str());
        if (i + 1 >= argc)
            usage((arg + " needs a value").c_str());
        const std::string value = argv[++i];
        if (arg == "--dir") {
            opt.dir = value;
        } else if (arg == "--port-file") {
            opt.portFile = value;
        } else {
            char* end = nullptr;
            errno = 0;
            const unsigned long n = std::strtoul(value.c_str(), &end, 10);
            if (value.empty() || *end != '\0' || errno != 0 || n > 65535 || value[0] == '-')
                usage(("bad port '" + value + "' (expected 0 to 65535)").c_str());
            opt.port = static_cast<unsigned>(n);
        }
    }
    if (opt.dir.empty())
        usage("--dir is required");
    if (opt.portFile.empty())
        usage("--port-file is required");
    return opt;
}

// The number after "job-" in job-NNNN.prn or job-NNNN.part, or 0 for any other name.
unsigned long jobNumberOf(const char* name) {
    if (std::strncmp(name, "job-", 4) != 0)
        return 0;
    char* end = nullptr;
    const unsigned long n = std::strtoul(name + 4, &end, 10);
    if (end == name + 4 || (std::strcmp(end, ".prn") != 0 && std::strcmp(end, ".part") != 0))
        return 0;
    return n;
}

// Numbering goes on after the jobs already in the folder, so a restarted printer never
// overwrites what an earlier run received.
bool highestJobNumber(const std::string& dir, unsigned long& highest) {
    DIR* d = opendir(dir.c_str());
    if (d == nullptr)
        return false;
    highest = 0;
    while (const dirent* entry = readdir(d)) {
        const unsigned long n = jobNumberOf(entry->d_name);
        if (n > highest)
            highest = n;
    }
    closedir(d);
    return true;
}

bool writeAll(int fd, const char* data, size_t size) {
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

bool writePortFile(const std::string& path, unsigned port) {
    const std::string tmp = path + ".tmp";
    const int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        fail("cannot create " + tmp);
        return false;
    }
    const std::string text = std::to_string(port) + "\n";
    const bool written = writeAll(fd, text.data(), text.size());
    if (!written)
        fail("cannot write " + tmp);
    if (close(fd) != 0 || !written)
        return false;
    if (rename(tmp.c_str(), path.c_str()) != 0) {
        fail("cannot rename " + tmp + " to " + path);
        return false;
    }
    return true;
}

// Stop signals are blocked everywhere except inside pselect, so one that arrives at any
// moment is noticed at the next wait instead of being lost just before a blocking call.
// Returns false when a stop signal came in.
bool waitReadable(int fd, const sigset_t& waitMask) {
    for (;;) {
        if (g_stop)
            return false;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(fd, &readable);
        const int n = pselect(fd + 1, &readable, nullptr, nullptr, nullptr, &waitMask);
        if (n > 0)
            return true;
        if (n < 0 && errno != EINTR) {
            fail("pselect");
            return false;
        }
    }
}

enum class JobResult { Done, Stopped, Failed };

// Copies everything the peer sends into `path` until it closes the connection.
JobResult receiveJob(int conn, const std::string& path, const sigset_t& waitMask,
                     unsigned long long& bytes) {
    const int out = open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
    if (out < 0) {
        fail("cannot create " + path);
        return JobResult::Failed;
    }
    static char buffer[64 * 1024];
    JobResult result = JobResult::Done;
    bytes = 0;
    for (;;) {
        if (!waitReadable(conn, waitMask)) {
            result = g_stop ? JobResult::Stopped : JobResult::Failed;
            break;
        }
        const ssize_t n = read(conn, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR || errno == EAGAIN)
                continue;
            // A reset connection ends the job like a close does: the printer keeps what came.
            if (errno == ECONNRESET)
                break;
            fail("read from connection");
            result = JobResult::Failed;
            break;
        }
        if (!writeAll(out, buffer, static_cast<size_t>(n))) {
            fail("cannot write " + path);
            result = JobResult::Failed;
            break;
        }
        bytes += static_cast<unsigned long long>(n);
    }
    // No fsync: the rename alone keeps partial jobs out of sight of readers on this machine,
    // and syncing would more than halve the throughput that benchmarks measure through us.
    if (close(out) != 0 && result == JobResult::Done) {
        fail("cannot close " + path);
        result = JobResult::Failed;
    }
    return result;
}

int listenOn(unsigned port, unsigned& actualPort) {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (fd < 0) {
        fail("socket");
        return -1;
    }
    const int on = 1;
    setsockopt(fd, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(static_cast<uint16_t>(port));
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) {
        fail("cannot bind 127.0.0.1:" + std::to_string(port));
        close(fd);
        return -1;
    }
    if (listen(fd, 16) != 0) {
        fail("listen");
        close(fd);
        return -1;
    }
    socklen_t len = sizeof addr;
    if (getsockname(fd, reinterpret_cast<sockaddr*>(&addr), &len) != 0) {
        fail("getsockname");
        close(fd);
        return -1;
    }
    actualPort = ntohs(addr.sin_port);
    return fd;
}

std::string jobPath(const std::string& dir, unsigned long number, const char* suffix) {
    char name[64];
    std::snprintf(name, sizeof name, "/job-%04lu%s", number, suffix);
    return dir + name;
}

} // namespace

int main(int argc, char** argv) {
    const Options opt = parseArgs(argc, argv);

    if (mkdir(opt.dir.c_str(), 0755) != 0 && errno != EEXIST) {
        fail("cannot create folder " + opt.dir);
        return 1;
    }
    unsigned long lastJob = 0;
    if (!highestJobNumber(opt.dir, lastJob)) {
        fail("cannot read folder " + opt.dir);
        return 1;
    }

    sigset_t stopSignals;
    sigset_t waitMask;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGTERM);
    sigaddset(&stopSignals, SIGINT);
    sigprocmask(SIG_BLOCK, &stopSignals, &waitMask);
    sigdelset(&waitMask, SIGTERM);
    sigdelset(&waitMask, SIGINT);
    struct sigaction action {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    // A sender that goes away must not kill the printer.
    std::signal(SIGPIPE, SIG_IGN);

    unsigned port = 0;
    const int listener = listenOn(opt.port, port);
    if (listener < 0)
        return 1;
    if (!writePortFile(opt.portFile, port)) {
        close(listener);
        return 1;
    }

    int status = 0;
    while (waitReadable(listener, waitMask)) {
        const int conn = accept(listener, nullptr, nullptr);
        if (conn < 0) {
            if (errno == EINTR || errno == ECONNABORTED || errno == EAGAIN)
                continue;
            fail("accept");
            status = 1;
            break;
        }
        const unsigned long number = ++lastJob;
        const std::string part = jobPath(opt.dir, number, ".part");
        unsigned long long bytes = 0;
        const JobResult result = receiveJob(conn, part, waitMask, bytes);
        if (result == JobResult::Done) {
            // The job gets its final name before the connection closes: a sender that waits
            // for the printer to hang up (as CUPS's socket backend does) reports the job done
            // only once the .prn file is there, so a test may look for it right away.
            const std::string done = jobPath(opt.dir, number, ".prn");
            if (rename(part.c_str(), done.c_str()) == 0) {
                std::fprintf(stderr, "virtual_printer: %s: %llu bytes\n", done.c_str(), bytes);
            } else {
                fail("cannot rename " + part + " to " + done);
                status = 1;
            }
        } else if (result == JobResult::Failed) {
            status = 1;
        }
        close(conn);
        if (result != JobResult::Done || status != 0)
            break;
    }
    if (status == 0 && !g_stop)
        status = 1; // the wait loop only ends without a stop signal when pselect failed
    close(listener);
    return status;
}
