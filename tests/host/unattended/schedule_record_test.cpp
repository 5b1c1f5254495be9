// The 464-byte schedule record: every field at its offset, little-endian,
// texts NUL-terminated; damaged and short blocks read as far as they go.
#include "tests/win/support/schedule_builder.h"
#include "unattended/schedule_record.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using sw::DecodeScheduleRecord;
using sw::EncodeScheduleRecord;
using sw::RecordError;
using sw::ScheduleRecord;
using Bytes = std::vector<std::uint8_t>;

ScheduleRecord SampleRecord() {
    return swtest::ScheduleBuilder("C:\\Outbox", "*.prn", "Laser 1")
        .Interval(0x00012345)
        .Days(130)
        .From(8, 30, 15)
        .Through(17, 45, 59)
        .ToRecycleBin();
}

Bytes Slice(const sw::ScheduleRecordBytes& bytes, std::size_t offset, std::size_t width) {
    return Bytes(bytes.begin() + offset, bytes.begin() + offset + width);
}

Bytes TextField(const std::string& text, std::size_t width) {
    Bytes field(width, 0);
    std::memcpy(field.data(), text.data(), text.size());
    return field;
}

TEST(ScheduleRecord, EveryFieldAtItsOffset) {
    const sw::ScheduleRecordBytes bytes = EncodeScheduleRecord(SampleRecord());
    struct Field {
        const char* name;
        std::size_t offset;
        Bytes expected;
    };
    const Field fields[] = {
        {"reserved", 0, {0, 0, 0, 0}},
        {"IntervalMs", 4, {0x45, 0x23, 0x01, 0x00}},
        {"WatchFolder", 8, TextField("C:\\Outbox", 280)},
        {"FilePattern", 288, TextField("*.prn", 80)},
        {"PrinterName", 368, TextField("Laser 1", 80)},
        {"DayMask", 448, {130, 0}},
        {"FromHour", 450, {8, 0}},
        {"FromMinute", 452, {30, 0}},
        {"FromSecond", 454, {15, 0}},
        {"ThroughHour", 456, {17, 0}},
        {"ThroughMinute", 458, {45, 0}},
        {"ThroughSecond", 460, {59, 0}},
        {"MoveToRecycleBin", 462, {1, 0}},
    };
    EXPECT_EQ(bytes.size(), 464u);
    for (const Field& field : fields)
        EXPECT_EQ(Slice(bytes, field.offset, field.expected.size()), field.expected) << field.name;
}

TEST(ScheduleRecord, NegativeNumbersAreTwosComplement) {
    ScheduleRecord record;
    record.IntervalMs = -2;
    record.DayMask = -1;
    record.MoveToRecycleBin = -32768;
    const sw::ScheduleRecordBytes bytes = EncodeScheduleRecord(record);
    EXPECT_EQ(Slice(bytes, 4, 4), (Bytes{0xFE, 0xFF, 0xFF, 0xFF}));
    EXPECT_EQ(Slice(bytes, 448, 2), (Bytes{0xFF, 0xFF}));
    EXPECT_EQ(Slice(bytes, 462, 2), (Bytes{0x00, 0x80}));
    const sw::DecodedSchedule decoded = DecodeScheduleRecord(bytes.data(), bytes.size());
    EXPECT_EQ(decoded.record.IntervalMs, -2);
    EXPECT_EQ(decoded.record.DayMask, -1);
    EXPECT_EQ(decoded.record.MoveToRecycleBin, -32768);
}

