// The schedule dialog driven with real window messages: what it shows of the
// schedule file, what Save and Delete write, stepping, the folder picker and
// the Test button.
#include "resources/resource.h"
#include "support/dialog_driver.h"
#include "support/file_writer.h"
#include "support/print_context.h"
#include "support/print_server.h"
#include "support/temp_files.h"
#include "unattended/data_files.h"
#include "unattended/schedule_file.h"
#include "unattended/unattended_printing.h"
#include "unattended_fixture.h"

#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using swtest::DialogDriver;
using swtest::ItemText;

const char kCaption[] = "Schedule unattended printing";
// The caption of the shell's folder picker under Wine.
const char kPickerCaption[] = "Browse for Folder";
const char kMessageCaption[] = "Spoolwright utility";
// A second printer of the main window's list.
const char kOtherPrinter[] = "sw_second";

const int kTimeEdits[6] = {IDC_SCHED_FROM_HOUR,      IDC_SCHED_FROM_MINUTE,
                           IDC_SCHED_FROM_SECOND,    IDC_SCHED_THROUGH_HOUR,
                           IDC_SCHED_THROUGH_MINUTE, IDC_SCHED_THROUGH_SECOND};

struct Shown {
    std::string interval, pattern, folder, printer;
    std::vector<std::string> times;
    std::vector<int> days; // selected entries
    bool recycle = false;
};

// A step that reads what the dialog shows into `shown`.
std::function<void(HWND)> ReadShown(Shown& shown) {
    return [&shown](HWND dialog) {
        shown.interval = ItemText(dialog, IDC_SCHED_INTERVAL);
        shown.pattern = ItemText(dialog, IDC_SCHED_PATTERN);
        shown.folder = ItemText(dialog, IDC_SCHED_FOLDER);
        shown.printer = ItemText(dialog, IDC_SCHED_PRINTER);
        shown.times.clear();
        for (int id : kTimeEdits)
            shown.times.push_back(ItemText(dialog, id));
        shown.days.clear();
        for (int day = 0; day < 7; ++day) {
            if (SendDlgItemMessageA(dialog, IDC_SCHED_DAYS, LB_GETSEL, day, 0) > 0)
                shown.days.push_back(day);
        }
        shown.recycle = swtest::IsChecked(dialog, IDC_SCHED_RECYCLE);
    };
}

DialogDriver& SelectDays(DialogDriver& driver, std::vector<int> days) {
    return driver.Inspect([days](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_SCHED_DAYS, LB_SETSEL, FALSE, -1);
        for (int day : days)
            SendDlgItemMessageA(dialog, IDC_SCHED_DAYS, LB_SETSEL, TRUE, day);
    });
}

DialogDriver& SetTimes(DialogDriver& driver, const std::vector<std::string>& times) {
    for (std::size_t i = 0; i < times.size(); ++i)
        driver.SetText(kTimeEdits[i], times[i]);
    return driver;
}

sw::ScheduleRecord Stored(std::int32_t index) {
    sw::ScheduleRecord record;
    EXPECT_NE(sw::LoadSchedule(record, index), sw::ScheduleLoad::NoSuchRecord) << index;
    return record;
}

class ScheduleDialog : public swtest::UnattendedTest {
  protected:
    void SetUp() override {
        swtest::UnattendedTest::SetUp();
        // The main window's printer list, with the schedule's printer selected.
        printers_ = CreateWindowA("LISTBOX", "", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                  GetModuleHandleA(nullptr), nullptr);
        for (const char* printer : {swtest::kSchedulePrinter, kOtherPrinter})
            SendMessageA(printers_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(printer));
        SendMessageA(printers_, LB_SETCURSEL, 0, 0);
    }
    void TearDown() override {
        sw::ResetScheduleDialog();
        DestroyWindow(printers_);
        swtest::UnattendedTest::TearDown();
    }
    void Open() const { sw::ShowScheduleDialog(nullptr, printers_, swtest::FreshPrintContext()); }

  private:
    HWND printers_ = nullptr;
};

// Day n + 1, from n o'clock, every n seconds.
sw::ScheduleRecord Numbered(int n) {
    const std::string number = std::to_string(n);
    return swtest::ScheduleBuilder("C:\\Folder" + number, "*." + number, swtest::kSchedulePrinter)
        .Interval(1000 * n)
        .Days(2 << n)
        .From(n);
}

