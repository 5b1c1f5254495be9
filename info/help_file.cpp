#include "info/help_file.h"

#include <algorithm>
#include <map>
#include <set>

namespace sw {
namespace {

// Sizes of the format: a topic block holds a 12-byte header and 4084 bytes
// of records; a record position counts 0x4000 per block.
constexpr std::size_t kTopicBlockSize = 0x1000;
constexpr std::size_t kTopicBlockHeader = 0x0C;
constexpr std::size_t kTopicBlockData = kTopicBlockSize - kTopicBlockHeader;
constexpr std::uint32_t kNone = 0xFFFFFFFF;
constexpr std::size_t kRecordHeader = 0x15;
constexpr std::size_t kTopicHeaderSize = 28;
constexpr std::size_t kTreePageSize = 0x400;
constexpr std::size_t kFaceNameSize = 20;
// A paragraph's length travels in a two-byte compressed number.
constexpr std::size_t kParagraphLimit = 16000;
constexpr std::uint8_t kTopicHeaderRecord = 0x02;
constexpr std::uint8_t kTextRecord = 0x20;
constexpr std::uint16_t kBodyFont = 0;
constexpr std::uint16_t kTitleFont = 1;
constexpr std::uint16_t kJumpFont = 0;

void Put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void Put32(std::string& out, std::uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

std::uint32_t Get16(std::string_view bytes, std::size_t at) {
    if (at + 2 > bytes.size())
        return 0;
    return static_cast<unsigned char>(bytes[at]) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8);
}

std::uint32_t Get32(std::string_view bytes, std::size_t at) {
    return Get16(bytes, at) | (Get16(bytes, at + 2) << 16);
}

// An internal file: its 9-byte header (space reserved, space used, flags).
std::string InternalFile(const std::string& content) {
    std::string file;
    Put32(file, static_cast<std::uint32_t>(content.size() + 9));
    Put32(file, static_cast<std::uint32_t>(content.size()));
    file += '\x04';
    return file + content;
}

// A B+ tree of one leaf page holding entries already in key order.
std::string SingleLeafTree(const char* structure, std::uint16_t flags,
                           const std::vector<std::string>& entries) {
    std::string tree;
    Put16(tree, 0x293B);
    Put16(tree, flags);
    Put16(tree, kTreePageSize);
    std::string layout(structure);
    layout.resize(16, '\0');
    tree += layout;
    Put16(tree, 0);      // must be zero
    Put16(tree, 0);      // page splits
    Put16(tree, 0);      // root page
    Put16(tree, 0xFFFF); // must be -1
    Put16(tree, 1);      // pages
    Put16(tree, 1);      // levels
    Put32(tree, static_cast<std::uint32_t>(entries.size()));

    std::string page;
    for (const std::string& entry : entries)
        page += entry;
    std::string leaf;
    Put16(leaf, static_cast<std::uint32_t>(kTreePageSize - 8 - page.size()));
    Put16(leaf, static_cast<std::uint32_t>(entries.size()));
    Put16(leaf, 0xFFFF); // previous page
    Put16(leaf, 0xFFFF); // next page
    leaf += page;
    leaf.resize(kTreePageSize, '\0');
    return tree + leaf;
}

// Compressed numbers of the record headers: two bytes, the value doubled.
void PutCompressedLong(std::string& out, std::size_t value) {
    Put16(out, static_cast<std::uint32_t>(0x8000 + 2 * value));
}

void PutCompressedUnsignedShort(std::string& out, std::size_t value) {
    if (value < 0x80) {
        out += static_cast<char>(2 * value);
    } else {
        Put16(out, static_cast<std::uint32_t>(2 * value + 1));
    }
}

// One record of the topic stream before it is placed in blocks.
struct Record {
    std::uint8_t type = 0;
    std::string linkData1; // after the 21-byte header
    std::string linkData2; // the text
    std::size_t paragraphLength = 0;
    std::size_t topic = 0; // the topic it belongs to
};

std::uint32_t RecordReference(std::size_t position) {
    return static_cast<std::uint32_t>((position / kTopicBlockData) * 0x4000 +
                                      position % kTopicBlockData + kTopicBlockHeader);
}

// A text paragraph: strings separated by zero bytes, each followed by one
// formatting command: a font change, the start or end of a jump, the end
// of the paragraph.
Record TextRecord(const HelpParagraph& paragraph, std::uint16_t font, std::int32_t jumpHash) {
    std::string formats;
    std::string texts;
    formats += '\x80';
    Put16(formats, font);
    texts += '\0';
    if (jumpHash != 0) {
        formats += '\xE3'; // a jump to a topic, shown green and underlined
        Put32(formats, static_cast<std::uint32_t>(jumpHash));
        texts += '\0';
        texts += paragraph.text;
        texts += '\0';
        formats += '\x89'; // end of the jump
    } else {
        texts += paragraph.text;
        texts += '\0';
    }
    formats += '\x82'; // end of paragraph
    formats += '\xFF';

    Record record;
    record.type = kTextRecord;
    PutCompressedLong(record.linkData1, texts.size());
    PutCompressedUnsignedShort(record.linkData1, texts.size());
    record.linkData1.append(4, '\0');
    Put16(record.linkData1, 0x0004); // space below the paragraph
    record.linkData1 += static_cast<char>(0x80 + 2 * 6);
    record.linkData1 += formats;
    record.linkData2 = texts;
    record.paragraphLength = texts.size();
    return record;
}

bool IsContextName(std::string_view name) {
    if (name.empty())
        return false;
    for (char c : name) {
        const bool ok = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                        (c >= '0' && c <= '9') || c == '_' || c == '.';
        if (!ok)
            return false;
    }
    return true;
}

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r'))
        text.remove_suffix(1);
    return text;
}

std::optional<unsigned> ParseNumber(std::string_view text) {
    if (text.empty() || text.size() > 9)
        return std::nullopt;
    unsigned value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<unsigned>(c - '0');
    }
    return value;
}

} // namespace

