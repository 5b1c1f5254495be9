// Scans of watched folders against the real print server: what reaches the
// schedule's virtual printer, what the event log says, and what becomes of
// the files.
#include "common/program_folder.h"
#include "printengine/swprint.h"
#include "printroute/companion_launch.h"
#include "remote/companion_protocol.h"
#include "settings/setting_names.h"
#include "support/file_writer.h"
#include "support/library_call_recorder.h"
#include "support/print_context.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/script_names.h"
#include "support/temp_files.h"
#include "unattended/data_files.h"
#include "unattended/local_clock.h"
#include "unattended/schedule_timing.h"
#include "unattended/unattended_run.h"
#include "unattended_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using swtest::EventLogLines;
using swtest::FileExists;
using swtest::kSchedulePrinter;
using swtest::PrinterInbox;
using swtest::Store;

using swtest::kLogTime;

class UnattendedRun : public swtest::UnattendedTest {};

// Orientation "ESC A" / "ESC B", a form feed and two copies for the schedule's
// printer; the printer selected in the main window has other settings.
void StoreSchedulePrinterSettings() {
    Store(std::string(sw::kAutoFormfeedSection), kSchedulePrinter, "1");
    Store("Printers Orientation sw_unattended", "Landscape status", "1");
    Store("Printers Orientation sw_unattended", "Landscape code", "027 065");
    Store("Printers Orientation sw_unattended", "Portrait code", "027 066");
    Store("Number of copies by printer sw_unattended", "Copies", "2");
    Store(std::string(sw::kAutoFormfeedSection), "sw_second", "0");
    Store("Printers Orientation sw_second", "Landscape status", "1");
    Store("Printers Orientation sw_second", "Landscape code", "027 088");
    Store("Printers Orientation sw_second", "Portrait code", "027 089");
}

TEST_F(UnattendedRun, FilesReachTheSchedulesPrinterWithItsSettings) {
    StoreSchedulePrinterSettings();
    WriteInFolder("report.prn", "report bytes");
    WriteInFolder("notes.txt", "not matched");
    swtest::WriteScheduleFile({Watching("*.prn")});
    PrinterInbox inbox(kSchedulePrinter);

    TickUntilSettled();

    EXPECT_EQ(inbox.NextJob(), "\x1B"
                               "Areport bytes\x0C\x1B"
                               "B");
    EXPECT_EQ(inbox.NextJob(), "\x1B"
                               "Areport bytes\x0C\x1B"
                               "B")
        << "the second copy";
    EXPECT_EQ(EventLogLines(), std::vector<std::string>{Printed("report.prn")})
        << "one line per file, whatever the copies";
    EXPECT_TRUE(FileExists(InFolder("report.prn"))) << "the schedule keeps printed files";

    // The pass switched the library's settings off again.
    const std::string plain = WriteInFolder("plain.txt", "plain");
    EXPECT_EQ(PrintFile(kSchedulePrinter, plain.c_str()), 0);
    EXPECT_EQ(inbox.NextJob(), "plain");
}

TEST_F(UnattendedRun, RecycleBinTakesPrintedFilesInListingOrder) {
    WriteInFolder("recycle-first.prn", "first");
    WriteInFolder("recycle-second.prn", "second");
    const std::vector<std::string> listed = swtest::FolderListing(Folder());
    swtest::WriteScheduleFile({Watching("*.prn").ToRecycleBin()});
    PrinterInbox inbox(kSchedulePrinter);

    TickUntilSettled();

    ASSERT_EQ(listed.size(), 2u);
    EXPECT_EQ(EventLogLines(), (std::vector<std::string>{Printed(listed[0]), Printed(listed[1])}));
    EXPECT_EQ(inbox.NextJob(), listed[0] == "recycle-first.prn" ? "first" : "second");
    EXPECT_EQ(inbox.NextJob(), listed[0] == "recycle-first.prn" ? "second" : "first");
    EXPECT_TRUE(swtest::FolderListing(Folder()).empty()) << "both files left the folder";
    for (const std::string& name : listed)
        EXPECT_TRUE(FileExists(swtest::TrashFolder() + "\\" + name)) << name << " in the trash";

    Tick();
    EXPECT_EQ(EventLogLines().size(), 2u) << "nothing left to print";
}

