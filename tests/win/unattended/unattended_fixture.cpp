#include "unattended_fixture.h"

#include "common/program_state.h"
#include "printengine/feedback_api.h"
#include "printroute/print_library_api.h"
#include "support/print_server.h"
#include "support/temp_files.h"
#include "unattended/data_files.h"
#include "unattended/local_clock.h"
#include "unattended/schedule_dialog.h"
#include "unattended/schedule_file.h"
#include "unattended/unattended_printing.h"

#include <gtest/gtest.h>

namespace swtest {
namespace {

SYSTEMTIME testClock = {};

void WINAPI TestLocalTime(LPSYSTEMTIME time) {
    *time = testClock;
}

// Unattended printing must never show a message box: it would wait for a
// user who is not there.
int WINAPI UnexpectedMessageBox(HWND, LPCSTR text, LPCSTR caption, UINT) {
    ADD_FAILURE() << "a message box was shown: " << (caption ? caption : "") << ": "
                  << (text ? text : "");
    return IDOK;
}

void RemoveFolder(const std::string& folder) {
    for (const std::string& name : FolderListing(folder)) {
        const std::string path = folder + "\\" + name;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (!DeleteFileA(path.c_str()))
            RemoveFolder(path);
    }
    RemoveDirectoryA(folder.c_str());
}

sw::PrintLibraryApi savedLibrary;
sw::FeedbackApi savedFeedback;

} // namespace

void SetClock(WORD day, WORD hour, WORD minute, WORD second) {
    testClock = {};
    testClock.wYear = 2026;
    testClock.wMonth = 12;
    testClock.wDay = day;
    testClock.wHour = hour;
    testClock.wMinute = minute;
    testClock.wSecond = second;
}

void WriteBytes(const std::string& path, const std::string& bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << "cannot create " << path;
    DWORD written = 0;
    const BOOL ok =
        WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(file);
    ASSERT_TRUE(ok && written == bytes.size()) << path;
}

std::vector<std::string> EventLogLines() {
    std::vector<std::string> lines;
    if (!FileExists(sw::EventLogPath()))
        return lines;
    const std::string text = ReadWholeFile(sw::EventLogPath());
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "a line without CR LF: " << text.substr(start);
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::vector<std::string> FolderListing(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string TrashFolder() {
    char data[MAX_PATH] = {};
    GetEnvironmentVariableA("XDG_DATA_HOME", data, MAX_PATH);
    std::string path = std::string("Z:") + data + "/Trash/files";
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

std::string BitmapBytes(int width, int height) {
    return BitmapFileHeader(width, height)
        .append(static_cast<std::size_t>(BitmapRowBytes(width) * height), '\x40');
}

sw::ScheduleRecord AllDaySchedule(const std::string& folder, const std::string& pattern) {
    sw::ScheduleRecord record;
    record.IntervalMs = 1000;
    record.WatchFolder = folder;
    record.FilePattern = pattern;
    record.PrinterName = kSchedulePrinter;
    record.DayMask = 254;
    record.ThroughHour = 23;
    record.ThroughMinute = 59;
    record.ThroughSecond = 59;
    return record;
}

void WriteScheduleFile(const std::vector<sw::ScheduleRecord>& records) {
    std::string bytes;
    for (const sw::ScheduleRecord& record : records) {
        const sw::ScheduleRecordBytes encoded = sw::EncodeScheduleRecord(record);
        bytes.append(encoded.begin(), encoded.end());
    }
    WriteBytes(sw::Program().DataFilePath, bytes);
}

void UnattendedTest::SetUp() {
    SettingsFileTest::SetUp();
    savedLibrary = sw::PrintLibrary();
    savedFeedback = sw::Feedback();
    sw::Feedback().messageBox = UnexpectedMessageBox;
    sw::LocalClock().getLocalTime = TestLocalTime;
    SetClock(kWednesday, 10, 0, 0);
    for (const std::string& path :
         {sw::Program().DataFilePath, sw::Program().DataFileBPath, sw::EventLogPath()})
        DeleteFileA(path.c_str());

    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    folder_ = RunFolder() + "\\unattended-" + test->test_suite_name() + "-" + test->name();
    RemoveFolder(folder_);
    ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr)) << "cannot create " << folder_;
}

void UnattendedTest::TearDown() {
    sw::StopUnattendedPrinting();
    sw::PrintLibrary() = savedLibrary;
    sw::Feedback() = savedFeedback;
    sw::LocalClock().getLocalTime = GetLocalTime;
    RemoveFolder(folder_);
    for (const std::string& path :
         {sw::Program().DataFilePath, sw::Program().DataFileBPath, sw::EventLogPath()})
        DeleteFileA(path.c_str());
    SettingsFileTest::TearDown();
}

} // namespace swtest
