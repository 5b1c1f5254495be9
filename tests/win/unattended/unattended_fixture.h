// What the unattended tests share: a clean settings file, schedule file and
// event log; a watched folder of the test's own in the run folder; a clock
// the test sets; and files and bitmaps to put into the folder.
#pragma once

#include "printengine/feedback_api.h"
#include "printroute/print_library_api.h"
#include "support/schedule_builder.h"
#include "support/scoped_seam.h"
#include "support/settings_file.h"
#include "support/temp_files.h"
#include "unattended/local_clock.h"
#include "unattended/schedule_record.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace swtest {

// The queue the schedules of these tests print to.
inline constexpr char kSchedulePrinter[] = "sw_unattended";

// Wednesday 9 December 2026, the week the tests' clock runs in; Monday is the 7th.
inline constexpr WORD kWednesday = 9;
// The time each test's clock starts at, as the event log writes it.
inline constexpr char kLogTime[] = "12-09-2026   10:00:00   ";

// Sets the clock unattended printing reads.
void SetClock(WORD day, WORD hour, WORD minute, WORD second);

// The event log's lines without their CR LF; fails the test for a line that
// does not end in CR LF. Empty when there is no log.
std::vector<std::string> EventLogLines();

// Where Wine's Recycle Bin keeps the files moved to it.
std::string TrashFolder();

// A 24-bit bitmap file of the given size in one colour.
std::string BitmapBytes(int width, int height);

// Sets the file's last write time `secondsAgo` back.
void Backdate(const std::string& path, int secondsAgo = 60);

// Forgets what unattended printing remembers, in memory and in its state
// files, as a fresh installation would.
void ForgetPrintedFiles();

// Writes the records as the whole schedule file.
void WriteScheduleFile(const std::vector<sw::ScheduleRecord>& records);

class UnattendedTest : public SettingsFileTest {
  protected:
    void SetUp() override;
    void TearDown() override;

    // A fresh, empty folder for the test's files, without a trailing backslash.
    const std::string& Folder() const { return folder_->Path(); }
    std::string InFolder(const std::string& name) const { return folder_->In(name); }
    // Writes a file into the folder, last written a minute ago (so that it
    // has settled once a scan has seen it); its path.
    std::string WriteInFolder(const std::string& name, const std::string& bytes) const;
    // The ticks of the timer: a first one sees the files, a second one
    // prints those that have settled.
    void Tick() const;
    void TickUntilSettled() const {
        Tick();
        Tick();
    }
    // A schedule of every day, all day, of the folder and pattern, printing to
    // kSchedulePrinter.
    ScheduleBuilder Watching(const std::string& pattern) const {
        return ScheduleBuilder(Folder(), pattern, kSchedulePrinter);
    }
    // The event log's lines for a file of the folder, at the time the clock
    // starts at.
    std::string Logged(const std::string& name, const std::string& what) const {
        return kLogTime + InFolder(name) + "   " + what;
    }
    std::string Printed(const std::string& name) const {
        return Logged(name, std::string("printed successfully to ") + kSchedulePrinter);
    }
    std::string NotPrinted(const std::string& name, int code,
                           const std::string& printer = kSchedulePrinter) const {
        return Logged(name, "not printed to " + printer + "  due to Error " + std::to_string(code));
    }

  private:
    std::optional<TempFolder> folder_;
    ScopedSeam<sw::FeedbackApi> feedback_{sw::Feedback()};
    ScopedSeam<sw::PrintLibraryApi> library_{sw::PrintLibrary()};
    ScopedSeam<sw::LocalClockApi> clock_{sw::LocalClock()};
};

} // namespace swtest
