// The texts of a job sent to a Line Printer Daemon (RFC 1179): the queue
// names an "lpd://host[:port]/queue" site may hold, the names of the job's
// control and data files, the control file itself and the commands that
// announce each part. Portable, so that every rule is unit-tested on the host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// The port of a Line Printer Daemon.
inline constexpr unsigned kLpdPort = 515;
// A queue name longer than this is refused: the servers' own limit.
inline constexpr std::size_t kLpdQueueNameLimit = 127;
// Jobs are numbered 000 to 999 in the names of their files.
inline constexpr unsigned kLpdJobNumbers = 1000;

// A queue name is 1 to kLpdQueueNameLimit visible ASCII characters (the
// protocol ends a queue at a blank or line feed), none of ':' (it would not
// split back from "site:queue"), '|' (it separates sites and the file to
// print), '/', '\', '?', '#', '%' (a path or address would read otherwise)
// and no quotes (the command line's).
bool IsLpdQueueName(std::string_view name);

// The name of the sending host as the control file carries it: letters,
// digits, '-' and '.' of `computerName`, at most 31 of them; "localhost"
// when none is left.
std::string LpdHostName(std::string_view computerName);

struct LpdJobFields {
    unsigned jobNumber = 0;   // taken modulo kLpdJobNumbers
    std::string computerName; // the sending computer's name, as the system gives it
    std::string user;         // the account that prints
    std::string file;         // the file's path: its name names the job
};

struct LpdJobFiles {
    std::string controlFileName; // "cfA" NNN host
    std::string dataFileName;    // "dfA" NNN host
    std::string controlFile;     // the control file's lines, each ended by a line feed
};

// The control file of a job of one data file printed as it is (type 'l':
// control characters left in, the printer's own language):
//   H host, P user, J job name, l data file, U data file, N file name.
// The user is at most 31 visible characters ("user" when none), the job
// name at most 99 and the file name at most 131 characters of the file's
// name (its path's last part); any character outside visible ASCII and the
// blank becomes '_', so that no line can end early or carry a command.
LpdJobFiles LpdJob(const LpdJobFields& fields);

// "\x02queue\n": receive a job for the queue.
std::string LpdReceiveJobCommand(std::string_view queue);
// "\x02COUNT NAME\n": a control file of `length` bytes follows.
std::string LpdControlFileCommand(std::uint64_t length, std::string_view name);
// "\x03COUNT NAME\n": a data file of `length` bytes follows.
std::string LpdDataFileCommand(std::uint64_t length, std::string_view name);

} // namespace sw
