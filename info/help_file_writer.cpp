#include "info/help_file_writer.h"

#include "info/help_file_format.h"

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

namespace sw {
namespace {

constexpr std::size_t kFaceNameSize = 20;
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
    Put16(tree, kTreeMagic);
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

} // namespace

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
    Put16(system, kSystemMagic);
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
    Put32(help, kHelpFileMagic);
    Put32(help, static_cast<std::uint32_t>(directoryStart));
    Put32(help, kNone);
    Put32(help, static_cast<std::uint32_t>(fileHeaderSize + body.size()));
    return help + body;
}

} // namespace sw