TEST(ScheduleRecord, ReadsAHandWrittenRecord) {
    Bytes bytes(464, 0);
    bytes[0] = 0x77; // reserved: never read
    bytes[4] = 0x30;
    bytes[5] = 0x75; // 30000
    std::memcpy(&bytes[8], "D:\\Spool\0old text", 17);
    std::memcpy(&bytes[288], "*.txt", 5);
    std::memcpy(&bytes[368], "sw_raw", 6);
    bytes[448] = 0xFE; // Monday to Sunday
    bytes[456] = 23;
    bytes[458] = 59;
    bytes[460] = 59;
    const sw::DecodedSchedule decoded = DecodeScheduleRecord(bytes.data(), bytes.size());
    EXPECT_EQ(decoded.error, RecordError::None);
    EXPECT_EQ(decoded.record.IntervalMs, 30000);
    EXPECT_EQ(decoded.record.WatchFolder, "D:\\Spool") << "bytes after the NUL carry no meaning";
    EXPECT_EQ(decoded.record.FilePattern, "*.txt");
    EXPECT_EQ(decoded.record.PrinterName, "sw_raw");
    EXPECT_EQ(decoded.record.DayMask, 254);
    EXPECT_EQ(decoded.record.ThroughHour, 23);
    EXPECT_EQ(decoded.record.ThroughMinute, 59);
    EXPECT_EQ(decoded.record.ThroughSecond, 59);
    EXPECT_EQ(decoded.record.MoveToRecycleBin, 0);
}

TEST(ScheduleRecord, RoundTripsAndCutsLongTexts) {
    const ScheduleRecord record = SampleRecord();
    const sw::ScheduleRecordBytes bytes = EncodeScheduleRecord(record);
    EXPECT_EQ(DecodeScheduleRecord(bytes.data(), bytes.size()).record, record);

    ScheduleRecord longer = record;
    longer.WatchFolder = std::string(300, 'f');
    longer.FilePattern = std::string(100, 'p');
    longer.PrinterName = std::string(80, 'n');
    const sw::ScheduleRecordBytes cut = EncodeScheduleRecord(longer);
    const sw::DecodedSchedule decoded = DecodeScheduleRecord(cut.data(), cut.size());
    EXPECT_EQ(decoded.error, RecordError::None);
    EXPECT_EQ(decoded.record.WatchFolder, std::string(279, 'f'));
    EXPECT_EQ(decoded.record.FilePattern, std::string(79, 'p'));
    EXPECT_EQ(decoded.record.PrinterName, std::string(79, 'n'));
    EXPECT_EQ(decoded.record.DayMask, 130) << "a long text never spills into the next field";
}

TEST(ScheduleRecord, TextWithoutNulIsReadWholeAndMarked) {
    sw::ScheduleRecordBytes bytes = EncodeScheduleRecord(SampleRecord());
    std::memset(&bytes[288], 'x', 80); // FilePattern fills its field
    const sw::DecodedSchedule decoded = DecodeScheduleRecord(bytes.data(), bytes.size());
    EXPECT_EQ(decoded.error, RecordError::UnterminatedText);
    EXPECT_EQ(decoded.record.FilePattern, std::string(80, 'x'));
    EXPECT_EQ(decoded.record.PrinterName, "Laser 1") << "the fields after it still read";
    EXPECT_EQ(decoded.record.MoveToRecycleBin, 1);
}

TEST(ScheduleRecord, ShortBlocksReadAsFarAsTheyGo) {
    const sw::ScheduleRecordBytes bytes = EncodeScheduleRecord(SampleRecord());
    for (std::size_t size : {std::size_t{0}, std::size_t{3}, std::size_t{7}, std::size_t{463}}) {
        const sw::DecodedSchedule decoded = DecodeScheduleRecord(bytes.data(), size);
        EXPECT_EQ(decoded.error, RecordError::Truncated) << size << " bytes";
    }
    const sw::DecodedSchedule half = DecodeScheduleRecord(bytes.data(), 450);
    EXPECT_EQ(half.record.PrinterName, "Laser 1");
    EXPECT_EQ(half.record.DayMask, 130);
    EXPECT_EQ(half.record.FromHour, 0) << "a field past the end reads as 0";
    EXPECT_EQ(DecodeScheduleRecord(nullptr, 0).error, RecordError::Truncated);
}

TEST(ScheduleRecord, TheFirstErrorIsKept) {
    sw::ScheduleRecordBytes bytes = EncodeScheduleRecord(SampleRecord());
    std::memset(&bytes[8], 'x', 280);
    EXPECT_EQ(DecodeScheduleRecord(bytes.data(), 300).error, RecordError::UnterminatedText);
}

} // namespace
