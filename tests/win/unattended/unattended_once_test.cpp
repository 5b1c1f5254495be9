// Each file printed exactly once, whatever happens around it, against the
// real print server: a file written slowly by a program that holds no share
// lock, a printed file that cannot be moved, a journal of an earlier version,
// a program killed again and again while it prints, and a full disk.
#include "support/file_writer.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/temp_files.h"
#include "support/text_lines.h"
#include "unattended/data_files.h"
#include "unattended/printed_files_codec.h"
#include "unattended/schedule_record.h"
#include "unattended/unattended_run.h"
#include "unattended_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using swtest::EventLogLines;
using swtest::FileExists;
using swtest::kSchedulePrinter;
using swtest::PrinterInbox;
using swtest::ShellQuoted;

// The Linux path of a path on Wine's Z: drive.
std::string UnixPathOf(const std::string& windowsPath) {
    std::string path = windowsPath.substr(2);
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    return path;
}

// A folder whose entries nobody may remove or rename, not even its owner
// (the immutable attribute of Linux file systems): a file in it stays where
// it is when the Recycle Bin is asked to take it.
class ImmovableFolder {
  public:
    explicit ImmovableFolder(const std::string& folder) : folder_(UnixPathOf(folder)) {
        std::string output;
        locked_ = swtest::RunHostCommand("chattr +i " + ShellQuoted(folder_), &output) == 0;
        message_ = output;
    }
    ~ImmovableFolder() {
        if (locked_)
            swtest::RunHostCommand("chattr -i " + ShellQuoted(folder_));
    }
    bool Locked() const { return locked_; }
    const std::string& Message() const { return message_; }

  private:
    std::string folder_;
    bool locked_ = false;
    std::string message_;
};

class UnattendedOnce : public swtest::UnattendedTest {};

// A program that appends to a file without a share lock (here a Linux
// process, as a copy through a network share would) leaves nothing for the
// share-lock test to see: the file waits until its size and time stay put.
TEST_F(UnattendedOnce, AFileAppendedSlowlyWithoutAShareLockIsPrintedOnceWhole) {
    swtest::WriteScheduleFile({Watching("*.prn").ToRecycleBin()});
    PrinterInbox inbox(kSchedulePrinter);
    const std::string file = UnixPathOf(InFolder("slow.prn"));
    const std::string done = UnixPathOf(InFolder("writer.done"));
    std::string whole;
    for (int piece = 1; piece <= 6; ++piece)
        whole += "piece " + std::to_string(piece) + "\n";

    ASSERT_EQ(swtest::RunHostCommand("(for i in 1 2 3 4 5 6; do printf 'piece %s\\n' $i >> " +
                                     ShellQuoted(file) + "; sleep 0.5; done; touch " +
                                     ShellQuoted(done) + ") &"),
              0);
    const DWORD start = GetTickCount();
    while (!FileExists(InFolder("writer.done")) && GetTickCount() - start < 30000) {
        Tick();
        Sleep(250);
    }
    ASSERT_TRUE(FileExists(InFolder("writer.done"))) << "the writer did not finish";
    for (int tick = 0; tick < 16; ++tick) {
        Tick();
        Sleep(250);
    }

    EXPECT_EQ(inbox.NextJob(), whole);
    EXPECT_EQ(EventLogLines(), std::vector<std::string>{Printed("slow.prn")});
    EXPECT_FALSE(inbox.HasNextJob()) << "printed once";
}

// With the Recycle Bin set, a printed file that cannot be moved stays; it is
// not printed again while it is unchanged, after a restart neither, and the
// log says that it was printed, then that it was not moved.
TEST_F(UnattendedOnce, APrintedFileThatCannotBeMovedIsPrintedOnceAlsoAfterARestart) {
    WriteInFolder("kept.prn", "kept");
    swtest::WriteScheduleFile({Watching("*.prn").ToRecycleBin()});
    PrinterInbox inbox(kSchedulePrinter);
    const ImmovableFolder immovable(Folder());
    if (!immovable.Locked())
        GTEST_SKIP() << "this file system cannot make a folder immutable: " << immovable.Message();

    TickUntilSettled();
    Tick();
    Tick();
    EXPECT_EQ(inbox.NextJob(), "kept");
    const std::vector<std::string> lines = EventLogLines();
    ASSERT_EQ(lines.size(), 2u) << "the line is written before the move is tried";
    EXPECT_EQ(lines[0], Printed("kept.prn"));
    const std::string prefix =
        Logged("kept.prn", std::string("printed to ") + kSchedulePrinter +
                               " but not moved to the Recycle Bin due to Error ");
    EXPECT_EQ(lines[1].substr(0, prefix.size()), prefix);
    EXPECT_NE(lines[1].substr(prefix.size()), "0");
    EXPECT_TRUE(FileExists(InFolder("kept.prn")));

    sw::ForgetUnattendedMemory(); // the program starts again
    TickUntilSettled();
    Tick();
    EXPECT_EQ(EventLogLines().size(), 2u);
    EXPECT_FALSE(inbox.HasNextJob()) << "not printed again after the restart";
}

