// The byte plan of a RAW print job: what is sent around a file's bytes and in
// which write calls. Portable, so that every rule is unit-tested on the host;
// the spooler calls live in raw_print.cpp.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace sw {

inline constexpr std::size_t kRawChunkSize = 5000;
// Reads are whole numbers of chunks, so chunk boundaries do not depend on them.
inline constexpr std::size_t kRawReadBlockSize = 13 * kRawChunkSize;
inline constexpr std::size_t kFormFeedFieldSize = 40;
inline constexpr char kFormFeed = '\x0C';
inline constexpr std::string_view kDocumentNamePrefix = "Spoolwright: ";
inline constexpr std::string_view kScratchFileName = "SPWLTEMP.TXT";

// PCL page orientation commands: ESC & l 1 O (landscape) and ESC & l 0 O (portrait).
inline constexpr std::string_view kDefaultStartSequence = "\x1B&l1O";
inline constexpr std::string_view kDefaultEndSequence = "\x1B&l0O";

// "Spoolwright: " followed by the file name part of the trimmed argument.
std::string JobDocumentName(std::string_view fileArgument);

// Where line printing collects its lines, given the value of TEMP (maybe empty).
std::string ScratchPathFor(std::string_view tempFolder);

// The form-feed text padded with zero bytes to its fixed 40-byte field.
std::string FormFeedField(std::string_view formFeedText);

// The additions the caller has switched on around every job.
struct RawJobAdditions {
    bool orientation = false;
    std::string startSequence; // empty: the default start sequence
    std::string endSequence;   // empty: the default end sequence
    bool autoFormFeed = false;

    std::string_view StartSequence() const;
    std::string_view EndSequence() const;
};

// Reads exactly `length` bytes of the file into `buffer` (at most
// kRawReadBlockSize at a time); false on failure.
using ReadChunk = std::function<bool(char* buffer, std::size_t length)>;
// Hands all `length` bytes to the spooler; false when it did not take them all.
using WriteChunk = std::function<bool(const char* bytes, std::size_t length)>;

// One write call to the spooler: false when the call failed; otherwise
// `written` is how many of the bytes it took, which may be fewer than given.
using SpoolerWrite =
    std::function<bool(const char* bytes, std::size_t length, std::size_t& written)>;

// Hands all `length` bytes to the spooler: one call, and when a call takes
// fewer bytes than it was given, another for the rest, until all are taken.
// False when a call fails, or takes nothing of a rest that is not empty (it
// would never end). No bytes at all are still one, zero-length, call.
bool WriteAll(const char* bytes, std::size_t length, const SpoolerWrite& write);

enum class RawJobOutcome { Sent, ReadFailed, WriteFailed };

// Streams one job: the start sequence, the file in chunks of at most 5000
// bytes (a remainder of exactly 5000 is the last chunk; an empty file is one
// zero-length write), a form feed when the file does not end in one, the end
// sequence. Each piece is one write call. Stops at the first failure, so the
// caller can abort the job instead of printing a truncated one.
RawJobOutcome StreamRawJob(const RawJobAdditions& additions, std::uint64_t fileLength,
                           const ReadChunk& read, const WriteChunk& write);

} // namespace sw
