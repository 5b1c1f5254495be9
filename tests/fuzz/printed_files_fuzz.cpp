// Feeds arbitrary bytes as the state file of unattended printing: the reader
// never crashes, takes only lines it can read whole, and what it read writes
// and reads back to the same entries, whole or as a table with records
// appended after it; a file cut anywhere reads as no more than the whole.
#include "fuzz_check.h"
#include "unattended/printed_files.h"
#include "unattended/printed_files_codec.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const sw::DecodedPrintedFiles decoded = sw::DecodePrintedFiles(text);
    for (const sw::FileEntry& entry : decoded.entries) {
        swfuzz::CrashIf(entry.path.empty());
    }
    swfuzz::CrashIf(decoded.appendAt != 0 && decoded.appendAt != size);
    const sw::DecodedPrintedFiles again =
        sw::DecodePrintedFiles(sw::EncodePrintedFiles(decoded.entries));
    swfuzz::CrashIf(!again.whole || !(again.entries == decoded.entries));

    // The first half as the table, the rest appended: the same records in order.
    const std::size_t half = decoded.entries.size() / 2;
    const std::vector<sw::FileEntry> table(decoded.entries.begin(), decoded.entries.begin() + half);
    const std::vector<sw::FileEntry> records(decoded.entries.begin() + half, decoded.entries.end());
    const std::string appended = sw::EncodePrintedFiles(table) + sw::EncodeFileRecords(records);
    const sw::DecodedPrintedFiles both = sw::DecodePrintedFiles(appended);
    swfuzz::CrashIf(!both.whole || !(both.entries == decoded.entries) ||
                    both.appended != records.size() || both.appendAt != appended.size());
    // Cut short anywhere, it gives a leading part of those records.
    const sw::DecodedPrintedFiles cut =
        sw::DecodePrintedFiles(std::string_view(appended).substr(0, size % (appended.size() + 1)));
    swfuzz::CrashIf(cut.entries.size() > both.entries.size());
    for (std::size_t i = 0; i < cut.entries.size(); ++i)
        swfuzz::CrashIf(!(cut.entries[i] == both.entries[i]));

    // The table built from it answers for any of its files, and what it
    // gives to append replays to it.
    sw::PrintedFiles files(decoded.entries);
    const std::string before = sw::EncodePrintedFiles(files.Entries());
    for (const sw::FileEntry& entry : decoded.entries) {
        files.Consider(entry.path, entry.printer, entry.version);
        files.ShouldLogFailure(entry.path, entry.printer, entry.version, entry.code,
                               entry.loggedAt);
    }
    const sw::DecodedPrintedFiles replayed =
        sw::DecodePrintedFiles(before + sw::EncodeFileRecords(files.ChangedRecords()));
    swfuzz::CrashIf(!(sw::PrintedFiles(replayed.entries).Entries() == files.Entries()));
    return 0;
}