TEST_F(ScheduleDialog, OpensEmptyWithoutAFileAndSaveCreatesIt) {
    Shown shown;
    DialogDriver driver;
    driver.On(kCaption);
    driver.Inspect(ReadShown(shown)).Click(IDC_SCHED_SAVE).Click(IDC_SCHED_EXIT).Run([this] {
        Open();
    });
    EXPECT_EQ(shown.interval, "30000");
    EXPECT_EQ(shown.pattern, "");
    EXPECT_EQ(shown.folder, "");
    EXPECT_EQ(shown.times, std::vector<std::string>(6, ""));
    EXPECT_TRUE(shown.days.empty());
    ASSERT_EQ(sw::ScheduleCount(), 1);
    EXPECT_EQ(sw::ShownScheduleIndex(), 1);
    const sw::ScheduleRecord saved = Stored(1);
    EXPECT_EQ(saved.IntervalMs, 30000);
    EXPECT_EQ(saved.PrinterName, swtest::kSchedulePrinter) << "the main window's selected printer";
    EXPECT_EQ(saved.DayMask, 0);
    EXPECT_EQ(saved.ThroughHour, 0);
}

TEST_F(ScheduleDialog, SaveStoresTheForm) {
    DialogDriver driver;
    driver.On(kCaption)
        .SetText(IDC_SCHED_INTERVAL, "2500")
        .SetText(IDC_SCHED_PATTERN, "*.prn")
        .SetText(IDC_SCHED_FOLDER, "C:\\Outbox & more");
    SelectDays(driver, {0, 6});
    SetTimes(driver, {"123", "5", "0", "24", "00", "00"})
        .Click(IDC_SCHED_RECYCLE)
        .Click(IDC_SCHED_SAVE)
        .Click(IDC_SCHED_EXIT)
        .Run([this] { Open(); });
    const sw::ScheduleRecord saved = Stored(1);
    EXPECT_EQ(saved.IntervalMs, 2500);
    EXPECT_EQ(saved.FilePattern, "*.prn");
    EXPECT_EQ(saved.WatchFolder, "C:\\Outbox & more");
    EXPECT_EQ(saved.DayMask, 130) << "Monday and Sunday";
    EXPECT_EQ(saved.FromHour, 12) << "the first two characters of 123";
    EXPECT_EQ(saved.FromMinute, 5);
    EXPECT_EQ(saved.ThroughHour, 23);
    EXPECT_EQ(saved.ThroughMinute, 59);
    EXPECT_EQ(saved.ThroughSecond, 59);
    EXPECT_EQ(saved.MoveToRecycleBin, 1);
}

TEST_F(ScheduleDialog, RefusedInputWritesNothing) {
    DialogDriver driver;
    driver.On(kCaption);
    SetTimes(driver, {"24", "0", "0", "23", "0", "0"}).Click(IDC_SCHED_SAVE);
    SetTimes(driver, {"1", "0", "0", "23", "0", "0"});
    std::vector<std::string> messages;
    for (const char* interval : {"0", "60001", "abc", "70000"}) {
        driver.SetText(IDC_SCHED_INTERVAL, interval)
            .Click(IDC_SCHED_SAVE)
            .On(kMessageCaption)
            .Inspect([&](HWND box) { messages.push_back(swtest::MessageBoxText(box)); })
            .Click(IDOK)
            .On(kCaption);
    }
    driver.Click(IDC_SCHED_EXIT).Run([this] { Open(); });
    EXPECT_FALSE(swtest::FileExists(sw::DataFilePath()));
    EXPECT_EQ(sw::ShownScheduleIndex(), 0);
    // Each interval refused is told: the field, what it holds, the range.
    ASSERT_EQ(messages.size(), 4u);
    EXPECT_EQ(messages[2], "Interval of checking in milliseconds: \"abc\" is not a whole number "
                           "from 1 through 60000.\r\nThe schedule was not saved.");
    EXPECT_NE(messages[3].find("\"70000\""), std::string::npos) << messages[3];
}

