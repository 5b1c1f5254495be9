// The rules that make unattended printing print each version of a file once:
// when a file has settled, what is remembered of printed and failing files,
// how often a failure is logged, and the state file's text.
#include "unattended/calendar.h"
#include "unattended/file_sightings.h"
#include "unattended/pause_text.h"
#include "unattended/printed_files.h"
#include "unattended/printed_files_codec.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

using sw::FileEntry;
using sw::FileMark;
using sw::FileVerdict;
using sw::FileVersion;
using sw::PrintedFiles;

constexpr std::uint64_t kSecond = sw::kTicksPerSecond;
constexpr std::uint64_t kNow = 1000 * kSecond;

TEST(FileSightings, AFileSettlesWhenTwoPassesSawItUnchangedAndTwoSecondsOld) {
    // Versions are (size, written at); every row is looked at again at kNow.
    const std::uint64_t old = kNow - 10 * kSecond, recent = kNow - 19 * kSecond / 10;
    const std::uint64_t future = kNow + 60 * kSecond;
    const struct {
        const char* what;
        FileVersion first;
        std::uint64_t firstPass;
        FileVersion second;
        std::uint64_t secondPass;
        bool settled;
    } cases[] = {
        {"unchanged, old", {5, old}, 1, {5, old}, 2, true},
        {"exactly two seconds", {5, kNow - 2 * kSecond}, 1, {5, kNow - 2 * kSecond}, 2, true},
        {"written 1.9 s ago", {5, recent}, 1, {5, recent}, 2, false},
        {"grew", {5, old}, 1, {6, old}, 2, false},
        {"grew, time kept (a copy)", {5, 7}, 1, {9, 7}, 2, false},
        {"rewritten, same size", {5, old}, 1, {5, kNow - 9 * kSecond}, 2, false},
        {"seen twice in one pass", {5, 7}, 3, {5, 7}, 3, false},
        {"written in the future", {5, future}, 1, {5, future}, 2, false},
    };
    for (const auto& c : cases) {
        sw::FileSightings sightings;
        EXPECT_FALSE(sightings.Settled("C:\\In\\a.prn", c.first, c.firstPass, kNow))
            << c.what << ": never at the first look";
        EXPECT_EQ(sightings.Settled("c:\\in\\A.PRN", c.second, c.secondPass, kNow), c.settled)
            << c.what;
    }
}

TEST(FileSightings, AChangeStartsOverAndUnseenFilesAreForgotten) {
    sw::FileSightings sightings;
    const FileVersion v1{5, 7}, v2{6, 7};
    sightings.Settled("a", v1, 1, kNow);
    EXPECT_FALSE(sightings.Settled("a", v2, 2, kNow));
    EXPECT_FALSE(sightings.Settled("a", v2, 2, kNow)) << "the same pass again";
    EXPECT_TRUE(sightings.Settled("a", v2, 3, kNow));

    sightings.Settled("b", v1, 3, kNow);
    sightings.Settled("a", v2, 4, kNow);
    sightings.ForgetUnseenSince(4);
    EXPECT_EQ(sightings.Size(), 1u) << "b was not seen in pass 4";
    EXPECT_FALSE(sightings.Settled("b", v1, 5, kNow)) << "looked at afresh";
}

TEST(PrintedFiles, EachVersionIsPrintedOnce) {
    PrintedFiles files;
    const FileVersion v1{10, 100}, v2{12, 200};
    EXPECT_EQ(files.Consider("C:\\In\\a.prn", "Laser", v1), FileVerdict::Print);
    files.MarkPrinted("C:\\In\\a.prn", "Laser", v1);
    EXPECT_TRUE(files.TakeChanged());
    EXPECT_EQ(files.Consider("c:\\in\\A.prn", "LASER", v1), FileVerdict::AlreadyPrinted)
        << "paths and printers are compared without letter case";
    EXPECT_EQ(files.Consider("C:\\In\\a.prn", "Other", v1), FileVerdict::Print)
        << "another printer prints it too";
    EXPECT_FALSE(files.TakeChanged());

    EXPECT_EQ(files.Consider("C:\\In\\a.prn", "Laser", v2), FileVerdict::Print)
        << "a changed file is a new version";
    EXPECT_TRUE(files.TakeChanged()) << "the old version is forgotten";
    EXPECT_EQ(files.Size(), 0u);

    files.MarkPrinted("C:\\In\\a.prn", "Laser", v2);
    files.Forget("C:\\IN\\A.PRN", "laser");
    EXPECT_EQ(files.Size(), 0u);
}

