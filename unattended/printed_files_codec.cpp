#include "unattended/printed_files_codec.h"

#include <charconv>
#include <cstdint>

namespace sw {
namespace {

constexpr char kEndWord[] = "end";
constexpr std::size_t kFieldCount = 7;

bool NeedsEscape(unsigned char c) {
    return c < 0x20 || c == 0x7F || c == '%';
}

void AppendEscaped(std::string& out, std::string_view text) {
    static const char digits[] = "0123456789ABCDEF";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (NeedsEscape(byte)) {
            out += '%';
            out += digits[byte >> 4];
            out += digits[byte & 0x0F];
        } else {
            out += c;
        }
    }
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool Unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte != '%') {
            if (NeedsEscape(byte))
                return false;
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size())
            return false;
        const int h = HexValue(text[i + 1]);
        const int l = HexValue(text[i + 2]);
        if (h < 0 || l < 0)
            return false;
        out += static_cast<char>(h * 16 + l);
        i += 2;
    }
    return true;
}

template <typename Number> bool ParseNumber(std::string_view text, Number& value) {
    if (text.empty())
        return false;
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

bool IsMark(char c) {
    return c == static_cast<char>(FileMark::Printed) ||
           c == static_cast<char>(FileMark::MaybePrinted) ||
           c == static_cast<char>(FileMark::Failing) ||
           c == static_cast<char>(FileMark::Printing) ||
           c == static_cast<char>(FileMark::Started) || c == static_cast<char>(FileMark::Taken) ||
           c == static_cast<char>(FileMark::Forgotten) || c == static_cast<char>(FileMark::Logged);
}

// Splits at tabs; false unless there are exactly `count` fields.
bool SplitFields(std::string_view line, std::string_view* fields, std::size_t count) {
    std::size_t field = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] != '\t')
            continue;
        if (field == count)
            return false;
        fields[field++] = line.substr(start, i - start);
        start = i + 1;
    }
    return field == count;
}

bool ReadEntry(std::string_view line, FileEntry& entry) {
    std::string_view fields[kFieldCount];
    if (!SplitFields(line, fields, kFieldCount))
        return false;
    if (fields[0].size() != 1 || !IsMark(fields[0][0]))
        return false;
    entry.mark = static_cast<FileMark>(fields[0][0]);
    return ParseNumber(fields[1], entry.version.size) &&
           ParseNumber(fields[2], entry.version.lastWrite) && ParseNumber(fields[3], entry.code) &&
           ParseNumber(fields[4], entry.loggedAt) && Unescape(fields[5], entry.printer) &&
           Unescape(fields[6], entry.path) && !entry.path.empty();
}

// The next line without its CR LF (a bare LF is taken too); false at the
// end. `ended` says whether the line had its LF.
bool NextLine(std::string_view& text, std::string_view& line, bool& ended) {
    if (text.empty())
        return false;
    const std::size_t end = text.find('\n');
    ended = end != std::string_view::npos;
    line = text.substr(0, end);
    text = ended ? text.substr(end + 1) : std::string_view();
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return true;
}

void AppendLine(std::string& text, const FileEntry& entry) {
    text += static_cast<char>(entry.mark);
    text += '\t' + std::to_string(entry.version.size);
    text += '\t' + std::to_string(entry.version.lastWrite);
    text += '\t' + std::to_string(entry.code);
    text += '\t' + std::to_string(entry.loggedAt);
    text += '\t';
    AppendEscaped(text, entry.printer);
    text += '\t';
    AppendEscaped(text, entry.path);
    text += "\r\n";
}

} // namespace

std::string EncodePrintedFiles(const std::vector<FileEntry>& entries) {
    std::string text = std::string(kPrintedFilesHeader) + "\r\n";
    for (const FileEntry& entry : entries)
        AppendLine(text, entry);
    text += std::string(kEndWord) + '\t' + std::to_string(entries.size()) + "\r\n";
    return text;
}

std::string EncodeFileRecords(const std::vector<FileEntry>& entries) {
    std::string text;
    for (const FileEntry& entry : entries)
        AppendLine(text, entry);
    return text;
}

DecodedPrintedFiles DecodePrintedFiles(std::string_view text) {
    DecodedPrintedFiles decoded;
    const std::size_t size = text.size();
    std::string_view line;
    bool lineEnded = false;
    if (!NextLine(text, line, lineEnded) || !lineEnded)
        return decoded;
    const bool appends = line == kPrintedFilesHeader;
    if (!appends && line != kPrintedFilesHeaderV1)
        return decoded;
    bool ended = false;
    std::size_t count = 0;
    std::size_t lines = 0;
    while (NextLine(text, line, lineEnded)) {
        std::string_view fields[2];
        if (!ended && SplitFields(line, fields, 2) && fields[0] == kEndWord) {
            ended = lineEnded && ParseNumber(fields[1], count);
            if (!ended || !appends) {
                // A version 1 file ends at its closing line.
                ended = ended && text.empty();
                break;
            }
            decoded.closedAt = size - text.size();
            continue;
        }
        // A last line cut short may still read as a file line: a half-written record.
        if (!lineEnded) {
            decoded.torn = true;
            break;
        }
        FileEntry entry;
        if (ReadEntry(line, entry)) {
            decoded.entries.push_back(std::move(entry));
            if (ended)
                ++decoded.appended;
            else
                ++lines;
        } else {
            ++decoded.badLines;
        }
    }
    decoded.whole = ended && !decoded.torn && decoded.badLines == 0 && count == lines;
    if (appends && ended && !decoded.torn)
        decoded.appendAt = size;
    return decoded;
}

} // namespace sw
