// A remote print as the companion receives it: the texts the main program
// wrote into its controls, checked and turned into what is sent. Portable, so
// that every rule is unit-tested on the host.
#pragma once

#include "printengine/raw_job.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace sw {

// The texts of the companion's controls at the moment its print button was
// clicked; `printer` is the selected entry of its printer list.
struct RemoteJobTexts {
    std::string printer;
    std::string file; // the print button's text
    std::string copies;
    std::string autoFormfeed;
    std::string orientation;
    std::string printMethod;
    std::string bitmapLeft, bitmapTop, bitmapWidth, bitmapHeight;
};

enum class RemotePrintMethod { Bypass, Bitmap, Document };

// More copies than this are refused rather than flooding a remote printer.
inline constexpr int kRemoteCopiesLimit = 999;

struct RemoteJob {
    std::string site;
    std::string printer;
    std::string file;
    RemotePrintMethod method = RemotePrintMethod::Bypass;
    int copies = 1;
    // Orientation sequences and form feed, applied to bypass jobs only: a
    // bitmap or document goes to the site's driver, which lays out the page.
    RawJobAdditions additions;
    std::string documentFormat;
};

struct RemoteJobCheck {
    std::optional<RemoteJob> job;
    std::string problem; // why there is no job, for the companion's window
};

// Checks the texts:
// - printer: "site:printer" (split at the last ':'), both parts present;
// - file: not empty;
// - copies: empty means 1, else a whole number; 0 is sent as 1; negative
//   numbers, other texts and more than kRemoteCopiesLimit are refused;
// - auto formfeed: empty or "0" is off, another whole number is on;
// - orientation: empty is none; else "code|landscape|portrait", code 0
//   switches orientation off, any other code wraps the job in the landscape
//   sequence before it and the portrait sequence after it (an empty sequence
//   stands for the default one, as in the library);
// - print method: "BYPASS", "BMP" or "DOC" in any letter case; when empty it
//   follows the file's extension as the main program does (BMP; DOC and RTF;
//   anything else bypasses the driver).
RemoteJobCheck CheckRemoteJob(const RemoteJobTexts& texts);

// The IPP document format of each method: raw printer language for the
// bypass, a Windows bitmap, and for a document whatever the server detects.
std::string_view DocumentFormatOf(RemotePrintMethod method);

// The number of bytes StreamRawJob sends for a file of `fileLength` bytes
// whose last byte is (or is not) a form feed: the length of a request body
// declared before it is sent.
std::uint64_t RawJobLength(const RawJobAdditions& additions, std::uint64_t fileLength,
                           bool endsWithFormFeed);

} // namespace sw