// Left in place, a file is printed once per version: again only once it has
// changed. A file that is gone is forgotten.
TEST_F(UnattendedRun, FilesLeftInPlaceArePrintedOncePerVersion) {
    WriteInFolder("again.prn", "again");
    swtest::WriteScheduleFile({Watching("*.prn")});
    PrinterInbox inbox(kSchedulePrinter);

    TickUntilSettled();
    Tick();
    Tick();
    EXPECT_EQ(inbox.NextJob(), "again");
    EXPECT_EQ(EventLogLines(), std::vector<std::string>{Printed("again.prn")});

    WriteInFolder("again.prn", "again, changed");
    TickUntilSettled();
    Tick();
    EXPECT_EQ(inbox.NextJob(), "again, changed");
    EXPECT_EQ(EventLogLines(),
              (std::vector<std::string>{Printed("again.prn"), Printed("again.prn")}));
    EXPECT_FALSE(inbox.HasNextJob());
    const auto remembered = [] {
        return swtest::ReadWholeFile(sw::PrintedFilesPath()).find("again.prn") != std::string::npos;
    };
    EXPECT_TRUE(remembered());

    DeleteFileA(InFolder("again.prn").c_str());
    Tick();
    EXPECT_FALSE(remembered()) << "forgotten once gone";
}