TEST(PrintedFiles, ANoteLeftByAStopBecomesMaybePrinted) {
    FileEntry note;
    note.mark = FileMark::Printing;
    note.version = {10, 100};
    note.printer = "Laser";
    note.path = "C:\\In\\a.prn";

    PrintedFiles files;
    files.TakeNote(note);
    EXPECT_TRUE(files.TakeChanged());
    EXPECT_EQ(files.Consider(note.path, "Laser", {10, 100}), FileVerdict::MayHaveBeenPrinted);
    EXPECT_EQ(files.Consider(note.path, "Laser", {11, 100}), FileVerdict::Print)
        << "changed since: a new version";

    PrintedFiles finished;
    finished.MarkPrinted(note.path, "Laser", note.version);
    finished.TakeChanged();
    finished.TakeNote(note);
    EXPECT_FALSE(finished.TakeChanged()) << "the print was done, only the note was left";
    EXPECT_EQ(finished.Consider(note.path, "Laser", note.version), FileVerdict::AlreadyPrinted);
}

// A printed file whose line is written owes only its move to the Recycle
// Bin: at a start too, and never a second line or print; once changed it is
// a new version.
TEST(PrintedFiles, ALoggedFileOwesItsMoveAndNothingElse) {
    const FileVersion v1{10, 100}, v2{11, 100};
    FileEntry note;
    note.mark = FileMark::Taken;
    note.version = v1;
    note.printer = "Laser";
    note.path = "C:\\In\\a.prn";
    PrintedFiles files;
    files.MarkLogged(note.path, "Laser", v1);
    EXPECT_EQ(files.Consider(note.path, "LASER", v1), FileVerdict::MoveOwed);
    files.TakeNote(note);
    EXPECT_EQ(files.Consider(note.path, "Laser", v1), FileVerdict::MoveOwed)
        << "the note of a print whose line is written";
    PrintedFiles restarted(files.Entries());
    EXPECT_EQ(restarted.Consider(note.path, "Laser", v1), FileVerdict::MoveOwed);
    EXPECT_EQ(restarted.Consider(note.path, "Laser", v2), FileVerdict::Print);
}

TEST(UnattendedSettings, SettleSecondsAMomentOfPrintingAndThePausedIndicator) {
    // Missing or not a whole number: 2; outside 1 ... 600: clamped.
    const char* const texts[] = {
        "", "abc", "5s", "2.5", " 30 ", "1", "0", "-5", "600", "601", "99999999999999999999"};
    const int seconds[] = {2, 2, 2, 2, 30, 1, 1, 1, 600, 600, 600};
    for (std::size_t row = 0; row < std::size(texts); ++row)
        EXPECT_EQ(sw::SettleSecondsFrom(texts[row]), seconds[row]) << "\"" << texts[row] << "\"";
    sw::FileSightings sightings;
    sightings.Settled("a", {5, kNow - 9 * kSecond}, 1, kNow, 10);
    EXPECT_FALSE(sightings.Settled("a", {5, kNow - 9 * kSecond}, 2, kNow, 10));
    const sw::LocalTime at = sw::MomentOfSeconds(sw::MomentSeconds({2026, 12, 9, 10, 0, 5}));
    EXPECT_EQ(sw::FormatDate(at) + " " + sw::FormatTime(at), "12-09-2026 10:00:05");
    EXPECT_EQ(sw::PausedIndicatorText(112), "Unattended printing: paused, the disk is full (112)");
    EXPECT_EQ(sw::PausedIndicatorText(5),
              "Unattended printing: paused, its records cannot be written (5)");
}

