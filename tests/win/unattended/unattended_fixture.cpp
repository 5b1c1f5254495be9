#include "unattended_fixture.h"

#include "common/program_state.h"
#include "support/file_writer.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/text_lines.h"
#include "unattended/data_files.h"
#include "unattended/schedule_dialog.h"
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

void DeleteDataFiles() {
    for (const std::string& path :
         {sw::Program().DataFilePath, sw::Program().DataFileBPath, sw::EventLogPath()})
        DeleteFileA(path.c_str());
}

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

std::vector<std::string> EventLogLines() {
    if (!FileExists(sw::EventLogPath()))
        return {};
    const std::string text = ReadWholeFile(sw::EventLogPath());
    const std::vector<std::string> lines = SplitLines(text, "\r\n");
    if (!text.empty() && (text.size() < 2 || text.substr(text.size() - 2) != "\r\n"))
        ADD_FAILURE() << "a line without CR LF: " << lines.back();
    return lines;
}

std::string TrashFolder() {
    return WindowsPathOf(EnvironmentText("XDG_DATA_HOME") + "/Trash/files");
}

std::string BitmapBytes(int width, int height) {
    return BitmapFileHeader(width, height)
        .append(static_cast<std::size_t>(BitmapRowBytes(width) * height), '\x40');
}

void WriteScheduleFile(const std::vector<sw::ScheduleRecord>& records) {
    std::string bytes;
    for (const sw::ScheduleRecord& record : records) {
        const sw::ScheduleRecordBytes encoded = sw::EncodeScheduleRecord(record);
        bytes.append(encoded.begin(), encoded.end());
    }
    EXPECT_TRUE(WriteToFile(sw::Program().DataFilePath, bytes)) << sw::Program().DataFilePath;
}

void UnattendedTest::SetUp() {
    SettingsFileTest::SetUp();
    sw::Feedback().messageBox = UnexpectedMessageBox;
    sw::LocalClock().getLocalTime = TestLocalTime;
    SetClock(kWednesday, 10, 0, 0);
    DeleteDataFiles();
    folder_.emplace("-unattended", RunFolder());
}

void UnattendedTest::TearDown() {
    sw::StopUnattendedPrinting();
    folder_.reset();
    DeleteDataFiles();
    SettingsFileTest::TearDown();
}

} // namespace swtest
