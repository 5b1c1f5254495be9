// What the unattended tests share: a clean settings file, schedule file and
// event log; a watched folder of the test's own in the run folder; a clock
// the test sets; and files and bitmaps to put into the folder.
#pragma once

#include "support/settings_file.h"
#include "unattended/schedule_record.h"

#include <windows.h>

#include <string>
#include <vector>

namespace swtest {

// The queue the schedules of these tests print to.
inline constexpr char kSchedulePrinter[] = "sw_unattended";

// Wednesday 9 December 2026, the week the tests' clock runs in; Monday is the 7th.
inline constexpr WORD kWednesday = 9;

// Sets the clock unattended printing reads.
void SetClock(WORD day, WORD hour, WORD minute, WORD second);

// Writes the bytes to the file, replacing it.
void WriteBytes(const std::string& path, const std::string& bytes);

// The event log's lines without their CR LF; fails the test for a line that
// does not end in CR LF. Empty when there is no log.
std::vector<std::string> EventLogLines();

// The files of a folder other than "." and "..", in the order the file
// system lists them.
std::vector<std::string> FolderListing(const std::string& folder);

// Where Wine's Recycle Bin keeps the files moved to it.
std::string TrashFolder();

// A 24-bit bitmap file of the given size in one colour.
std::string BitmapBytes(int width, int height);

// A schedule of every day, all day, for the folder and pattern, printing to
// kSchedulePrinter.
sw::ScheduleRecord AllDaySchedule(const std::string& folder, const std::string& pattern);

// Writes the records as the whole schedule file.
void WriteScheduleFile(const std::vector<sw::ScheduleRecord>& records);

class UnattendedTest : public SettingsFileTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh, empty folder for the test's files, without a trailing backslash.
    const std::string& Folder() const { return folder_; }
    std::string InFolder(const std::string& name) const { return folder_ + "\\" + name; }

  private:
    std::string folder_;
};

} // namespace swtest
