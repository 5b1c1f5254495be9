#include "unattended/schedule_record.h"

namespace sw {

bool ScheduleRecord::operator==(const ScheduleRecord& other) const {
    return IntervalMs == other.IntervalMs && WatchFolder == other.WatchFolder &&
           FilePattern == other.FilePattern && PrinterName == other.PrinterName &&
           DayMask == other.DayMask && FromHour == other.FromHour &&
           FromMinute == other.FromMinute && FromSecond == other.FromSecond &&
           ThroughHour == other.ThroughHour && ThroughMinute == other.ThroughMinute &&
           ThroughSecond == other.ThroughSecond && MoveToRecycleBin == other.MoveToRecycleBin;
}

ScheduleRecordBytes EncodeScheduleRecord(const ScheduleRecord& record) {
    ScheduleRecordBytes bytes = {};
    RecordWriter writer(bytes.data(), bytes.size());
    writer.Int32(0);
    writer.Int32(record.IntervalMs);
    writer.Text(record.WatchFolder, kWatchFolderWidth);
    writer.Text(record.FilePattern, kFilePatternWidth);
    writer.Text(record.PrinterName, kPrinterNameWidth);
    writer.Int16(record.DayMask);
    writer.Int16(record.FromHour);
    writer.Int16(record.FromMinute);
    writer.Int16(record.FromSecond);
    writer.Int16(record.ThroughHour);
    writer.Int16(record.ThroughMinute);
    writer.Int16(record.ThroughSecond);
    writer.Int16(record.MoveToRecycleBin);
    return bytes;
}

DecodedSchedule DecodeScheduleRecord(const std::uint8_t* data, std::size_t size) {
    RecordReader reader(data, size < kScheduleRecordSize ? size : kScheduleRecordSize);
    DecodedSchedule decoded;
    ScheduleRecord& record = decoded.record;
    reader.Skip(4);
    record.IntervalMs = reader.Int32();
    record.WatchFolder = reader.Text(kWatchFolderWidth);
    record.FilePattern = reader.Text(kFilePatternWidth);
    record.PrinterName = reader.Text(kPrinterNameWidth);
    record.DayMask = reader.Int16();
    record.FromHour = reader.Int16();
    record.FromMinute = reader.Int16();
    record.FromSecond = reader.Int16();
    record.ThroughHour = reader.Int16();
    record.ThroughMinute = reader.Int16();
    record.ThroughSecond = reader.Int16();
    record.MoveToRecycleBin = reader.Int16();
    decoded.error = reader.Error();
    return decoded;
}

} // namespace sw