TEST_F(ScheduleDialog, StepsThroughTheSchedulesAndStopsAtTheEnds) {
    swtest::WriteScheduleFile({Numbered(1), Numbered(2), Numbered(3)});
    std::vector<Shown> shown(6);
    DialogDriver driver;
    driver.On(kCaption).Inspect(ReadShown(shown[0])).Click(IDC_SCHED_PREVIOUS);
    driver.Inspect(ReadShown(shown[1])).Click(IDC_SCHED_NEXT);
    driver.Inspect(ReadShown(shown[2])).Click(IDC_SCHED_LAST);
    driver.Inspect(ReadShown(shown[3])).Click(IDC_SCHED_NEXT);
    driver.Inspect(ReadShown(shown[4])).Click(IDC_SCHED_FIRST);
    driver.Inspect(ReadShown(shown[5])).Click(IDC_SCHED_EXIT).Run([this] { Open(); });
    const char* folders[] = {"C:\\Folder1", "C:\\Folder1", "C:\\Folder2",
                             "C:\\Folder3", "C:\\Folder3", "C:\\Folder1"};
    for (std::size_t i = 0; i < shown.size(); ++i)
        EXPECT_EQ(shown[i].folder, folders[i]) << "step " << i;
    EXPECT_EQ(shown[2].interval, "2000");
    EXPECT_EQ(shown[2].pattern, "*.2");
    EXPECT_EQ(shown[2].days, std::vector<int>{2}) << "Wednesday";
    EXPECT_EQ(shown[2].times, (std::vector<std::string>{"2", "0", "0", "23", "59", "59"}));
}

TEST_F(ScheduleDialog, DeletingTheSecondOfThreeShowsTheFirst) {
    swtest::WriteScheduleFile({Numbered(1), Numbered(2), Numbered(3)});
    Shown shown;
    DialogDriver driver;
    driver.On(kCaption).Click(IDC_SCHED_NEXT).Click(IDC_SCHED_DELETE);
    driver.Inspect(ReadShown(shown)).Click(IDC_SCHED_EXIT).Run([this] { Open(); });
    ASSERT_EQ(sw::ScheduleCount(), 2);
    EXPECT_EQ(Stored(1), Numbered(1));
    EXPECT_EQ(Stored(2), Numbered(3));
    EXPECT_EQ(shown.folder, "C:\\Folder1");
    EXPECT_EQ(sw::ShownScheduleIndex(), 1);
    EXPECT_FALSE(swtest::FileExists(sw::DataFileBPath()));
}

TEST_F(ScheduleDialog, AddKeepsTheFormWithoutDaysAndSaveAppends) {
    swtest::WriteScheduleFile({Numbered(1), Numbered(2)});
    Shown shown;
    DialogDriver driver;
    driver.On(kCaption).Click(IDC_SCHED_ADD).Inspect(ReadShown(shown));
    SelectDays(driver, {2}).SetText(IDC_SCHED_PATTERN, "*.new").Click(IDC_SCHED_SAVE);
    driver.SetText(IDC_SCHED_PATTERN, "*.newer").Click(IDC_SCHED_SAVE).Click(IDC_SCHED_EXIT);
    driver.Run([this] { Open(); });
    EXPECT_EQ(shown.folder, "C:\\Folder1") << "the values previously shown";
    EXPECT_TRUE(shown.days.empty());
    ASSERT_EQ(sw::ScheduleCount(), 3) << "the second Save overwrites the record just added";
    EXPECT_EQ(Stored(3).FilePattern, "*.newer");
    EXPECT_EQ(Stored(3).DayMask, 8);
    EXPECT_EQ(sw::ShownScheduleIndex(), 3);
}

TEST_F(ScheduleDialog, CancellingTheFolderPickerEmptiesTheFolder) {
    swtest::WriteScheduleFile({Numbered(1)});
    std::string folderAfter = "<unread>";
    DialogDriver()
        .On(kCaption)
        .Click(IDC_SCHED_BROWSE)
        .On(kPickerCaption)
        .Click(IDCANCEL)
        .On(kCaption)
        .Inspect([&](HWND dialog) { folderAfter = ItemText(dialog, IDC_SCHED_FOLDER); })
        .Click(IDC_SCHED_SAVE)
        .Click(IDC_SCHED_EXIT)
        .Run([this] { Open(); });
    EXPECT_EQ(folderAfter, "");
    EXPECT_EQ(Stored(1).WatchFolder, "");
}

