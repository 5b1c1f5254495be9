#include "unattended/schedule_file.h"

#include "common/handle_guard.h"
#include "unattended/data_files.h"
#include "unattended/schedule_rules.h"

#include <windows.h>

#include <climits>
#include <string>

namespace sw {
namespace {

// Records read per block by LoadAllSchedules.
constexpr std::int32_t kRecordsPerRead = 64;

HANDLE OpenForReading(const std::string& path) {
    return CreateFileA(path.c_str(), GENERIC_READ,
                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
}

HANDLE OpenForWriting(const std::string& path, DWORD disposition) {
    return CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                       disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

std::int32_t RecordCount(HANDLE file) {
    LARGE_INTEGER size = {};
    if (!GetFileSizeEx(file, &size) || size.QuadPart < 0)
        return 0;
    const long long count = size.QuadPart / static_cast<long long>(kScheduleRecordSize);
    return count > INT_MAX ? INT_MAX : static_cast<std::int32_t>(count);
}

bool SeekToRecord(HANDLE file, std::int32_t index) {
    LARGE_INTEGER offset = {};
    offset.QuadPart = static_cast<long long>(index - 1) * kScheduleRecordSize;
    return SetFilePointerEx(file, offset, nullptr, FILE_BEGIN) != 0;
}

bool ReadExactly(HANDLE file, void* buffer, DWORD size) {
    DWORD got = 0;
    return ReadFile(file, buffer, size, &got, nullptr) && got == size;
}

bool WriteExactly(HANDLE file, const void* buffer, DWORD size) {
    DWORD written = 0;
    return WriteFile(file, buffer, size, &written, nullptr) && written == size;
}

// The number an appended record gets; 0 when no more can be numbered.
std::int32_t NextRecordNumber(HANDLE file) {
    const std::int32_t count = RecordCount(file);
    return count < INT_MAX ? count + 1 : 0;
}

// Appends one record at the end of the whole records, over a partial one.
bool AppendRecordBytes(HANDLE file, const std::uint8_t* bytes) {
    const std::int32_t target = NextRecordNumber(file);
    return target > 0 && SeekToRecord(file, target) &&
           WriteExactly(file, bytes, kScheduleRecordSize);
}

// Writes every record of `source` but number `skipped` into the new file
// `target`, and makes sure it reached the disk.
bool CopyRecordsExcept(HANDLE source, std::int32_t count, std::int32_t skipped, HANDLE target) {
    ScheduleRecordBytes bytes = {};
    for (std::int32_t index = 1; index <= count; ++index) {
        if (index == skipped)
            continue;
        if (!SeekToRecord(source, index) ||
            !ReadExactly(source, bytes.data(), kScheduleRecordSize) ||
            !WriteExactly(target, bytes.data(), kScheduleRecordSize))
            return false;
    }
    return FlushFileBuffers(target) != 0;
}

} // namespace

std::int32_t ScheduleCount() {
    const FileHandle file(OpenForReading(DataFilePath()));
    return file.IsOpen() ? RecordCount(file.Get()) : 0;
}

ScheduleLoad LoadSchedule(ScheduleRecord& record, std::int32_t index) {
    const FileHandle file(OpenForReading(DataFilePath()));
    if (!file.IsOpen() || index < 1 || index > RecordCount(file.Get()))
        return ScheduleLoad::NoSuchRecord;
    ScheduleRecordBytes bytes = {};
    if (!SeekToRecord(file.Get(), index) ||
        !ReadExactly(file.Get(), bytes.data(), kScheduleRecordSize))
        return ScheduleLoad::NoSuchRecord;
    const DecodedSchedule decoded = DecodeScheduleRecord(bytes.data(), bytes.size());
    record = decoded.record;
    return decoded.error == RecordError::None ? ScheduleLoad::Whole : ScheduleLoad::Damaged;
}

std::vector<DecodedSchedule> LoadAllSchedules() {
    std::vector<DecodedSchedule> schedules;
    const FileHandle file(OpenForReading(DataFilePath()));
    if (!file.IsOpen())
        return schedules;
    const std::int32_t count = RecordCount(file.Get());
    std::vector<std::uint8_t> block(kRecordsPerRead * kScheduleRecordSize);
    for (std::int32_t done = 0; done < count;) {
        const std::int32_t records =
            count - done < kRecordsPerRead ? count - done : kRecordsPerRead;
        DWORD got = 0;
        if (!ReadFile(file.Get(), block.data(), static_cast<DWORD>(records * kScheduleRecordSize),
                      &got, nullptr) ||
            got == 0)
            break;
        // A file that shrank while being read ends the list at its last whole record.
        for (DWORD offset = 0; offset + kScheduleRecordSize <= got; offset += kScheduleRecordSize)
            schedules.push_back(DecodeScheduleRecord(block.data() + offset, kScheduleRecordSize));
        if (got < records * kScheduleRecordSize)
            break;
        done += records;
    }
    return schedules;
}

std::int32_t SaveSchedule(const ScheduleRecord& record, std::int32_t index) {
    const FileHandle file(OpenForWriting(DataFilePath(), OPEN_ALWAYS));
    if (!file.IsOpen())
        return 0;
    const std::int32_t count = RecordCount(file.Get());
    const std::int32_t target = index >= 1 && index <= count ? index : NextRecordNumber(file.Get());
    if (target < 1)
        return 0; // the file already holds as many records as can be numbered
    const ScheduleRecordBytes bytes = EncodeScheduleRecord(record);
    if (!SeekToRecord(file.Get(), target) ||
        !WriteExactly(file.Get(), bytes.data(), kScheduleRecordSize))
        return 0;
    return target;
}

bool AppendScheduleToScratch(const ScheduleRecord& record) {
    const FileHandle file(OpenForWriting(DataFileBPath(), OPEN_ALWAYS));
    const ScheduleRecordBytes bytes = EncodeScheduleRecord(record);
    return file.IsOpen() && AppendRecordBytes(file.Get(), bytes.data());
}

bool DeleteSchedule(std::int32_t index) {
    const std::string dataFile = DataFilePath();
    const std::string scratchFile = DataFileBPath();
    const std::int32_t count = ScheduleCount();
    if (index < 1 || index > count)
        return false;
    if (count == 1)
        return DeleteFileA(dataFile.c_str()) != 0;

    DeleteFileA(scratchFile.c_str()); // left over from an interrupted delete
    bool copied = false;
    {
        const FileHandle source(OpenForReading(dataFile));
        const FileHandle target(OpenForWriting(scratchFile, CREATE_ALWAYS));
        copied = source.IsOpen() && target.IsOpen() &&
                 CopyRecordsExcept(source.Get(), count, index, target.Get());
    }
    if (copied && MoveFileExA(scratchFile.c_str(), dataFile.c_str(),
                              MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileA(scratchFile.c_str());
    return false;
}

std::int32_t MinimumInterval() {
    return MinimumIntervalOf(LoadAllSchedules());
}

} // namespace sw