// The Recycle Bin takes the printed files of a pass in batches, beside the
// printing of the next ones; one it cannot take (an immutable file) has its
// own line, after its print's, stays, and is neither printed nor logged
// again, after a restart neither. More files than a batch holds: the first
// batch's outcomes are taken in while the scan goes on.
TEST_F(UnattendedOnce, FilesMovedTogetherEachHaveTheirOwnOutcome) {
    std::vector<std::string> names = {"stuck.prn"};
    for (int i = 1; i <= 70; ++i)
        names.push_back("together-" + std::to_string(i) + ".prn");
    for (const std::string& name : names)
        WriteInFolder(name, name);
    swtest::WriteScheduleFile({Watching("*.prn").ToRecycleBin()});
    PrinterInbox inbox(kSchedulePrinter);
    const ImmovableFolder immovable(InFolder("stuck.prn"));
    if (!immovable.Locked())
        GTEST_SKIP() << "this file system cannot make a file immutable: " << immovable.Message();

    TickUntilSettled();
    Tick();
    std::map<std::string, int> jobs;
    for (std::size_t job = 0; job < names.size(); ++job)
        ++jobs[inbox.NextJob()];
    const std::vector<std::string> lines = EventLogLines();
    ASSERT_EQ(lines.size(), names.size() + 1) << "a line per print, and one for the move";
    const std::string notMoved =
        Logged("stuck.prn", std::string("printed to ") + kSchedulePrinter +
                                " but not moved to the Recycle Bin due to Error ");
    const auto printedStuck = std::find(lines.begin(), lines.end(), Printed("stuck.prn"));
    const auto notMovedStuck =
        std::find_if(lines.begin(), lines.end(),
                     [&](const std::string& line) { return line.rfind(notMoved, 0) == 0; });
    EXPECT_LT(printedStuck, notMovedStuck);
    ASSERT_NE(notMovedStuck, lines.end());
    for (const std::string& name : names) {
        EXPECT_EQ(jobs[name], 1) << name;
        EXPECT_EQ(std::count(lines.begin(), lines.end(), Printed(name)), 1) << name;
        const bool stuck = name == "stuck.prn";
        EXPECT_EQ(FileExists(InFolder(name)), stuck) << name;
        EXPECT_EQ(FileExists(swtest::TrashFolder() + "\\" + name), !stuck) << name;
    }

    sw::ForgetUnattendedMemory(); // the program starts again
    TickUntilSettled();
    Tick();
    EXPECT_EQ(EventLogLines(), lines);
    EXPECT_FALSE(inbox.HasNextJob());
}

// The one-step note of earlier versions, left by a stop anywhere between
// the note and the record: the file is not printed again, stays in its
// folder, and the log says it may have been printed.
TEST_F(UnattendedOnce, AOneStepNoteOfAnEarlierVersionIsNotPrintedAgain) {
    const std::string path = WriteInFolder("noted.prn", "noted");
    swtest::WriteScheduleFile({Watching("*.prn").ToRecycleBin()});
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
    sw::FileEntry note;
    note.mark = sw::FileMark::Printing;
    note.version = {data.nFileSizeLow,
                    (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
                        data.ftLastWriteTime.dwLowDateTime};
    note.printer = kSchedulePrinter;
    note.path = path;
    ASSERT_TRUE(swtest::WriteToFile(sw::PrintingNotePath(), sw::EncodePrintedFiles({note})));
    PrinterInbox inbox(kSchedulePrinter);

    TickUntilSettled();
    Tick();
    EXPECT_TRUE(FileExists(InFolder("noted.prn"))) << "left in its folder";
    EXPECT_EQ(EventLogLines(),
              std::vector<std::string>{
                  Logged("noted.prn", std::string("may have been printed to ") + kSchedulePrinter +
                                          " before the program stopped; not printed again")});
    swtest::ExpectNothingSentBefore(inbox, kSchedulePrinter);
    EXPECT_FALSE(FileExists(sw::PrintingNotePath()));
}

// The files of a burst, each with bytes of its own.
std::string BurstName(int number) {
    return "burst-" + std::to_string(1000 + number).substr(1) + ".prn";
}
std::string BurstBytes(int number) {
    return "file " + std::to_string(number) + "\r\n";
}

// Reads what the printer got once the print server is idle, and checks each
// file: printed at most once, and gone from its folder only once printed and
// logged, with one line. How many files stay, and how many were printed.
std::pair<int, int> CheckBurst(int files, const std::string& folder, PrinterInbox& inbox,
                               std::map<std::string, int>& received,
                               const std::vector<std::string>& lines) {
    swtest::RunHostCommand(
        swtest::PrintServerCommand("wait-idle " + ShellQuoted(swtest::UnixRunFolder())));
    while (inbox.HasNextJob())
        ++received[inbox.NextJob()];
    int left = 0, printed = 0;
    for (int number = 1; number <= files; ++number) {
        const std::string end =
            BurstName(number) + "   printed successfully to " + kSchedulePrinter;
        const bool stays = FileExists(folder + "\\" + BurstName(number));
        const int jobs = received[BurstBytes(number)];
        left += stays;
        printed += jobs;
        int logged = 0;
        for (const std::string& line : lines)
            logged += line.size() > end.size() &&
                      line.compare(line.size() - end.size(), end.size(), end) == 0;
        EXPECT_TRUE(stays ? jobs <= 1 : jobs == 1) << BurstName(number) << ": " << jobs << " jobs";
        EXPECT_EQ(logged, stays ? 0 : 1) << BurstName(number);
    }
    EXPECT_EQ(received.size(), static_cast<std::size_t>(files)) << "no other job";
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(files - left)) << "no other line";
    return {left, printed};
}

