// The schedule file "sw.dat" next to the program: counting, loading, saving
// and deleting records against a real file.
#include "support/file_writer.h"
#include "support/program_driver.h"
#include "support/temp_files.h"
#include "unattended/data_files.h"
#include "unattended/schedule_file.h"
#include "unattended_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using swtest::FileExists;
using swtest::ReadWholeFile;

sw::ScheduleRecord Named(const std::string& pattern, std::int32_t interval = 1000) {
    return swtest::ScheduleBuilder("C:\\Outbox", pattern, swtest::kSchedulePrinter)
        .Interval(interval);
}

std::string Encoded(const sw::ScheduleRecord& record) {
    const sw::ScheduleRecordBytes bytes = sw::EncodeScheduleRecord(record);
    return std::string(bytes.begin(), bytes.end());
}

std::string Pattern(std::int32_t index) {
    sw::ScheduleRecord record;
    record.FilePattern = "<not loaded>";
    sw::LoadSchedule(record, index);
    return record.FilePattern;
}

using ScheduleFile = swtest::UnattendedTest;

TEST_F(ScheduleFile, LivesInTheProgramsFolder) {
    const std::string folder = swtest::TestProgramFolder();
    EXPECT_EQ(sw::DataFilePath(), folder + "sw.dat");
    EXPECT_EQ(sw::DataFileBPath(), folder + "swb.dat");
    EXPECT_EQ(sw::EventLogPath(), folder + "Unattended.txt");
}

TEST_F(ScheduleFile, MissingFileMeansNoSchedules) {
    EXPECT_EQ(sw::ScheduleCount(), 0);
    EXPECT_TRUE(sw::LoadAllSchedules().empty());
    EXPECT_EQ(sw::MinimumInterval(), 60000);
    sw::ScheduleRecord record = Named("kept");
    EXPECT_EQ(sw::LoadSchedule(record, 1), sw::ScheduleLoad::NoSuchRecord);
    EXPECT_EQ(record, Named("kept")) << "the buffer is left unchanged";
}

TEST_F(ScheduleFile, SaveOverwritesOrAppends) {
    EXPECT_EQ(sw::SaveSchedule(Named("one"), 0), 1) << "index 0 appends";
    EXPECT_EQ(sw::SaveSchedule(Named("two"), 0), 2);
    EXPECT_EQ(sw::SaveSchedule(Named("three"), 9), 3) << "past the end appends";
    EXPECT_EQ(sw::SaveSchedule(Named("TWO"), 2), 2) << "a stored index overwrites";
    EXPECT_EQ(sw::ScheduleCount(), 3);
    EXPECT_EQ(ReadWholeFile(sw::DataFilePath()),
              Encoded(Named("one")) + Encoded(Named("TWO")) + Encoded(Named("three")));
    for (std::int32_t index : {0, 4, -1}) {
        sw::ScheduleRecord record = Named("kept");
        EXPECT_EQ(sw::LoadSchedule(record, index), sw::ScheduleLoad::NoSuchRecord) << index;
        EXPECT_EQ(record.FilePattern, "kept");
    }
    sw::ScheduleRecord loaded;
    EXPECT_EQ(sw::LoadSchedule(loaded, 3), sw::ScheduleLoad::Whole);
    EXPECT_EQ(loaded, Named("three"));
}

TEST_F(ScheduleFile, APartialRecordIsIgnoredAndAnAppendReplacesIt) {
    ASSERT_TRUE(swtest::WriteToFile(sw::DataFilePath(),
                                    Encoded(Named("whole")) + std::string(100, '\x55')));
    EXPECT_EQ(sw::ScheduleCount(), 1);
    EXPECT_EQ(sw::LoadAllSchedules().size(), 1u);
    EXPECT_EQ(sw::SaveSchedule(Named("next"), 0), 2);
    EXPECT_EQ(ReadWholeFile(sw::DataFilePath()), Encoded(Named("whole")) + Encoded(Named("next")))
        << "the new record starts at a record boundary";
}