TEST(PrintedFiles, FailuresAreLoggedFirstThenEveryTenMinutesPerCode) {
    PrintedFiles files;
    const FileVersion v{10, 100};
    const std::int64_t t = 5000000;
    const struct {
        std::int64_t at;
        std::int32_t code;
        bool logged;
    } steps[] = {
        {t, 1801, true},        {t + 1, 1801, false},   {t + 599, 1801, false},
        {t + 600, 1801, true},  {t + 700, 5, true},     {t + 701, 1801, false},
        {t + 702, 5, false},    {t + 703, 1801, false}, // two codes in turn
        {t + 1200, 1801, true}, {t + 1300, 5, true},    {t + 1301, 5, false},
        {t + 1100, 1801, true}, // the clock was set back
    };
    for (const auto& s : steps)
        EXPECT_EQ(files.ShouldLogFailure("a", "Laser", v, s.code, s.at), s.logged)
            << "at +" << s.at - t << " code " << s.code;
    EXPECT_EQ(files.Consider("a", "Laser", v), FileVerdict::Print) << "failing files are retried";
    EXPECT_TRUE(files.ShouldLogFailure("a", "Laser", {11, 100}, 1801, t + 1101))
        << "a new version fails afresh";
    EXPECT_TRUE(files.ShouldLogFailure("a", "Other", v, 1801, t + 1102)) << "another printer";

    // What the state file keeps: a line per file, printer and code.
    PrintedFiles restarted(files.Entries());
    EXPECT_FALSE(restarted.ShouldLogFailure("a", "Laser", {11, 100}, 1801, t + 1103));
    EXPECT_FALSE(restarted.ShouldLogFailure("a", "Other", v, 1801, t + 1104));
    restarted.MarkPrinted("a", "Laser", {11, 100});
    EXPECT_EQ(restarted.Entries().size(), 2u) << "printed at last: its failures are forgotten";
    restarted.Forget("A", "OTHER");
    EXPECT_EQ(restarted.Entries().size(), 1u);
}

TEST(PrintedFiles, UnlistedFilesOfAFolderAndPrinter) {
    PrintedFiles files;
    for (const char* path : {"C:\\In\\a.prn", "C:\\In\\b.prn", "C:\\In\\sub\\c.prn",
                             "C:\\Inbox\\d.prn", "C:\\Out\\e.prn"})
        files.MarkPrinted(path, "Laser", {1, 1});
    files.MarkPrinted("C:\\In\\f.prn", "Other", {1, 1});
    files.ShouldLogFailure("C:\\In\\g.prn", "Laser", {1, 1}, 5, 0);
    files.ShouldLogFailure("C:\\In\\g.prn", "Laser", {1, 1}, 6, 0);
    EXPECT_EQ(files.Unlisted("c:\\in\\", "LASER", {"A.PRN"}),
              (std::vector<std::string>{"C:\\In\\b.prn", "C:\\In\\g.prn"}))
        << "a failing file once, whatever its codes";
}

FileEntry Entry(FileMark mark, std::string printer, std::string path) {
    FileEntry entry;
    entry.mark = mark;
    entry.version = {18446744073709551615ull, 133800000000000000ull};
    entry.code = -2;
    entry.loggedAt = 212248800000;
    entry.printer = std::move(printer);
    entry.path = std::move(path);
    return entry;
}

TEST(PrintedFilesCodec, WritesAndReadsBack) {
    const std::vector<FileEntry> entries = {
        Entry(FileMark::Printed, "Laser 1", "C:\\In\\a.prn"),
        Entry(FileMark::MaybePrinted, "site:queue", "C:\\In\\100% tab\there.prn"),
        Entry(FileMark::Failing, "", "C:\\In\\\xE9t\xE9.prn"),
        Entry(FileMark::Printing, "a\r\nb", "x"),
    };
    const std::string text = sw::EncodePrintedFiles(entries);
    EXPECT_EQ(text.substr(0, text.find('\n') + 1), "Spoolwright unattended files 2\r\n");
    EXPECT_NE(text.find("M\t18446744073709551615\t133800000000000000\t-2\t212248800000\t"
                        "site:queue\tC:\\In\\100%25 tab%09here.prn\r\n"),
              std::string::npos)
        << text;
    EXPECT_EQ(text.substr(text.size() - 7), "end\t4\r\n");
    const sw::DecodedPrintedFiles back = sw::DecodePrintedFiles(text);
    EXPECT_TRUE(back.whole);
    EXPECT_EQ(back.entries, entries);

    const sw::DecodedPrintedFiles empty = sw::DecodePrintedFiles(sw::EncodePrintedFiles({}));
    EXPECT_TRUE(empty.whole);
    EXPECT_TRUE(empty.entries.empty());
}

