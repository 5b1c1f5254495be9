// Feeds arbitrary files and sequences through the raw job plan and checks the
// invariants every job keeps: the file's bytes arrive unchanged between the
// sequences, no write exceeds a chunk, and a form feed ends the file when asked.
#include "common/path_helpers.h"
#include "fuzz_check.h"
#include "printengine/raw_job.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    sw::RawJobAdditions additions;
    additions.orientation = data[0] & 1;
    additions.autoFormFeed = data[0] & 2;
    const std::size_t startLength = data[1] % 8;
    const std::size_t endLength = data[2] % 8;
    const std::string file(reinterpret_cast<const char*>(data + 3), size - 3);
    additions.startSequence = file.substr(0, startLength);
    additions.endSequence = file.substr(std::min(file.size(), startLength), endLength);

    std::string sent;
    std::size_t position = 0;
    auto read = [&](char* buffer, std::size_t length) {
        file.copy(buffer, length, position);
        position += length;
        return true;
    };
    auto write = [&](const char* bytes, std::size_t length) {
        swfuzz::CrashIf(length > sw::kRawChunkSize);
        sent.append(bytes, length);
        return true;
    };
    swfuzz::CrashIf(sw::StreamRawJob(additions, file.size(), read, write) !=
                    sw::RawJobOutcome::Sent);

    std::string expected;
    if (additions.orientation)
        expected += additions.StartSequence();
    expected += file;
    if (additions.autoFormFeed && (file.empty() || file.back() != sw::kFormFeed))
        expected += sw::kFormFeed;
    if (additions.orientation)
        expected += additions.EndSequence();
    swfuzz::CrashIf(sent != expected);

    // The path helpers split any text into parts that join up again.
    swfuzz::CrashIf(sw::FolderPart(file) + sw::FileNamePart(file) != file);
    const std::string extension = sw::ExtensionPart(file);
    swfuzz::CrashIf(!extension.empty() && sw::FileNamePart(file).size() <= extension.size());
    return 0;
}