std::int32_t HelpContextHash(std::string_view context) {
    std::uint32_t hash = 0;
    for (char c : context) {
        std::uint32_t x = 0;
        if (c >= 'A' && c <= 'Z')
            x = static_cast<std::uint32_t>(c - 'A' + 17);
        else if (c >= 'a' && c <= 'z')
            x = static_cast<std::uint32_t>(c - 'a' + 17);
        else if (c >= '1' && c <= '9')
            x = static_cast<std::uint32_t>(c - '0');
        else if (c == '0')
            x = 10;
        else if (c == '.')
            x = 12;
        else if (c == '_')
            x = 13;
        if (x != 0)
            hash = hash * 43 + x;
    }
    return static_cast<std::int32_t>(hash);
}

std::optional<HelpSource> ParseHelpSource(std::string_view text, std::string* error) {
    HelpSource source;
    std::string paragraph;
    std::size_t lineNumber = 0;
    std::string problem;
    auto fail = [&](const std::string& why) {
        problem = "line " + std::to_string(lineNumber) + ": " + why;
    };
    auto endParagraph = [&]() {
        if (paragraph.empty())
            return;
        if (paragraph.size() > kParagraphLimit)
            fail("paragraph longer than " + std::to_string(kParagraphLimit) + " characters");
        source.topics.back().paragraphs.push_back(HelpParagraph{paragraph, std::string()});
        paragraph.clear();
    };

    std::size_t start = 0;
    while (start <= text.size() && problem.empty()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view line = Trimmed(text.substr(start, end - start));
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.front() == '#')
            continue;
        if (source.title.empty()) {
            if (line.empty())
                continue;
            if (line.substr(0, 6) != "title:" || Trimmed(line.substr(6)).empty()) {
                fail("the file must begin with \"title: TEXT\"");
                break;
            }
            source.title = std::string(Trimmed(line.substr(6)));
            continue;
        }
        if (line.substr(0, 3) == "== ") {
            const std::string_view rest = Trimmed(line.substr(3));
            const std::size_t gap1 = rest.find(' ');
            const std::size_t gap2 =
                gap1 == std::string_view::npos ? gap1 : rest.find(' ', gap1 + 1);
            if (gap2 == std::string_view::npos) {
                fail("a topic line is \"== NUMBER CONTEXT TITLE\"");
                break;
            }
            if (!source.topics.empty())
                endParagraph();
            HelpTopic topic;
            const std::optional<unsigned> number = ParseNumber(rest.substr(0, gap1));
            topic.context = std::string(rest.substr(gap1 + 1, gap2 - gap1 - 1));
            topic.title = std::string(Trimmed(rest.substr(gap2 + 1)));
            if (!number || !IsContextName(topic.context) || topic.title.empty()) {
                fail("a topic line is \"== NUMBER CONTEXT TITLE\"");
                break;
            }
            topic.mapNumber = *number;
            source.topics.push_back(topic);
            continue;
        }
        if (source.topics.empty()) {
            if (!line.empty())
                fail("text before the first topic");
            continue;
        }
        if (line.empty()) {
            endParagraph();
            continue;
        }
        if (line.substr(0, 3) == "-> ") {
            endParagraph();
            const std::string target(Trimmed(line.substr(3)));
            source.topics.back().paragraphs.push_back(HelpParagraph{std::string(), target});
            continue;
        }
        if (!paragraph.empty())
            paragraph += ' ';
        paragraph += line;
    }
    if (problem.empty() && !source.topics.empty())
        endParagraph();

    if (problem.empty() && source.topics.empty())
        problem = "no topic";
    std::set<unsigned> numbers;
    std::map<std::string, std::string> titles;
    std::set<std::int32_t> hashes;
    for (const HelpTopic& topic : source.topics) {
        if (!problem.empty())
            break;
        if (!numbers.insert(topic.mapNumber).second)
            problem = "context number " + std::to_string(topic.mapNumber) + " used twice";
        else if (!hashes.insert(HelpContextHash(topic.context)).second)
            problem = "context " + topic.context + " used twice";
        titles[topic.context] = topic.title;
    }
    for (HelpTopic& topic : source.topics) {
        for (HelpParagraph& paragraph : topic.paragraphs) {
            if (paragraph.jumpTo.empty() || !problem.empty())
                continue;
            const auto target = titles.find(paragraph.jumpTo);
            if (target == titles.end())
                problem = "jump to an unknown topic " + paragraph.jumpTo;
            else
                paragraph.text = target->second;
        }
    }
    if (!problem.empty()) {
        if (error != nullptr)
            *error = problem;
        return std::nullopt;
    }
    return source;
}