TEST(PrintedFilesCodec, DamagedFilesGiveWhatStillReads) {
    const std::string header = "Spoolwright unattended files 1\r\n";
    const std::string good = "P\t1\t2\t0\t0\tLaser\tC:\\a.prn\r\n";
    const struct {
        const char* what;
        std::string text;
        std::size_t entries;
        bool whole;
    } cases[] = {
        {"empty file", "", 0, false},
        {"a later version", "Spoolwright unattended files 3\r\n" + good + "end\t1\r\n", 0, false},
        {"no header", good + "end\t1\r\n", 0, false},
        {"torn before the end line", header + good + good.substr(0, 9), 1, false},
        {"torn inside the end line", header + good + "en", 1, false},
        {"count does not match", header + good + "end\t2\r\n", 1, false},
        {"text after the end line", header + good + "end\t1\r\nP", 1, false},
        {"unknown mark", header + "Q\t1\t2\t0\t0\tL\tC:\\a\r\n" + good + "end\t2\r\n", 1, false},
        {"number with letters", header + "P\t1x\t2\t0\t0\tL\tC:\\a\r\n" + good + "end\t2\r\n", 1,
         false},
        {"negative size", header + "P\t-1\t2\t0\t0\tL\tC:\\a\r\n" + good + "end\t2\r\n", 1, false},
        {"too few fields", header + "P\t1\t2\t0\t0\tC:\\a\r\n" + good + "end\t2\r\n", 1, false},
        {"too many fields", header + "P\t1\t2\t0\t0\tL\tC:\\a\tx\r\n" + good + "end\t2\r\n", 1,
         false},
        {"empty path", header + "P\t1\t2\t0\t0\tL\t\r\n" + good + "end\t2\r\n", 1, false},
        {"broken escape", header + "P\t1\t2\t0\t0\tL\tC:\\%4\r\n" + good + "end\t2\r\n", 1, false},
        {"bare LF line ends", "Spoolwright unattended files 1\n" + good + "end\t1\n", 1, true},
    };
    for (const auto& c : cases) {
        const sw::DecodedPrintedFiles decoded = sw::DecodePrintedFiles(c.text);
        EXPECT_EQ(decoded.entries.size(), c.entries) << c.what;
        EXPECT_EQ(decoded.whole, c.whole) << c.what;
    }
}

