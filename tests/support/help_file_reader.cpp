#include "tests/support/help_file_reader.h"

#include "info/help_file_format.h"

#include <algorithm>
#include <map>

namespace swtest {
namespace {

std::uint32_t Get16(std::string_view bytes, std::size_t at) {
    if (at + 2 > bytes.size())
        return 0;
    return static_cast<unsigned char>(bytes[at]) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8);
}

std::uint32_t Get32(std::string_view bytes, std::size_t at) {
    return Get16(bytes, at) | (Get16(bytes, at + 2) << 16);
}

} // namespace

std::optional<HelpFileContents> ReadHelpFile(std::string_view bytes) {
    if (bytes.size() < 16 || Get32(bytes, 0) != sw::kHelpFileMagic ||
        Get32(bytes, 12) != bytes.size())
        return std::nullopt;
    HelpFileContents contents;
    // The directory: one leaf page of names and offsets.
    const std::size_t directory = Get32(bytes, 4);
    const std::size_t tree = directory + 9;
    if (Get16(bytes, tree) != sw::kTreeMagic || Get16(bytes, tree + 32) != 1)
        return std::nullopt;
    const std::size_t leaf = tree + 38 + Get16(bytes, tree + 26) * Get16(bytes, tree + 4);
    std::map<std::string, std::string_view> files;
    std::size_t at = leaf + 8;
    for (std::uint32_t i = 0, n = Get16(bytes, leaf + 2); i < n; ++i) {
        const std::size_t nameEnd = bytes.find('\0', at);
        if (nameEnd == std::string_view::npos)
            return std::nullopt;
        const std::string name(bytes.substr(at, nameEnd - at));
        const std::size_t offset = Get32(bytes, nameEnd + 1);
        at = nameEnd + 5;
        if (offset + 9 > bytes.size() || Get32(bytes, offset) < Get32(bytes, offset + 4) + 9 ||
            offset + Get32(bytes, offset) > bytes.size())
            return std::nullopt;
        files[name] = bytes.substr(offset + 9, Get32(bytes, offset + 4));
        contents.internalFiles.push_back(name);
    }
    for (const char* needed : {"|SYSTEM", "|TOPIC", "|FONT", "|CONTEXT", "|CTXOMAP"}) {
        if (files.count(needed) == 0)
            return std::nullopt;
    }
    const std::string_view system = files["|SYSTEM"];
    if (Get16(system, 0) != sw::kSystemMagic || Get16(system, 4) != 1 || Get16(system, 2) <= 16 ||
        Get16(system, 10) != 0)
        return std::nullopt;
    for (std::size_t record = 12; record + 4 <= system.size();
         record += 4 + Get16(system, record + 2)) {
        if (Get16(system, record) == 1)
            contents.title = std::string(
                system.substr(record + 4).substr(0, system.substr(record + 4).find('\0')));
    }

    // The topic stream without its block headers, and every record in it.
    const std::string_view topicFile = files["|TOPIC"];
    std::string stream;
    for (std::size_t block = 0; block * sw::kTopicBlockSize < topicFile.size(); ++block)
        stream += std::string(topicFile.substr(block * sw::kTopicBlockSize + sw::kTopicBlockHeader,
                                               sw::kTopicBlockData));
    struct Page {
        std::uint32_t offset;
        std::string title;
        std::vector<std::string> texts;
    };
    std::vector<Page> pages;
    std::uint32_t reference = sw::kTopicBlockHeader;
    std::size_t oldBlock = sw::kNone, lengthInBlock = 0;
    for (int guard = 0; reference != sw::kNone && guard < 100000; ++guard) {
        const std::size_t block = (reference - sw::kTopicBlockHeader) >> 14;
        const std::size_t position =
            block * sw::kTopicBlockData + ((reference - sw::kTopicBlockHeader) & 0x3FFF);
        if (position + sw::kRecordHeader > stream.size())
            return std::nullopt;
        if (block != oldBlock) {
            oldBlock = block;
            lengthInBlock = 0;
        }
        const std::string_view record = std::string_view(stream).substr(position);
        const std::size_t size = Get32(record, 0), dataLength1 = Get32(record, 0x10);
        if (dataLength1 < sw::kRecordHeader || size < dataLength1 || size > record.size())
            return std::nullopt;
        const std::string_view text = record.substr(dataLength1, size - dataLength1);
        if (record[0x14] == sw::kTopicHeaderRecord) {
            pages.push_back(Page{
                static_cast<std::uint32_t>(block * 0x8000 + lengthInBlock), std::string(text), {}});
        } else if (static_cast<std::uint8_t>(record[0x14]) == sw::kTextRecord && !pages.empty()) {
            lengthInBlock += Get32(record, 4);
            std::string joined;
            for (char c : text)
                joined += c == '\0' ? "" : std::string(1, c);
            pages.back().texts.push_back(joined);
        } else {
            return std::nullopt;
        }
        reference = Get32(record, 0x0C);
    }

    const std::string_view map = files["|CTXOMAP"];
    for (std::uint32_t i = 0, n = Get16(map, 0); i < n; ++i) {
        const std::uint32_t number = Get32(map, 2 + 8 * i), offset = Get32(map, 6 + 8 * i);
        const auto page = std::find_if(pages.begin(), pages.end(),
                                       [&](const Page& p) { return p.offset == offset; });
        if (page == pages.end())
            return std::nullopt;
        contents.topics.push_back({number, page->title, page->texts});
    }
    return contents;
}

} // namespace swtest
