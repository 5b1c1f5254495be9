#include "unattended_fixture.h"

#include "support/file_writer.h"
#include "support/print_context.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/text_lines.h"
#include "unattended/data_files.h"
#include "unattended/schedule_dialog.h"
#include "unattended/unattended_printing.h"
#include "unattended/unattended_run.h"

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
    for (const std::string& path : {sw::DataFilePath(), sw::DataFileBPath(), sw::EventLogPath()})
        DeleteFileA(path.c_str());
    ForgetPrintedFiles();
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

void Backdate(const std::string& path, int secondsAgo) {
    FILETIME now = {};
    GetSystemTimeAsFileTime(&now);
    ULARGE_INTEGER ticks = {};
    ticks.LowPart = now.dwLowDateTime;
    ticks.HighPart = now.dwHighDateTime;
    ticks.QuadPart -= static_cast<ULONGLONG>(secondsAgo) * 10000000;
    const FILETIME then = {ticks.LowPart, ticks.HighPart};
    HANDLE file =
        CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE) << path;
    EXPECT_TRUE(SetFileTime(file, nullptr, nullptr, &then)) << path;
    CloseHandle(file);
}

void ForgetPrintedFiles() {
    for (const std::string& path : {sw::PrintedFilesPath(), sw::PrintingNotePath()}) {
        DeleteFileA(path.c_str());
        DeleteFileA((path + ".new").c_str());
    }
    sw::ForgetUnattendedMemory();
}

void WriteScheduleFile(const std::vector<sw::ScheduleRecord>& records) {
    std::string bytes;
    for (const sw::ScheduleRecord& record : records) {
        const sw::ScheduleRecordBytes encoded = sw::EncodeScheduleRecord(record);
        bytes.append(encoded.begin(), encoded.end());
    }
    EXPECT_TRUE(WriteToFile(sw::DataFilePath(), bytes)) << sw::DataFilePath();
}

void UnattendedTest::SetUp() {
    SettingsFileTest::SetUp();
    sw::Feedback().messageBox = UnexpectedMessageBox;
    sw::LocalClock().getLocalTime = TestLocalTime;
    SetClock(kWednesday, 10, 0, 0);
    DeleteDataFiles();
    folder_.emplace("-unattended", RunFolder());
}

std::string UnattendedTest::WriteInFolder(const std::string& name, const std::string& bytes) const {
    const std::string path = folder_->Write(name, bytes);
    Backdate(path);
    return path;
}

void UnattendedTest::Tick() const {
    sw::RunUnattendedPass(swtest::FreshPrintContext());
}

void UnattendedTest::TearDown() {
    folder_.reset();
    DeleteDataFiles();
    SettingsFileTest::TearDown();
}

} // namespace swtest