TEST_F(ScheduleFile, DamagedRecordsLoadAsTheyRead) {
    std::string damaged = Encoded(Named("*.prn"));
    damaged.replace(288, 80, std::string(80, 'x'));
    ASSERT_TRUE(swtest::WriteToFile(sw::DataFilePath(), damaged + Encoded(Named("fine"))));
    sw::ScheduleRecord record;
    EXPECT_EQ(sw::LoadSchedule(record, 1), sw::ScheduleLoad::Damaged);
    EXPECT_EQ(record.FilePattern, std::string(80, 'x'));
    EXPECT_EQ(record.PrinterName, swtest::kSchedulePrinter);
    const std::vector<sw::DecodedSchedule> all = sw::LoadAllSchedules();
    ASSERT_EQ(all.size(), 2u);
    EXPECT_EQ(all[0].error, sw::RecordError::UnterminatedText);
    EXPECT_EQ(all[1].record.FilePattern, "fine");
}

TEST_F(ScheduleFile, MinimumIntervalOfTheFile) {
    swtest::WriteScheduleFile({Named("a", 5000), Named("b", 0), Named("c", 250)});
    EXPECT_EQ(sw::MinimumInterval(), 250);
    swtest::WriteScheduleFile({Named("a", 0)});
    EXPECT_EQ(sw::MinimumInterval(), 60000);
}

TEST_F(ScheduleFile, DeleteKeepsTheOthersByteForByteInOrder) {
    std::string second = Encoded(Named("second"));
    second[0] = '\x11';              // the reserved field, never read
    second.replace(300, 5, "junk!"); // bytes after a text's NUL
    ASSERT_TRUE(swtest::WriteToFile(sw::DataFilePath(),
                                    Encoded(Named("first")) + second + Encoded(Named("third"))));

    EXPECT_TRUE(sw::DeleteSchedule(1));
    EXPECT_EQ(ReadWholeFile(sw::DataFilePath()), second + Encoded(Named("third")));
    EXPECT_FALSE(FileExists(sw::DataFileBPath())) << "no scratch file stays";

    EXPECT_TRUE(sw::DeleteSchedule(2));
    EXPECT_EQ(ReadWholeFile(sw::DataFilePath()), second);
    EXPECT_TRUE(sw::DeleteSchedule(1));
    EXPECT_FALSE(FileExists(sw::DataFilePath())) << "deleting the only schedule removes the file";
}

TEST_F(ScheduleFile, DeleteOutsideTheRecordsKeepsThemAll) {
    swtest::WriteScheduleFile({Named("a"), Named("b")});
    const std::string before = ReadWholeFile(sw::DataFilePath());
    for (std::int32_t index : {0, 3, -1})
        EXPECT_FALSE(sw::DeleteSchedule(index)) << index;
    EXPECT_EQ(ReadWholeFile(sw::DataFilePath()), before);
}

TEST_F(ScheduleFile, AFailedDeleteLeavesTheFileWhole) {
    swtest::WriteScheduleFile({Named("a"), Named("b"), Named("c")});
    const std::string before = ReadWholeFile(sw::DataFilePath());
    // A folder in the scratch file's place: it cannot be written.
    ASSERT_TRUE(CreateDirectoryA(sw::DataFileBPath().c_str(), nullptr));
    EXPECT_FALSE(sw::DeleteSchedule(2));
    RemoveDirectoryA(sw::DataFileBPath().c_str());
    EXPECT_EQ(ReadWholeFile(sw::DataFilePath()), before);
    EXPECT_EQ(Pattern(2), "b");
}

TEST_F(ScheduleFile, AStaleScratchFileIsReplaced) {
    swtest::WriteScheduleFile({Named("a"), Named("b")});
    ASSERT_TRUE(swtest::WriteToFile(sw::DataFileBPath(), Encoded(Named("stale"))));
    EXPECT_TRUE(sw::DeleteSchedule(1));
    EXPECT_EQ(sw::ScheduleCount(), 1);
    EXPECT_EQ(Pattern(1), "b");
}

TEST_F(ScheduleFile, AppendToScratch) {
    EXPECT_TRUE(sw::AppendScheduleToScratch(Named("x")));
    EXPECT_TRUE(sw::AppendScheduleToScratch(Named("y")));
    EXPECT_EQ(ReadWholeFile(sw::DataFileBPath()), Encoded(Named("x")) + Encoded(Named("y")));
}

} // namespace