// The program killed a dozen times while it prints a folder: before a job
// ends, and once the journal says the spooler took it. Each start prints
// again what never reached the spooler whole and finishes the record of what
// did: every file reaches the printer once, has one line, and leaves.
TEST_F(UnattendedOnce, KilledADozenTimesWhilePrintingEveryFileIsPrintedOnce) {
    constexpr int kFiles = 300;
    for (int number = 1; number <= kFiles; ++number)
        WriteInFolder(BurstName(number), BurstBytes(number));
    swtest::WriteScheduleFile({Watching("*.prn").ToRecycleBin()});
    PrinterInbox inbox(kSchedulePrinter);
    for (int stop = 0; stop < 12; ++stop) {
        const std::string point = stop % 2 == 0 ? "end " : "taken ";
        swtest::RunningProgram stopped(swtest::ProgramFromEnvironment("SW_STOPPED_TICK"),
                                       point + std::to_string(3 + 2 * stop));
        ASSERT_EQ(stopped.WaitForExit(60000), 7u) << "stop " << stop << ": " << point;
    }
    sw::ForgetUnattendedMemory(); // this process is the last start
    for (int tick = 0; tick < 10 && !swtest::FolderListing(Folder()).empty(); ++tick)
        Tick();
    std::map<std::string, int> received;
    EXPECT_EQ(CheckBurst(kFiles, Folder(), inbox, received, EventLogLines()).first, 0);
    EXPECT_FALSE(FileExists(sw::PrintingNotePath()));
}

// A copy of the program on a small disk of its own. Full from the start, it
// prints nothing and says why; with four pages of room it pauses in the
// middle of the burst, once its records cannot grow; with room again, at the
// next start, it finishes.
TEST_F(UnattendedOnce, AFullDiskPausesPrintingUntilThereIsRoom) {
    const std::string disk = ShellQuoted(swtest::UnixRunFolder() + "/small-disk");
    std::string output;
    if (swtest::RunHostCommand(
            "mkdir -p " + disk + " && mount -t tmpfs -o size=32m sw_small " + disk, &output) != 0)
        GTEST_SKIP() << "cannot mount a small file system here (it needs root): " << output;
    const std::shared_ptr<void> unmount(nullptr,
                                        [&](void*) { swtest::RunHostCommand("umount " + disk); });
    const std::string copy = swtest::RunFolder() + "\\small-disk\\";
    ASSERT_TRUE(CopyFileA(swtest::ProgramFromEnvironment("SW_STOPPED_TICK").c_str(),
                          (copy + "stopped_tick.exe").c_str(), FALSE));
    const sw::ScheduleRecordBytes record =
        sw::EncodeScheduleRecord(Watching("*.prn").ToRecycleBin());
    ASSERT_TRUE(swtest::WriteToFile(copy + "sw.dat", std::string(record.begin(), record.end())));
    constexpr int kFiles = 60;
    for (int number = 1; number <= kFiles; ++number)
        WriteInFolder(BurstName(number), BurstBytes(number));
    PrinterInbox inbox(kSchedulePrinter);
    std::map<std::string, int> received;
    const auto run = [&](const char* room, DWORD code) {
        swtest::RunHostCommand("cd " + disk + " && " + room);
        swtest::RunningProgram program(copy + "stopped_tick.exe", "ticks 4");
        EXPECT_EQ(program.WaitForExit(120000), code) << room;
        const std::string log = copy + "Unattended.txt";
        return CheckBurst(kFiles, Folder(), inbox, received,
                          FileExists(log) ? swtest::SplitLines(swtest::ReadWholeFile(log), "\r\n")
                                          : std::vector<std::string>());
    };
    // Nothing printed without its note, ...
    EXPECT_EQ(run("dd if=/dev/zero of=filler bs=4k 2>/dev/null; true", ERROR_DISK_FULL),
              std::make_pair(kFiles, 0));
    // ... nothing moved without its line, nothing printed twice, ...
    const std::pair<int, int> paused = run("truncate -s -16k filler", ERROR_DISK_FULL);
    EXPECT_GT(paused.first, 0);
    EXPECT_LT(paused.first, kFiles);
    // ... and every file once, with its line, once there is room.
    EXPECT_EQ(run("rm filler", 0), std::make_pair(0, kFiles));
}