std::string BuildHelpFile(const HelpSource& source) {
    // The records: each topic's header, its title paragraph, its paragraphs.
    std::vector<Record> records;
    for (std::size_t t = 0; t < source.topics.size(); ++t) {
        const HelpTopic& topic = source.topics[t];
        Record header;
        header.type = kTopicHeaderRecord;
        header.linkData2 = topic.title;
        header.topic = t;
        records.push_back(header);
        Record title = TextRecord(HelpParagraph{topic.title, std::string()}, kTitleFont, 0);
        title.topic = t;
        records.push_back(title);
        for (const HelpParagraph& paragraph : topic.paragraphs) {
            const bool jump = !paragraph.jumpTo.empty();
            Record text = TextRecord(paragraph, jump ? kJumpFont : kBodyFont,
                                     jump ? HelpContextHash(paragraph.jumpTo) : 0);
            text.topic = t;
            records.push_back(text);
        }
    }

    // Where each record lies, and the topic offsets the viewer computes: the
    // block number times 0x8000 plus the paragraph lengths before it in its block.
    std::vector<std::size_t> positions;
    std::vector<std::uint32_t> topicOffsets(source.topics.size(), 0);
    std::vector<std::size_t> headerRecords(source.topics.size(), 0);
    std::size_t position = 0, block = 0, lengthInBlock = 0;
    for (std::size_t r = 0; r < records.size(); ++r) {
        if (position / kTopicBlockData != block) {
            block = position / kTopicBlockData;
            lengthInBlock = 0;
        }
        positions.push_back(position);
        if (records[r].type == kTopicHeaderRecord) {
            topicOffsets[records[r].topic] =
                static_cast<std::uint32_t>(block * 0x8000 + lengthInBlock);
            headerRecords[records[r].topic] = r;
        } else {
            lengthInBlock += records[r].paragraphLength;
        }
        const std::size_t linkData1 =
            records[r].type == kTopicHeaderRecord ? kTopicHeaderSize : records[r].linkData1.size();
        position += kRecordHeader + linkData1 + records[r].linkData2.size();
    }

    std::string stream;
    for (std::size_t r = 0; r < records.size(); ++r) {
        Record& record = records[r];
        if (record.type == kTopicHeaderRecord) {
            const std::size_t t = record.topic;
            const bool last = t + 1 == source.topics.size();
            Put32(record.linkData1, 0); // topic size, not used for reading
            Put32(record.linkData1, t == 0 ? kNone : topicOffsets[t - 1]);
            Put32(record.linkData1, last ? kNone : topicOffsets[t + 1]);
            Put32(record.linkData1, static_cast<std::uint32_t>(t));
            Put32(record.linkData1, kNone); // no non-scrolling region
            Put32(record.linkData1,
                  r + 1 < records.size() ? RecordReference(positions[r + 1]) : kNone);
            Put32(record.linkData1,
                  last ? kNone : RecordReference(positions[headerRecords[t + 1]]));
        }
        const std::size_t dataLength1 = kRecordHeader + record.linkData1.size();
        Put32(stream, static_cast<std::uint32_t>(dataLength1 + record.linkData2.size()));
        Put32(stream, static_cast<std::uint32_t>(record.linkData2.size()));
        Put32(stream, r == 0 ? kNone : RecordReference(positions[r - 1]));
        Put32(stream, r + 1 < records.size() ? RecordReference(positions[r + 1]) : kNone);
        Put32(stream, static_cast<std::uint32_t>(dataLength1));
        stream += static_cast<char>(record.type);
        stream += record.linkData1;
        stream += record.linkData2;
    }

    // |TOPIC: whole blocks, each with its header (the last record and the
    // first record that starts in the block; neither is needed for reading).
    std::string topic;
    for (std::size_t offset = 0; offset < stream.size() || offset == 0; offset += kTopicBlockData) {
        Put32(topic, kNone);
        Put32(topic, kTopicBlockHeader);
        Put32(topic, kNone);
        std::string data = stream.substr(offset, kTopicBlockData);
        data.resize(kTopicBlockData, '\0');
        topic += data;
    }

    std::string system;
    Put16(system, 0x036C);
    Put16(system, 21); // version 1.21: WinHelp 3.1, no compression
    Put16(system, 1);
    Put32(system, 0); // generation date: none, so that builds are reproducible
    Put16(system, 0);
    Put16(system, 1);
    Put16(system, static_cast<std::uint32_t>(source.title.size() + 1));
    system += source.title;
    system += '\0';
    Put16(system, 3);
    Put16(system, 4);
    Put32(system, topicOffsets.empty() ? 0 : topicOffsets[0]);
    // The main window, named "main", with the title as its caption.
    std::string window;
    Put16(window, 0x0002 | 0x0004); // name and caption given
    window.append(10, '\0');        // type
    std::string name = "main";
    name.resize(9, '\0');
    window += name;
    std::string caption = source.title.substr(0, 50);
    caption.resize(51, '\0');
    window += caption;
    window.append(90 - window.size(), '\0'); // position, size, state, colours
    Put16(system, 6);
    Put16(system, static_cast<std::uint32_t>(window.size()));
    system += window;

    std::string font;
    Put16(font, 1);                 // face names
    Put16(font, 2);                 // descriptors
    Put16(font, 8);                 // face names' offset
    Put16(font, 8 + kFaceNameSize); // descriptors' offset
    std::string face = "Arial";
    face.resize(kFaceNameSize, '\0');
    font += face;
    const unsigned char descriptors[2][11] = {
        {0x00, 20, 0x03, 0, 0, 0, 0, 0, 0xFF, 0xFF, 0xFF},    // body: 10 points
        {0x01, 28, 0x03, 0, 0, 0, 0, 0x80, 0xFF, 0xFF, 0xFF}, // titles: 14 points bold, navy
    };
    for (const auto& descriptor : descriptors)
        font.append(reinterpret_cast<const char*>(descriptor), sizeof(descriptor));

    std::vector<std::pair<std::int32_t, std::uint32_t>> contexts;
    std::string map;
    Put16(map, static_cast<std::uint32_t>(source.topics.size()));
    for (std::size_t t = 0; t < source.topics.size(); ++t) {
        contexts.emplace_back(HelpContextHash(source.topics[t].context), topicOffsets[t]);
        Put32(map, source.topics[t].mapNumber);
        Put32(map, topicOffsets[t]);
    }
    std::sort(contexts.begin(), contexts.end());
    std::vector<std::string> contextEntries;
    for (const auto& context : contexts) {
        std::string entry;
        Put32(entry, static_cast<std::uint32_t>(context.first));
        Put32(entry, context.second);
        contextEntries.push_back(entry);
    }

    // The internal files in the directory's (byte-wise) name order.
    const std::vector<std::pair<std::string, std::string>> files = {
        {"|CONTEXT", SingleLeafTree("L4", 0x0002, contextEntries)},
        {"|CTXOMAP", map},
        {"|FONT", font},
        {"|SYSTEM", system},
        {"|TOPIC", topic},
    };
    std::string body;
    std::vector<std::string> directoryEntries;
    const std::size_t fileHeaderSize = 16;
    for (const auto& file : files) {
        std::string entry = file.first;
        entry += '\0';
        Put32(entry, static_cast<std::uint32_t>(fileHeaderSize + body.size()));
        directoryEntries.push_back(entry);
        body += InternalFile(file.second);
    }
    const std::size_t directoryStart = fileHeaderSize + body.size();
    body += InternalFile(SingleLeafTree("z4", 0x0402, directoryEntries));

    std::string help;
    Put32(help, 0x00035F3F);
    Put32(help, static_cast<std::uint32_t>(directoryStart));
    Put32(help, kNone);
    Put32(help, static_cast<std::uint32_t>(fileHeaderSize + body.size()));
    return help + body;
}

