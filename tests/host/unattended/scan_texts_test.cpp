// The folder and mask of a scan, and the event log's lines.
#include "unattended/event_log_line.h"
#include "unattended/scan_paths.h"

#include <gtest/gtest.h>

namespace {

TEST(ScanPaths, FolderAndMask) {
    const struct {
        const char* folder;
        const char* pattern;
        const char* scanFolder;
        const char* mask;
    } cases[] = {
        {"C:\\Outbox", "*.prn", "C:\\Outbox\\", "C:\\Outbox\\*.prn"},
        {"C:\\Outbox\\", "*.prn", "C:\\Outbox\\", "C:\\Outbox\\*.prn"},
        {"  C:\\Outbox  ", "a?.txt", "C:\\Outbox\\", "C:\\Outbox\\a?.txt"},
        {"C:\\Outbox", "", "C:\\Outbox\\", "C:\\Outbox\\*.*"},
        {"", "*.prn", "", "*.prn"},
        {"   ", "", "", ""},
        {"C:\\", "*.prn", "C:\\", "C:\\*.prn"},
    };
    for (const auto& c : cases) {
        const std::string folder = sw::ScanFolder(c.folder);
        EXPECT_EQ(folder, c.scanFolder) << '"' << c.folder << '"';
        EXPECT_EQ(sw::ScanMask(folder, c.pattern), c.mask) << '"' << c.folder << '"';
    }
}

TEST(EventLogLine, PrintedAndNotPrinted) {
    const sw::LocalTime at{2026, 12, 7, 9, 15, 2};
    EXPECT_EQ(sw::PrintedLine(at, "C:\\Outbox\\", "invoice.prn", "Laser 1"),
              "12-07-2026   09:15:02   C:\\Outbox\\invoice.prn   printed successfully to Laser 1");
    EXPECT_EQ(sw::NotPrintedLine(at, "C:\\Outbox\\", "invoice.prn", "Laser 1", 1801),
              "12-07-2026   09:15:02   C:\\Outbox\\invoice.prn   not printed to Laser 1  due to "
              "Error 1801");
    EXPECT_EQ(sw::NotPrintedLine(sw::LocalTime{2027, 1, 31, 23, 5, 0}, "", "a.doc", "", -2),
              "01-31-2027   23:05:00   a.doc   not printed to   due to Error -2");
}

TEST(EventLogLine, PrintedButNotMovedAndMayHaveBeenPrinted) {
    const sw::LocalTime at{2026, 12, 7, 9, 15, 2};
    EXPECT_EQ(sw::PrintedNotMovedLine(at, "C:\\Outbox\\", "invoice.prn", "Laser 1", 5),
              "12-07-2026   09:15:02   C:\\Outbox\\invoice.prn   printed to Laser 1 but not moved "
              "to the Recycle Bin due to Error 5");
    EXPECT_EQ(sw::MayHaveBeenPrintedLine(at, "C:\\Outbox\\", "invoice.prn", "Laser 1"),
              "12-07-2026   09:15:02   C:\\Outbox\\invoice.prn   may have been printed to Laser 1 "
              "before the program stopped; not printed again");
}

TEST(EventLogLine, SentToARemoteSiteWhereItHasNotPrinted) {
    EXPECT_EQ(sw::SentNotPrintedLine(sw::LocalTime{2026, 12, 7, 9, 15, 2}, "", "C:\\Out\\a.prn",
                                     "10.0.0.5:laser", 258),
              "12-07-2026   09:15:02   C:\\Out\\a.prn   sent to 10.0.0.5:laser, where it has not "
              "printed: Error 258; not sent again");
}

TEST(EventLogLine, LineBreaksInsideBecomeSpaces) {
    EXPECT_EQ(sw::SingleLogLine("a\r\nb\nc"), "a  b c");
    EXPECT_EQ(sw::SingleLogLine("plain"), "plain");
}

} // namespace
