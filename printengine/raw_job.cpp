#include "printengine/raw_job.h"

#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "printengine/export_arguments.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace sw {

std::string JobDocumentName(std::string_view fileArgument) {
    return std::string(kDocumentNamePrefix) + FileNamePart(TrimSpaces(fileArgument));
}

std::string ScratchPathFor(std::string_view tempFolder) {
    return AddTrailingBackslash(tempFolder) + std::string(kScratchFileName);
}

std::string FormFeedField(std::string_view formFeedText) {
    std::string field(formFeedText.substr(0, kLineTextLimit));
    field.resize(kFormFeedFieldSize, '\0');
    return field;
}

std::string_view RawJobAdditions::StartSequence() const {
    return startSequence.empty() ? kDefaultStartSequence : std::string_view(startSequence);
}

std::string_view RawJobAdditions::EndSequence() const {
    return endSequence.empty() ? kDefaultEndSequence : std::string_view(endSequence);
}

bool WriteAll(const char* bytes, std::size_t length, const SpoolerWrite& write) {
    std::size_t offset = 0;
    do {
        const std::size_t rest = length - offset;
        std::size_t written = 0;
        if (!write(bytes + offset, rest, written) || written > rest)
            return false;
        if (written == 0 && rest > 0)
            return false;
        offset += written;
    } while (offset < length);
    return true;
}

RawJobOutcome StreamRawJob(const RawJobAdditions& additions, std::uint64_t fileLength,
                           const ReadChunk& read, const WriteChunk& write) {
    auto send = [&write](std::string_view bytes) { return write(bytes.data(), bytes.size()); };

    if (additions.orientation && !send(additions.StartSequence()))
        return RawJobOutcome::WriteFailed;

    // The file is read in blocks of whole chunks, which halves the calls per
    // chunk; the spooler still gets one write call per chunk.
    std::vector<char> block(kRawReadBlockSize);
    bool endsWithFormFeed = false;
    std::uint64_t remaining = fileLength;
    do {
        const std::size_t blockLength =
            static_cast<std::size_t>(std::min<std::uint64_t>(remaining, block.size()));
        if (blockLength > 0 && !read(block.data(), blockLength))
            return RawJobOutcome::ReadFailed;
        // An empty file still makes one, zero-length, write.
        std::size_t offset = 0;
        do {
            const std::size_t length = std::min(blockLength - offset, kRawChunkSize);
            if (!write(block.data() + offset, length))
                return RawJobOutcome::WriteFailed;
            offset += length;
        } while (offset < blockLength);
        if (blockLength > 0)
            endsWithFormFeed = block[blockLength - 1] == kFormFeed;
        remaining -= blockLength;
    } while (remaining > 0);

    if (additions.autoFormFeed && !endsWithFormFeed && !send(std::string_view(&kFormFeed, 1)))
        return RawJobOutcome::WriteFailed;
    if (additions.orientation && !send(additions.EndSequence()))
        return RawJobOutcome::WriteFailed;
    return RawJobOutcome::Sent;
}

} // namespace sw