// The records appended after the closing line: read in order after the
// table, a Forgotten one dropping what came before for its file and printer;
// a half-written last one is left out, and only a file whose closing line
// was read and whose last line is whole takes further records.
TEST(PrintedFilesCodec, AppendedRecordsReadInOrderAndATornOneIsLeftOut) {
    const std::string header = "Spoolwright unattended files 2\r\n";
    const std::string a = "P\t1\t2\t0\t0\tLaser\tC:\\a.prn\r\n";
    const std::string b = "P\t1\t2\t0\t0\tLaser\tC:\\b.prn\r\n";
    const std::string forgetA = "X\t0\t0\t0\t0\tLASER\tC:\\A.PRN\r\n";
    const std::string takenC = "T\t3\t4\t0\t9\tLaser\tC:\\c.prn\r\n";
    const std::string startedC = "S\t3\t4\t0\t9\tLaser\tC:\\c.prn\r\n";
    const std::string table = header + a + "end\t1\r\n";
    const struct {
        const char* what;
        std::string text;
        std::vector<std::string> paths; // of the table replayed
        std::size_t appended;
        bool whole;
        bool appendable;
    } cases[] = {
        {"the table alone", table, {"C:\\a.prn"}, 0, true, true},
        {"a record added", table + b, {"C:\\a.prn", "C:\\b.prn"}, 1, true, true},
        {"a file forgotten", table + b + forgetA, {"C:\\b.prn"}, 2, true, true},
        {"forgotten, then printed again", table + forgetA + a, {"C:\\a.prn"}, 2, true, true},
        {"a note the spooler took", table + takenC, {"C:\\a.prn", "C:\\c.prn"}, 1, true, true},
        {"a note only started", table + startedC, {"C:\\a.prn"}, 1, true, true},
        {"torn inside a record",
         table + b + a.substr(0, 20),
         {"C:\\a.prn", "C:\\b.prn"},
         1,
         false,
         false},
        {"torn before its CR LF, the record still reading",
         table + b.substr(0, b.size() - 2),
         {"C:\\a.prn"},
         0,
         false,
         false},
        {"torn after its CR", table + b.substr(0, b.size() - 1), {"C:\\a.prn"}, 0, false, false},
        {"a damaged record", table + "P\tx\r\n" + b, {"C:\\a.prn", "C:\\b.prn"}, 1, false, true},
        {"torn inside the closing line", header + a + "end\t", {"C:\\a.prn"}, 0, false, false},
        {"version 1 ends at its closing line",
         "Spoolwright unattended files 1\r\n" + a + "end\t1\r\n",
         {"C:\\a.prn"},
         0,
         true,
         false},
        {"version 1 with records after it",
         "Spoolwright unattended files 1\r\n" + a + "end\t1\r\n" + b,
         {"C:\\a.prn"},
         0,
         false,
         false},
    };
    for (const auto& c : cases) {
        const sw::DecodedPrintedFiles decoded = sw::DecodePrintedFiles(c.text);
        std::vector<std::string> paths;
        for (const FileEntry& entry : PrintedFiles(decoded.entries).Entries())
            paths.push_back(entry.path);
        EXPECT_EQ(paths, c.paths) << c.what;
        EXPECT_EQ(decoded.appended, c.appended) << c.what;
        EXPECT_EQ(decoded.whole, c.whole) << c.what;
        EXPECT_EQ(decoded.appendAt, c.appendable ? c.text.size() : 0u) << c.what;
    }
}

// What the table gives to append replays, after what the file held, to the
// table as it is; the whole file written afresh (the compaction) reads as
// the same table with no records after it.
TEST(PrintedFiles, ChangedRecordsReplayToTheTableAndCompactToIt) {
    const FileVersion v1{10, 100}, v2{12, 200};
    PrintedFiles files;
    files.MarkPrinted("C:\\In\\a.prn", "Laser", v1);
    files.MarkPrinted("C:\\In\\b.prn", "Laser", v1);
    files.ShouldLogFailure("C:\\In\\c.prn", "Laser", v1, 5, 100);
    const std::string first = sw::EncodePrintedFiles(files.Entries());
    files.ForgetChangedRecords();
    EXPECT_TRUE(files.ChangedRecords().empty());

    files.Consider("C:\\In\\a.prn", "Laser", v2);       // changed: forgotten
    files.MarkTaken("C:\\In\\c.prn", "Laser", v1, 300); // its failure goes
    files.MarkTaken("C:\\In\\d.prn", "Laser", v1, 301);
    files.Forget("C:\\In\\d.prn", "Laser"); // moved to the Recycle Bin
    const std::vector<FileEntry> records = files.ChangedRecords();
    EXPECT_EQ(records.size(), 4u) << "a, c and d forgotten, then c as taken";
    const std::string appended = first + sw::EncodeFileRecords(records);
    const sw::DecodedPrintedFiles decoded = sw::DecodePrintedFiles(appended);
    EXPECT_TRUE(decoded.whole);
    EXPECT_EQ(PrintedFiles(decoded.entries).Entries(), files.Entries());

    const std::string compacted = sw::EncodePrintedFiles(files.Entries());
    EXPECT_LT(compacted.size(), appended.size());
    const sw::DecodedPrintedFiles again = sw::DecodePrintedFiles(compacted);
    EXPECT_EQ(again.appended, 0u);
    EXPECT_EQ(again.entries, files.Entries());
}

} // namespace