std::optional<HelpFileContents> ReadHelpFile(std::string_view bytes) {
    if (bytes.size() < 16 || Get32(bytes, 0) != 0x00035F3F || Get32(bytes, 12) != bytes.size())
        return std::nullopt;
    HelpFileContents contents;
    // The directory: one leaf page of names and offsets.
    const std::size_t directory = Get32(bytes, 4);
    const std::size_t tree = directory + 9;
    if (Get16(bytes, tree) != 0x293B || Get16(bytes, tree + 32) != 1)
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
    if (Get16(system, 0) != 0x036C || Get16(system, 4) != 1 || Get16(system, 2) <= 16 ||
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
    for (std::size_t block = 0; block * kTopicBlockSize < topicFile.size(); ++block)
        stream += std::string(
            topicFile.substr(block * kTopicBlockSize + kTopicBlockHeader, kTopicBlockData));
    struct Page {
        std::uint32_t offset;
        std::string title;
        std::vector<std::string> texts;
    };
    std::vector<Page> pages;
    std::uint32_t reference = kTopicBlockHeader;
    std::size_t oldBlock = kNone, lengthInBlock = 0;
    for (int guard = 0; reference != kNone && guard < 100000; ++guard) {
        const std::size_t block = (reference - kTopicBlockHeader) >> 14;
        const std::size_t position =
            block * kTopicBlockData + ((reference - kTopicBlockHeader) & 0x3FFF);
        if (position + kRecordHeader > stream.size())
            return std::nullopt;
        if (block != oldBlock) {
            oldBlock = block;
            lengthInBlock = 0;
        }
        const std::string_view record = std::string_view(stream).substr(position);
        const std::size_t size = Get32(record, 0), dataLength1 = Get32(record, 0x10);
        if (dataLength1 < kRecordHeader || size < dataLength1 || size > record.size())
            return std::nullopt;
        const std::string_view text = record.substr(dataLength1, size - dataLength1);
        if (record[0x14] == kTopicHeaderRecord) {
            pages.push_back(Page{
                static_cast<std::uint32_t>(block * 0x8000 + lengthInBlock), std::string(text), {}});
        } else if (static_cast<std::uint8_t>(record[0x14]) == kTextRecord && !pages.empty()) {
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

} // namespace sw
