// Feeds arbitrary bytes as the state file of unattended printing: the reader
// never crashes, takes only lines it can read whole, and what it read writes
// and reads back to the same entries.
#include "fuzz_check.h"
#include "unattended/printed_files.h"
#include "unattended/printed_files_codec.h"

#include <cstdint>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const sw::DecodedPrintedFiles decoded = sw::DecodePrintedFiles(text);
    for (const sw::FileEntry& entry : decoded.entries) {
        swfuzz::CrashIf(entry.path.empty());
    }
    const sw::DecodedPrintedFiles again =
        sw::DecodePrintedFiles(sw::EncodePrintedFiles(decoded.entries));
    swfuzz::CrashIf(!again.whole || !(again.entries == decoded.entries));

    // The table built from it answers for any of its files.
    sw::PrintedFiles files(decoded.entries);
    for (const sw::FileEntry& entry : decoded.entries) {
        files.Consider(entry.path, entry.printer, entry.version);
        files.ShouldLogFailure(entry.path, entry.printer, entry.version, entry.code,
                               entry.loggedAt);
    }
    return 0;
}
