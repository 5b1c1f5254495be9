#include "remote/lpd_job.h"

namespace sw {
namespace {

constexpr std::size_t kHostLimit = 31;
constexpr std::size_t kUserLimit = 31;
constexpr std::size_t kJobNameLimit = 99;
constexpr std::size_t kFileNameLimit = 131;

bool IsVisible(char c) {
    return c > ' ' && c < 0x7F;
}

// The text with every character but visible ASCII and the blank made '_'
// (`blanks` false: blanks too), cut to `limit` characters.
std::string ControlFileText(std::string_view text, std::size_t limit, bool blanks) {
    std::string line;
    for (char c : text) {
        if (line.size() == limit)
            break;
        line += IsVisible(c) || (blanks && c == ' ') ? c : '_';
    }
    return line;
}

std::string_view LastPart(std::string_view path) {
    const std::size_t separator = path.find_last_of("\\/");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::string ThreeDigits(unsigned number) {
    number %= kLpdJobNumbers;
    const char digits[] = {static_cast<char>('0' + number / 100),
                           static_cast<char>('0' + number / 10 % 10),
                           static_cast<char>('0' + number % 10), '\0'};
    return digits;
}

} // namespace

bool IsLpdQueueName(std::string_view name) {
    if (name.empty() || name.size() > kLpdQueueNameLimit)
        return false;
    static const std::string_view kRefused = ":|/\\?#%\"'";
    for (char c : name) {
        if (!IsVisible(c) || kRefused.find(c) != std::string_view::npos)
            return false;
    }
    return true;
}

std::string LpdHostName(std::string_view computerName) {
    std::string host;
    for (char c : computerName) {
        const bool kept = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '.';
        if (kept && host.size() < kHostLimit)
            host += c;
    }
    return host.empty() ? "localhost" : host;
}

LpdJobFiles LpdJob(const LpdJobFields& fields) {
    const std::string host = LpdHostName(fields.computerName);
    const std::string number = ThreeDigits(fields.jobNumber);
    LpdJobFiles files;
    files.controlFileName = "cfA" + number + host;
    files.dataFileName = "dfA" + number + host;
    std::string user = ControlFileText(fields.user, kUserLimit, false);
    if (user.empty())
        user = "user";
    const std::string_view name = LastPart(fields.file);
    files.controlFile = "H" + host + "\n" + "P" + user + "\n" + "J" +
                        ControlFileText(name, kJobNameLimit, true) + "\n" + "l" +
                        files.dataFileName + "\n" + "U" + files.dataFileName + "\n" + "N" +
                        ControlFileText(name, kFileNameLimit, true) + "\n";
    return files;
}

std::string LpdReceiveJobCommand(std::string_view queue) {
    return "\x02" + std::string(queue) + "\n";
}

std::string LpdControlFileCommand(std::uint64_t length, std::string_view name) {
    return "\x02" + std::to_string(length) + " " + std::string(name) + "\n";
}

std::string LpdDataFileCommand(std::uint64_t length, std::string_view name) {
    return "\x03" + std::to_string(length) + " " + std::string(name) + "\n";
}

} // namespace sw