// The printed entry of a file as the scan sees it.
sw::FileEntry PrintedEntry(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    EXPECT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) << path;
    sw::FileEntry entry;
    entry.mark = sw::FileMark::Printed;
    entry.version.size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    entry.version.lastWrite =
        (static_cast<std::uint64_t>(data.ftLastWriteTime.dwHighDateTime) << 32) |
        data.ftLastWriteTime.dwLowDateTime;
    entry.printer = kSchedulePrinter;
    entry.path = path;
    return entry;
}

// A start reads the records appended after the table, in order, and leaves
// out a half-written last one: a file whose record is whole is not printed
// again, the one whose record was cut off is printed, and the file is then
// written whole again, without the torn record.
TEST_F(UnattendedOnce, AStartReadsTheAppendedRecordsAndLeavesOutATornOne) {
    const std::string kept = WriteInFolder("recorded.prn", "recorded");
    const std::string torn = WriteInFolder("torn.prn", "torn");
    swtest::WriteScheduleFile({Watching("*.prn")});
    const std::string tornRecord = sw::EncodeFileRecords({PrintedEntry(torn)});
    ASSERT_TRUE(swtest::WriteToFile(sw::PrintedFilesPath(),
                                    sw::EncodePrintedFiles({}) +
                                        sw::EncodeFileRecords({PrintedEntry(kept)}) +
                                        tornRecord.substr(0, tornRecord.size() - 2)));
    PrinterInbox inbox(kSchedulePrinter);

    TickUntilSettled();

    EXPECT_EQ(inbox.NextJob(), "torn");
    EXPECT_FALSE(inbox.HasNextJob()) << "the recorded file is not printed again";
    EXPECT_EQ(EventLogLines(), std::vector<std::string>{Printed("torn.prn")});
    const sw::DecodedPrintedFiles state =
        sw::DecodePrintedFiles(swtest::ReadWholeFile(sw::PrintedFilesPath()));
    EXPECT_TRUE(state.whole);
    EXPECT_EQ(state.entries.size(), 2u);
}

// The state files are replaced in one step and read for what they hold: a
// damaged one never stops printing and never touches the schedule file.
TEST_F(UnattendedOnce, ADamagedStateFileNeverStopsPrinting) {
    WriteInFolder("after.prn", "after");
    swtest::WriteScheduleFile({Watching("*.prn")});
    ASSERT_TRUE(swtest::WriteToFile(sw::PrintedFilesPath(),
                                    "Spoolwright unattended files 1\r\nP\t1\tbroken\r\nen"));
    ASSERT_TRUE(swtest::WriteToFile(sw::PrintingNotePath(), std::string(300, '\xFF')));
    const std::string schedules = swtest::ReadWholeFile(sw::DataFilePath());
    PrinterInbox inbox(kSchedulePrinter);

    TickUntilSettled();

    EXPECT_EQ(inbox.NextJob(), "after");
    EXPECT_EQ(EventLogLines(), std::vector<std::string>{Printed("after.prn")});
    EXPECT_EQ(swtest::ReadWholeFile(sw::DataFilePath()), schedules);
    const std::string state = swtest::ReadWholeFile(sw::PrintedFilesPath());
    EXPECT_EQ(state.substr(0, 32), "Spoolwright unattended files 2\r\n");
    EXPECT_NE(state.find("\tsw_unattended\t"), std::string::npos) << state;
    EXPECT_FALSE(FileExists(sw::PrintedFilesPath() + ".new")) << "no scratch file left";
}

} // namespace
