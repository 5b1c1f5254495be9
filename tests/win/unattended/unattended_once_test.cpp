// Each file printed exactly once, whatever happens around it, against the
// real print server: a file written slowly by a program that holds no share
// lock, a printed file that cannot be moved, and a program stopped between
// its print and the move.
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

#include <cstdint>
#include <map>
#include <memory>
#include <string>
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

// The test files of a burst, each of its own bytes, and what the printer got.
std::string BurstName(int number) {
    return "burst-" + std::to_string(1000 + number).substr(1) + ".prn";
}
std::string BurstBytes(int number) {
    return "file " + std::to_string(number) + "\r\n";
}
void ReceiveAll(PrinterInbox& inbox, std::map<std::string, int>& received) {
    swtest::RunHostCommand(
        swtest::PrintServerCommand("wait-idle " + ShellQuoted(swtest::UnixRunFolder())));
    while (inbox.HasNextJob())
        ++received[inbox.NextJob()];
}
int SuccessLines(const std::vector<std::string>& lines, const std::string& name) {
    const std::string end = "\\" + name + "   printed successfully to " + kSchedulePrinter;
    int count = 0;
    for (const std::string& line : lines)
        count += line.size() > end.size() && line.substr(line.size() - end.size()) == end;
    return count;
}

// The program killed a dozen times while it prints a folder: as a job starts
// (after its journal note), before the job ends, and once the journal says
// the spooler took it. Each start prints again what never reached the
// spooler whole and finishes the record of what did: every file reaches the
// printer once, has one line, and leaves the folder.
TEST_F(UnattendedOnce, KilledADozenTimesWhilePrintingEveryFileIsPrintedOnce) {
    constexpr int kFiles = 300;
    for (int number = 1; number <= kFiles; ++number)
        WriteInFolder(BurstName(number), BurstBytes(number));
    swtest::WriteScheduleFile({Watching("*.prn").ToRecycleBin()});
    PrinterInbox inbox(kSchedulePrinter);
    const char* const points[] = {"start", "end", "taken"};
    for (int stop = 0; stop < 12; ++stop) {
        swtest::RunningProgram stopped(swtest::ProgramFromEnvironment("SW_STOPPED_TICK"),
                                       std::string(points[stop % 3]) + " " +
                                           std::to_string(3 + 2 * stop));
        ASSERT_TRUE(stopped.Started());
        ASSERT_EQ(stopped.WaitForExit(60000), 7u) << "stop " << stop << " at " << points[stop % 3];
    }
    sw::ForgetUnattendedMemory(); // this process is the last start
    for (int tick = 0; tick < 10 && !swtest::FolderListing(Folder(), "*.prn").empty(); ++tick)
        Tick();

    std::map<std::string, int> received;
    ReceiveAll(inbox, received);
    const std::vector<std::string> lines = EventLogLines();
    EXPECT_EQ(received.size(), static_cast<std::size_t>(kFiles));
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(kFiles));
    for (int number = 1; number <= kFiles; ++number) {
        EXPECT_EQ(received[BurstBytes(number)], 1) << BurstName(number);
        EXPECT_EQ(SuccessLines(lines, BurstName(number)), 1) << BurstName(number);
    }
    EXPECT_TRUE(swtest::FolderListing(Folder()).empty());
    EXPECT_FALSE(FileExists(sw::PrintingNotePath()));
}

// A copy of the program on a small disk of its own, a watched folder of 60
// files. Full from the start, it prints nothing and says why; with four
// pages of room it pauses once its records cannot grow, having printed
// nothing twice and moved nothing without its line; with room again, at
// the next start, it finishes: every file printed once, with one line.
TEST_F(UnattendedOnce, AFullDiskPausesPrintingUntilThereIsRoom) {
    const std::string disk = ShellQuoted(swtest::UnixRunFolder() + "/small-disk");
    std::string output;
    if (swtest::RunHostCommand(
            "mkdir -p " + disk + " && mount -t tmpfs -o size=32m sw_small " + disk, &output) != 0)
        GTEST_SKIP() << "cannot mount a small file system here (it needs root): " << output;
    const std::shared_ptr<void> unmount(nullptr,
                                        [&](void*) { swtest::RunHostCommand("umount " + disk); });
    const std::string program = swtest::RunFolder() + "\\small-disk\\stopped_tick.exe";
    ASSERT_TRUE(CopyFileA(swtest::ProgramFromEnvironment("SW_STOPPED_TICK").c_str(),
                          program.c_str(), FALSE));
    const sw::ScheduleRecordBytes record =
        sw::EncodeScheduleRecord(Watching("*.prn").ToRecycleBin());
    ASSERT_TRUE(swtest::WriteToFile(swtest::RunFolder() + "\\small-disk\\sw.dat",
                                    std::string(record.begin(), record.end())));
    constexpr int kFiles = 60;
    for (int number = 1; number <= kFiles; ++number)
        WriteInFolder(BurstName(number), BurstBytes(number));
    PrinterInbox inbox(kSchedulePrinter);
    std::map<std::string, int> received;
    const auto run = [&](const char* room, DWORD code) {
        swtest::RunHostCommand(std::string("cd ") + disk + " && " + room);
        swtest::RunningProgram copy(program, "ticks 4");
        EXPECT_EQ(copy.WaitForExit(120000), code) << room;
        ReceiveAll(inbox, received);
    };
    const auto log = [&] {
        return swtest::SplitLines(
            swtest::ReadWholeFile(swtest::RunFolder() + "\\small-disk\\Unattended.txt"), "\r\n");
    };

    run("dd if=/dev/zero of=filler bs=4k 2>/dev/null; true", ERROR_DISK_FULL);
    EXPECT_TRUE(received.empty()) << "nothing printed without its note";
    EXPECT_EQ(swtest::FolderListing(Folder()).size(), static_cast<std::size_t>(kFiles));

    run("truncate -s -16k filler", ERROR_DISK_FULL);
    const std::vector<std::string> paused = log();
    std::size_t left = 0;
    for (int number = 1; number <= kFiles; ++number) {
        const bool stays = FileExists(InFolder(BurstName(number)));
        left += stays;
        EXPECT_LE(received[BurstBytes(number)], 1) << BurstName(number);
        EXPECT_EQ(SuccessLines(paused, BurstName(number)), stays ? 0 : 1)
            << "moved only with its line";
    }
    EXPECT_GT(left, 0u);
    EXPECT_LT(left, static_cast<std::size_t>(kFiles)) << "paused in the middle of the burst";

    run("rm filler", 0);
    const std::vector<std::string> lines = log();
    EXPECT_EQ(lines.size(), static_cast<std::size_t>(kFiles));
    for (int number = 1; number <= kFiles; ++number) {
        EXPECT_EQ(received[BurstBytes(number)], 1) << BurstName(number);
        EXPECT_EQ(SuccessLines(lines, BurstName(number)), 1) << BurstName(number);
    }
    EXPECT_TRUE(swtest::FolderListing(Folder()).empty());
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
    EXPECT_EQ(state.substr(0, 32), "Spoolwright unattended files 1\r\n");
    EXPECT_NE(state.find("\tsw_unattended\t"), std::string::npos) << state;
    EXPECT_FALSE(FileExists(sw::PrintedFilesPath() + ".new")) << "no scratch file left";
}

} // namespace