TEST_F(ScheduleDialog, TheFolderPickerFillsInTheChosenFolder) {
    // Wine's picker selects a folder by its path on drive C:; a path on Z:
    // leaves the selection on the desktop.
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    const std::string chosen = windows;
    std::string folderAfter;
    DialogDriver()
        .On(kCaption)
        .Click(IDC_SCHED_BROWSE)
        .On(kPickerCaption)
        .Inspect([&](HWND picker) {
            SendMessageA(picker, BFFM_SETSELECTIONA, TRUE,
                         reinterpret_cast<LPARAM>(chosen.c_str()));
        })
        .Click(IDOK)
        .On(kCaption)
        .Inspect([&](HWND dialog) { folderAfter = ItemText(dialog, IDC_SCHED_FOLDER); })
        .Click(IDC_SCHED_EXIT)
        .Run([this] { Open(); });
    EXPECT_EQ(folderAfter, chosen);
}

TEST_F(ScheduleDialog, TestScansTheStoredRecordAtOnce) {
    swtest::WriteScheduleFile({Watching("*.prn").Days(0)}); // the timer would never run it
    WriteInFolder("tested.prn", "tested");
    swtest::PrinterInbox inbox(swtest::kSchedulePrinter);
    DialogDriver()
        .On(kCaption)
        .SetText(IDC_SCHED_PATTERN, "*.unsaved")
        .Click(IDC_SCHED_TEST) // sees the file
        .Click(IDC_SCHED_TEST) // prints it, now that it has settled
        .Click(IDC_SCHED_EXIT)
        .Run([this] { Open(); });
    EXPECT_EQ(inbox.NextJob(), "tested");
    EXPECT_EQ(swtest::EventLogLines().size(), 1u);
}

// "Prints to:" shows a schedule's own printer, which Save keeps when only a
// check box changed, whatever the main window selects; a printer the main
// window does not list stays a choice; one of the main window's printers
// chosen is saved; a new schedule starts with the main window's selection.
TEST_F(ScheduleDialog, SaveStoresThePrinterTheChoiceShows) {
    swtest::WriteScheduleFile(
        {swtest::ScheduleBuilder("C:\\Folder", "*.prn", kOtherPrinter),
         swtest::ScheduleBuilder("C:\\Folder", "*.prn", "127.0.0.1:631:remote_queue")});
    Shown first, remote, added;
    DialogDriver()
        .On(kCaption)
        .Inspect(ReadShown(first))
        .Click(IDC_SCHED_RECYCLE)
        .Click(IDC_SCHED_SAVE)
        .Click(IDC_SCHED_NEXT)
        .Inspect(ReadShown(remote))
        .Inspect([](HWND dialog) {
            SendDlgItemMessageA(dialog, IDC_SCHED_PRINTER, CB_SETCURSEL, 1, 0); // kOtherPrinter
        })
        .Click(IDC_SCHED_SAVE)
        .Click(IDC_SCHED_ADD)
        .Inspect(ReadShown(added))
        .Click(IDC_SCHED_EXIT)
        .Run([this] { Open(); });
    EXPECT_EQ(first.printer, kOtherPrinter);
    EXPECT_EQ(Stored(1).PrinterName, kOtherPrinter) << "not the main window's selection";
    EXPECT_EQ(Stored(1).MoveToRecycleBin, 1);
    EXPECT_EQ(remote.printer, "127.0.0.1:631:remote_queue");
    EXPECT_EQ(Stored(2).PrinterName, kOtherPrinter) << "the printer chosen";
    EXPECT_EQ(added.printer, swtest::kSchedulePrinter) << "the main window's selection";
}

TEST_F(ScheduleDialog, ADamagedRecordIsShownAsItReads) {
    sw::ScheduleRecordBytes bytes = sw::EncodeScheduleRecord(Numbered(1));
    std::fill(bytes.begin() + 288, bytes.begin() + 368, 'x'); // pattern without NUL
    bytes[451] = 0x7F;                                        // From hour 32512
    ASSERT_TRUE(swtest::WriteToFile(sw::DataFilePath(), std::string(bytes.begin(), bytes.end())));
    Shown shown;
    DialogDriver().On(kCaption).Inspect(ReadShown(shown)).Click(IDC_SCHED_EXIT).Run([this] {
        Open();
    });
    EXPECT_EQ(shown.pattern, std::string(80, 'x'));
    EXPECT_EQ(shown.folder, "C:\\Folder1");
    EXPECT_EQ(shown.times[0], "32513");
}

} // namespace
