// The files the programs store are the same bytes whichever build writes
// them: each is written through the program's own code and compared with the
// record in records/, which the tests of the 32-bit and of the 64-bit build
// both check (sw.dat: interval 45000 at offset 4, "C:\Outbox" at 8, "*.prn"
// at 288, "Laser" at 368, every day all day); the schedule reads back whole,
// so that a schedule saved by either build prints in the other; the state
// files of earlier versions (swprinted-1.dat, swprinting.dat) still read.
#include "remote/remote_sites.h"
#include "settings/settings_store.h"
#include "support/program_driver.h"
#include "support/temp_files.h"
#include "unattended/background_flush.h"
#include "unattended/data_files.h"
#include "unattended/printed_files_codec.h"
#include "unattended/printed_files_store.h"
#include "unattended/schedule_file.h"
#include "unattended/state_files.h"
#include "unattended_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string Record(const std::string& name) {
    return swtest::ReadWholeFile(swtest::ProgramFromEnvironment("SW_STORED_RECORDS") + "\\" + name);
}

sw::ScheduleRecord Schedule() {
    return swtest::ScheduleBuilder("C:\\Outbox", "*.prn", "Laser").Interval(45000);
}

sw::FileEntry Entry(sw::FileMark mark, const char* path) {
    sw::FileEntry entry;
    entry.mark = mark;
    entry.version = {0x123456789AULL, 0x01DA0102030405ULL};
    entry.code = mark == sw::FileMark::Failing ? 1801 : 0;
    entry.loggedAt = entry.code != 0 ? 0x0123456789LL : 0;
    entry.printer = "Laser";
    entry.path = path;
    return entry;
}

using StoredFiles = swtest::UnattendedTest;

TEST_F(StoredFiles, AreTheBytesOfTheRecordsEveryBuildWrites) {
    ASSERT_EQ(sw::SaveSchedule(Schedule(), 0), 1);
    EXPECT_EQ(swtest::ReadWholeFile(sw::DataFilePath()), Record("sw.dat"));
    sw::ScheduleRecord loaded;
    EXPECT_EQ(sw::LoadSchedule(loaded, 1), sw::ScheduleLoad::Whole);
    EXPECT_TRUE(loaded == Schedule());

    ASSERT_TRUE(sw::SavePrintedFiles(sw::PrintedFiles(
        {Entry(sw::FileMark::Printed, "C:\\a.prn"), Entry(sw::FileMark::Failing, "C:\\b.prn")})));
    EXPECT_EQ(swtest::ReadWholeFile(sw::PrintedFilesPath()), Record("swprinted.dat"));
    {
        // The journal's note is a record appended to them, turned into Taken where it lies.
        sw::PrintedFilesStore store;
        bool journalKept = true;
        sw::PrintedFiles files = store.Load(journalKept);
        EXPECT_FALSE(journalKept);
        const sw::FileEntry note = Entry(sw::FileMark::Started, "C:\\c.prn");
        ASSERT_TRUE(store.Save(files, false, &note));
        ASSERT_TRUE(store.MarkNoteTaken());
    }
    EXPECT_EQ(swtest::ReadWholeFile(sw::PrintedFilesPath()),
              Record("swprinted.dat") +
                  "T\t78187493530\t521172840285189\t0\t0\tLaser\tC:\\c.prn\r\n");
    DeleteFileA(sw::PrintedFilesPath().c_str());
    // What earlier versions wrote still reads: the table, and the journal of its own.
    EXPECT_EQ(sw::DecodePrintedFiles(Record("swprinted-1.dat")).entries,
              sw::DecodePrintedFiles(Record("swprinted.dat")).entries);
    EXPECT_EQ(sw::DecodePrintedFiles(Record("swprinting.dat")).entries,
              std::vector<sw::FileEntry>{Entry(sw::FileMark::Printing, "C:\\c.prn")});

    sw::WriteSetting(sw::SettingsFilePath(), "Laser", "Orientation", "-1");
    EXPECT_EQ(swtest::ReadWholeFile(sw::SettingsFilePath()), Record("Spoolwright.ini"));

    DeleteFileA(sw::RemoteSitesFile().c_str());
    sw::AddRemoteSite("printhost");
    sw::AddRemoteSite("ipps://secure:631");
    EXPECT_EQ(swtest::ReadWholeFile(sw::RemoteSitesFile()), Record("SWRemote.txt"));
    DeleteFileA(sw::RemoteSitesFile().c_str());
}

} // namespace

// The journal's flush runs on a thread of its own: one the disk refused is
// told when it is waited for, and the next one starts afresh.
TEST(BackgroundFlush, TellsAFailedFlushWhenWaitedFor) {
    const swtest::TempFile written("bytes");
    HANDLE readOnly =
        CreateFileA(written.Path().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE writable =
        CreateFileA(written.Path().c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(readOnly, INVALID_HANDLE_VALUE);
    ASSERT_NE(writable, INVALID_HANDLE_VALUE);
    sw::BackgroundFlush flush;
    EXPECT_TRUE(flush.Start(readOnly));
    EXPECT_FALSE(flush.Start(writable));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_ACCESS_DENIED));
    EXPECT_TRUE(flush.Wait());
    EXPECT_TRUE(flush.Start(writable));
    EXPECT_TRUE(flush.Wait());
    CloseHandle(readOnly);
    CloseHandle(writable);
}