TEST_F(UnattendedRun, HiddenAndSystemFilesAndFoldersAreNeverPrinted) {
    for (const char* name : {"hidden.prn", "system.prn", "readonly.prn"})
        WriteInFolder(name, name);
    ASSERT_TRUE(SetFileAttributesA(InFolder("hidden.prn").c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_TRUE(SetFileAttributesA(InFolder("system.prn").c_str(), FILE_ATTRIBUTE_SYSTEM));
    ASSERT_TRUE(SetFileAttributesA(InFolder("readonly.prn").c_str(),
                                   FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE));
    ASSERT_TRUE(CreateDirectoryA(InFolder("folder.prn").c_str(), nullptr));
    ASSERT_EQ(GetFileAttributesA(InFolder("hidden.prn").c_str()) & FILE_ATTRIBUTE_HIDDEN,
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN))
        << "the file system keeps the hidden attribute";
    swtest::WriteScheduleFile({Watching("*.prn")});
    PrinterInbox inbox(kSchedulePrinter);

    TickUntilSettled();

    EXPECT_EQ(inbox.NextJob(), "readonly.prn");
    EXPECT_EQ(EventLogLines(), std::vector<std::string>{Printed("readonly.prn")});
}

// A link planted in the folder reaches no file outside it: a symbolic link
// (which Wine shows as a plain file) and a second name of an outside file
// are neither printed nor moved, and each is logged once.
TEST_F(UnattendedRun, LinksToFilesOutsideTheFolderAreNeverPrinted) {
    const std::string outside = swtest::RunFolder() + "\\outside-";
    ASSERT_TRUE(swtest::WriteToFile(outside + "linked.txt", "secret"));
    ASSERT_TRUE(swtest::WriteToFile(outside + "named.txt", "secret"));
    WriteInFolder("plain.prn", "plain");
    // The folder and the outside files as the Linux side names them.
    std::string unixFolder = swtest::UnixRunFolder() + Folder().substr(swtest::RunFolder().size());
    std::replace(unixFolder.begin(), unixFolder.end(), '\\', '/');
    const std::string from = swtest::UnixRunFolder() + "/outside-";
    const std::string into = swtest::ShellQuoted(unixFolder);
    ASSERT_EQ(swtest::RunHostCommand("ln -s " + swtest::ShellQuoted(from + "linked.txt") + " " +
                                     into + "/link.prn && ln " +
                                     swtest::ShellQuoted(from + "named.txt") + " " + into +
                                     "/hard.prn"),
              0);
    swtest::Backdate(InFolder("hard.prn"));
    swtest::Backdate(InFolder("link.prn"));
    swtest::WriteScheduleFile({Watching("*.prn").ToRecycleBin()});
    PrinterInbox inbox(kSchedulePrinter);

    TickUntilSettled();
    Tick();

    EXPECT_EQ(inbox.NextJob(), "plain");
    swtest::ExpectNothingSentBefore(inbox, kSchedulePrinter);
    std::vector<std::string> lines = EventLogLines();
    std::sort(lines.begin(), lines.end());
    EXPECT_EQ(lines, (std::vector<std::string>{NotPrinted("hard.prn", ERROR_TOO_MANY_LINKS),
                                               NotPrinted("link.prn", ERROR_CANT_RESOLVE_FILENAME),
                                               Printed("plain.prn")}));
    EXPECT_TRUE(FileExists(InFolder("link.prn")));
    EXPECT_TRUE(FileExists(InFolder("hard.prn")));
    for (const char* name : {"linked.txt", "named.txt"}) {
        EXPECT_EQ(swtest::ReadWholeFile(outside + name), "secret");
        DeleteFileA((outside + name).c_str());
    }
}

// The file printed and moved is the one the scan checked: while it is
// printed and until it is moved, a writer of the folder cannot put a link to
// an outside file in its place.
TEST_F(UnattendedRun, AFileIsNotSwappedForALinkBetweenTheScanAndThePrint) {
    const std::string outside = swtest::RunFolder() + "\\outside-swapped.txt";
    ASSERT_TRUE(swtest::WriteToFile(outside, "secret"));
    const std::string path = WriteInFolder("swapped.prn", "checked");
    swtest::WriteScheduleFile({Watching("*.prn").ToRecycleBin()});
    PrinterInbox inbox(kSchedulePrinter);
    swtest::LibraryCallRecorder recorder(swtest::LibraryCallRecorder::Answers::Real);
    int swapped = 0; // at the library calls before the print's job and after it
    recorder.afterCall = [&](const swtest::LibraryCall&, long) {
        if (DeleteFileA(path.c_str()) && CreateHardLinkA(path.c_str(), outside.c_str(), nullptr))
            ++swapped;
    };

    TickUntilSettled();

    EXPECT_EQ(swapped, 0);
    EXPECT_EQ(inbox.NextJob(), "checked");
    EXPECT_EQ(EventLogLines(), std::vector<std::string>{Printed("swapped.prn")});
    EXPECT_EQ(swtest::ReadWholeFile(swtest::TrashFolder() + "\\swapped.prn"), "checked");
    EXPECT_EQ(swtest::ReadWholeFile(outside), "secret");
    DeleteFileA(outside.c_str());
}

// The same failure is logged at its first tick and then once every ten
// minutes while it lasts; the file is tried at every tick and stays.
TEST_F(UnattendedRun, APrinterThatCannotBeOpenedIsLoggedOncePerTenMinutesAndTheFileStays) {
    WriteInFolder("stays.prn", "stays");
    swtest::WriteScheduleFile(
        {swtest::ScheduleBuilder(Folder(), "*.prn", "sw_no_such_queue").ToRecycleBin()});
    const auto failure = [&](const char* time) {
        return std::string("12-09-2026   ") + time + "   " + InFolder("stays.prn") +
               "   not printed to sw_no_such_queue  due to Error 1801";
    };

    TickUntilSettled();
    Tick();
    swtest::SetClock(swtest::kWednesday, 10, 9, 59);
    Tick();
    EXPECT_EQ(EventLogLines(), std::vector<std::string>{failure("10:00:00")})
        << "one line, not one per tick";
    swtest::SetClock(swtest::kWednesday, 10, 10, 0);
    Tick();
    Tick();
    EXPECT_EQ(EventLogLines(),
              (std::vector<std::string>{failure("10:00:00"), failure("10:10:00")}));
    EXPECT_TRUE(FileExists(InFolder("stays.prn")));

    sw::ForgetUnattendedMemory(); // a new start keeps the pace
    swtest::SetClock(swtest::kWednesday, 10, 15, 0);
    TickUntilSettled();
    EXPECT_EQ(EventLogLines().size(), 2u);
}

TEST_F(UnattendedRun, AFileStillBeingWrittenWaitsForALaterTick) {
    const std::string path = InFolder("growing.prn");
    HANDLE writer = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                                CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(writer, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(writer, "half", 4, &written, nullptr);
    swtest::WriteScheduleFile({Watching("*.prn").ToRecycleBin()});
    PrinterInbox inbox(kSchedulePrinter);

    swtest::Backdate(path);
    TickUntilSettled();
    EXPECT_TRUE(EventLogLines().empty()) << "skipped without a log line";
    EXPECT_TRUE(FileExists(path));

    WriteFile(writer, " and whole", 10, &written, nullptr);
    CloseHandle(writer);
    swtest::Backdate(path);
    TickUntilSettled();
    EXPECT_EQ(inbox.NextJob(), "half and whole");
    EXPECT_EQ(EventLogLines(), std::vector<std::string>{Printed("growing.prn")});
}

TEST_F(UnattendedRun, FolderWithOrWithoutBackslashOrSpacesGivesOnePath) {
    WriteInFolder("one.prn", "one");
    WriteInFolder("two.prn", "two");
    WriteInFolder("three.prn", "three");
    swtest::WriteScheduleFile(
        {Watching("one.prn"), swtest::ScheduleBuilder(Folder() + "\\", "two.prn", kSchedulePrinter),
         swtest::ScheduleBuilder("  " + Folder() + "  ", "three.prn", kSchedulePrinter),
         swtest::ScheduleBuilder(Folder() + "\\", "one.prn", kSchedulePrinter)});
    PrinterInbox inbox(kSchedulePrinter);

    TickUntilSettled();

    for (const char* job : {"one", "two", "three"})
        EXPECT_EQ(inbox.NextJob(), job);
    EXPECT_EQ(EventLogLines(), (std::vector<std::string>{Printed("one.prn"), Printed("two.prn"),
                                                         Printed("three.prn")}))
        << "one file, however its folder is spelled, is printed once on a printer";
}

TEST_F(UnattendedRun, EmptyPatternPrintsEveryFileAndEmptyFolderIsTheCurrentOne) {
    WriteInFolder("a.txt", "a");
    WriteInFolder("b.prn", "b");
    swtest::WriteScheduleFile({Watching("")});
    PrinterInbox everything(kSchedulePrinter);
    TickUntilSettled();
    EXPECT_EQ(EventLogLines().size(), 2u) << "every file of the folder";
    // Both jobs have arrived before the next part counts the printer's jobs.
    everything.NextJob();
    everything.NextJob();

    swtest::CurrentFolderKeeper current;
    ASSERT_TRUE(SetCurrentDirectoryA(Folder().c_str()));
    DeleteFileA(sw::EventLogPath().c_str());
    swtest::ForgetPrintedFiles();
    swtest::WriteScheduleFile({swtest::ScheduleBuilder("", "*.prn", kSchedulePrinter)});
    PrinterInbox inbox(kSchedulePrinter);
    TickUntilSettled();
    EXPECT_EQ(EventLogLines(),
              std::vector<std::string>{std::string(kLogTime) + "b.prn   printed successfully to " +
                                       kSchedulePrinter});
    EXPECT_EQ(inbox.NextJob(), "b");
}

TEST_F(UnattendedRun, TheTimerKeepsToDaysAndHours) {
    const sw::ScheduleRecord office =
        Watching("*.prn").Days(62).From(8).Through(17).ToRecycleBin(); // weekdays
    const sw::ScheduleRecord noDay = Watching("*.prn").Days(0).ToRecycleBin();
    swtest::WriteScheduleFile({office, noDay});
    const struct {
        WORD day, hour, minute, second;
        bool prints;
    } cases[] = {
        {swtest::kWednesday, 17, 0, 0, true},
        {swtest::kWednesday, 17, 0, 1, false},
        {swtest::kWednesday, 8, 0, 0, true},
        {swtest::kWednesday, 7, 59, 59, false},
        {12, 12, 0, 0, false}, // Saturday
    };
    PrinterInbox inbox(kSchedulePrinter);
    std::size_t lines = 0;
    for (const auto& c : cases) {
        const std::string path = WriteInFolder("office.prn", "office");
        swtest::SetClock(c.day, c.hour, c.minute, c.second);
        TickUntilSettled();
        if (c.prints) {
            ++lines;
            EXPECT_EQ(inbox.NextJob(), "office");
        }
        EXPECT_EQ(EventLogLines().size(), lines)
            << "day " << c.day << " " << c.hour << ":" << c.minute << ":" << c.second;
        DeleteFileA(path.c_str());
    }
    EXPECT_TRUE(sw::IsInTimeWindow(office, sw::CurrentLocalTime()))
        << "Saturday noon: the window alone ignores days";
    swtest::SetClock(swtest::kWednesday, 17, 0, 1);
    EXPECT_FALSE(sw::IsInTimeWindow(office, sw::CurrentLocalTime()));

    // A scan by hand (the dialog's Test) runs whatever the days and hours;
    // a new file has settled at its second scan.
    WriteInFolder("office.prn", "office");
    sw::RunSchedule(noDay, swtest::FreshPrintContext());
    EXPECT_EQ(EventLogLines().size(), lines);
    sw::RunSchedule(noDay, swtest::FreshPrintContext());
    EXPECT_EQ(inbox.NextJob(), "office");
    EXPECT_EQ(EventLogLines().size(), lines + 1);
}

TEST_F(UnattendedRun, DamagedRecordsAreSkippedAndTheOthersRun) {
    WriteInFolder("sound.prn", "sound");
    sw::ScheduleRecordBytes damaged = sw::EncodeScheduleRecord(Watching("*.prn"));
    std::fill(damaged.begin() + 288, damaged.begin() + 368, 'x'); // pattern without NUL
    const sw::ScheduleRecordBytes sound = sw::EncodeScheduleRecord(Watching("*.prn"));
    const sw::ScheduleRecordBytes wrong =
        sw::EncodeScheduleRecord(Watching("*.prn").Through(99, 59, 59));
    std::string file(damaged.begin(), damaged.end());
    file.append(wrong.begin(), wrong.end());
    file.append(sound.begin(), sound.end());
    file.append(100, '\x7F'); // a partial record at the end
    ASSERT_TRUE(swtest::WriteToFile(sw::DataFilePath(), file));
    PrinterInbox inbox(kSchedulePrinter);

    TickUntilSettled();

    EXPECT_EQ(inbox.NextJob(), "sound");
    EXPECT_EQ(EventLogLines(), std::vector<std::string>{Printed("sound.prn")});
}

TEST_F(UnattendedRun, BitmapsPrintThroughTheDriverWithTheStoredPlacement) {
    swtest::StoreBitmapBox("0", "0.5", "0.5", "4", "4"); // interactive prints would ask first
    WriteInFolder("picture.bmp", swtest::BitmapBytes(200, 100));
    WriteInFolder("broken.bmp", "BM not a bitmap at all");
    swtest::WriteScheduleFile({Watching("*.bmp")});
    PrinterInbox inbox(kSchedulePrinter);

    TickUntilSettled();

    const std::string job = inbox.NextJob();
    EXPECT_NE(job.find("%%Title: Spoolwright: picture.bmp"), std::string::npos);
    EXPECT_NE(job.find("150 150 translate\n1200 600 scale"), std::string::npos)
        << "the stored box of 4 x 4 inches at 0.5, 0.5";
    const std::vector<std::string> lines = EventLogLines();
    EXPECT_EQ(lines.size(), 2u);
    for (const std::string& line : lines) {
        if (line.find("broken.bmp") != std::string::npos)
            EXPECT_EQ(line, NotPrinted("broken.bmp", 13));
        else
            EXPECT_EQ(line, Printed("picture.bmp"));
    }
}

// A file is logged as printed, and moved, only when every copy was spooled.
TEST_F(UnattendedRun, AFileCountsAsPrintedOnlyWhenEveryCopyWas) {
    Store("Number of copies by printer sw_unattended", "Copies", "2");
    WriteInFolder("copies.prn", "copies");
    swtest::WriteScheduleFile({Watching("*.prn").ToRecycleBin()});
    // The spooler refuses the first copy's bytes and takes the second.
    swtest::LibraryCallRecorder library(swtest::LibraryCallRecorder::Answers::Real);
    library.printResults = {ERROR_WRITE_FAULT};
    PrinterInbox inbox(kSchedulePrinter);

    TickUntilSettled();

    EXPECT_EQ(library.Calls("PrintFile").size(), 2u) << "every copy is tried";
    EXPECT_EQ(inbox.NextJob(), "copies") << "the second copy";
    EXPECT_EQ(EventLogLines(), std::vector<std::string>{NotPrinted("copies.prn", 29)});
    EXPECT_TRUE(FileExists(InFolder("copies.prn"))) << "not moved to the Recycle Bin";
}

// A remote schedule whose companion cannot be reached logs why, as a code:
// 2 when Remsw.exe is missing beside the program, 1460 when a companion runs
// but does not announce its controls in time. That wait is paid once per
// tick, not once per file; the files stay.
TEST_F(UnattendedRun, ARemoteScheduleLogsWhyTheCompanionCannotBeReached) {
    const std::string printer = "127.0.0.1:1:sw_remote";
    WriteInFolder("first.prn", "first");
    WriteInFolder("second.prn", "second");
    swtest::WriteScheduleFile({swtest::ScheduleBuilder(Folder(), "*.prn", printer).ToRecycleBin()});
    const auto failures = [&](int code) {
        return std::vector<std::string>{NotPrinted("first.prn", code, printer),
                                        NotPrinted("second.prn", code, printer)};
    };
    const auto sortedLog = [] {
        std::vector<std::string> lines = EventLogLines();
        std::sort(lines.begin(), lines.end());
        return lines;
    };

    TickUntilSettled();
    EXPECT_EQ(sortedLog(), failures(ERROR_FILE_NOT_FOUND)) << "no Remsw.exe here";

    DeleteFileA(sw::EventLogPath().c_str());
    HWND silent = swtest::CreateTestWindow("SilentCompanion", DefWindowProcA, sw::kCompanionTitle);
    const DWORD start = GetTickCount();
    Tick();
    const DWORD elapsed = GetTickCount() - start;
    DestroyWindow(silent);
    EXPECT_EQ(sortedLog(), failures(ERROR_TIMEOUT));
    // Two waits, one per file, take at least twice the wait; anything less is
    // one wait, however slow the machine.
    EXPECT_LT(elapsed, 2 * sw::kCompanionWaitMs) << "one wait for the tick, not one per file";
    EXPECT_TRUE(FileExists(InFolder("first.prn")));
    EXPECT_TRUE(FileExists(InFolder("second.prn")));
}

TEST_F(UnattendedRun, WordDocumentsGoToTheWordProcessorWithTheFilesCopies) {
    Store(std::string(sw::kNoBypassSection), "File_001", "*.doc");
    WriteInFolder("letter.doc", "letter");
    Store("Number of copies " + InFolder("letter.doc"), "Copies", "3");
    swtest::WriteScheduleFile({Watching("*.doc")});
    swtest::LibraryCallRecorder library;
    library.applicationResult = -2;

    TickUntilSettled();
    EXPECT_EQ(EventLogLines(), std::vector<std::string>{NotPrinted("letter.doc", -2)});

    library.Clear();
    library.applicationResult = 0;
    Tick();
    const std::vector<swtest::LibraryCall> calls = library.Calls("PrintWithApplication");
    ASSERT_EQ(calls.size(), 3u) << "the copies stored for the file";
    for (const swtest::LibraryCall& call : calls) {
        EXPECT_EQ(call.printer, kSchedulePrinter);
        EXPECT_EQ(call.file, InFolder("letter.doc"));
    }
    EXPECT_EQ(EventLogLines().back(), Printed("letter.doc"));
}

// The word processor would print a document for a printer that is not
// installed on the system's default printer: it is refused before it starts.
TEST_F(UnattendedRun, ADocumentForAPrinterNotInstalledNeverReachesTheWordProcessor) {
    Store(std::string(sw::kNoBypassSection), "File_001", "*.doc");
    WriteInFolder("letter.doc", "letter");
    swtest::WriteScheduleFile({swtest::ScheduleBuilder(Folder(), "*.doc", "sw_no_such_queue")});
    swtest::LibraryCallRecorder library;

    TickUntilSettled();
    EXPECT_EQ(EventLogLines(),
              std::vector<std::string>{kLogTime + InFolder("letter.doc") +
                                       "   not printed to sw_no_such_queue  due to Error 1801"});
    EXPECT_TRUE(library.Calls("PrintWithApplication").empty());
}

// The word processor's route lets messages through while it prints: a timer
// tick that arrives then, during a scan by the dialog's Test, finds the
// scan under way and leaves the file to it.
TEST_F(UnattendedRun, ATickDuringAScanByHandDoesNotPrintTheSameFileAgain) {
    Store(std::string(sw::kNoBypassSection), "File_001", "*.doc");
    WriteInFolder("letter.doc", "letter");
    const sw::ScheduleRecord schedule = Watching("*.doc");
    swtest::WriteScheduleFile({schedule});
    swtest::LibraryCallRecorder library;
    library.afterCall = [&library](const swtest::LibraryCall&, long) {
        if (library.Calls("PrintWithApplication").size() == 1)
            sw::RunUnattendedPass(swtest::FreshPrintContext());
    };

    sw::RunSchedule(schedule, swtest::FreshPrintContext()); // sees the file
    sw::RunSchedule(schedule, swtest::FreshPrintContext()); // prints it; a tick arrives meanwhile

    EXPECT_EQ(library.Calls("PrintWithApplication").size(), 1u) << "printed once";
    EXPECT_EQ(EventLogLines(), std::vector<std::string>{Printed("letter.doc")});
}

TEST_F(UnattendedRun, NamesInAnyScriptArePrintedAndLogged) {
    std::vector<std::string> jobs;
    std::vector<std::string> lines;
    for (const std::string& name : swtest::NamesInOtherScripts()) {
        WriteInFolder(name, "job " + name);
        jobs.push_back("job " + name);
        lines.push_back(Printed(name));
    }
    swtest::WriteScheduleFile({Watching("*.prn")});
    PrinterInbox inbox(kSchedulePrinter);

    TickUntilSettled();

    // The folder lists its files in an order of its own.
    std::vector<std::string> received;
    for (std::size_t i = 0; i < jobs.size(); ++i)
        received.push_back(inbox.NextJob());
    std::vector<std::string> logged = EventLogLines();
    for (auto* texts : {&jobs, &lines, &received, &logged})
        std::sort(texts->begin(), texts->end());
    EXPECT_EQ(received, jobs);
    EXPECT_EQ(logged, lines);
}

TEST(EventLog, AppendsLinesWithCrLf) {
    const std::string log = sw::EventLogPath();
    DeleteFileA(log.c_str());
    sw::AppendEventLog("first");
    sw::AppendEventLog("second\r\nline");
    EXPECT_EQ(swtest::ReadWholeFile(log), "first\r\nsecond  line\r\n");
    DeleteFileA(log.c_str());
    EXPECT_EQ(log, sw::ProgramFolder() + "Unattended.txt");
}

} // namespace
