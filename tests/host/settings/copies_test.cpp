#include "settings/copies.h"

#include <gtest/gtest.h>

#include <utility>

namespace {

const char kFile[] = "C:\\reports\\april.prn";
const char kPrinter[] = "LaserJet 4";

TEST(Copies, FolderPatternIsTheFolderAndStarDotStar) {
    EXPECT_EQ(sw::FolderPattern("C:\\reports\\april.prn"), "C:\\reports\\*.*");
    EXPECT_EQ(sw::FolderPattern("  C:\\reports\\april.prn  "), "C:\\reports\\*.*");
    EXPECT_EQ(sw::FolderPattern("C:\\reports\\"), "C:\\reports\\*.*");
    EXPECT_EQ(sw::FolderPattern("C:\\reports\\*.*"), "C:\\reports\\*.*");
    EXPECT_EQ(sw::FolderPattern("april.prn"), "*.*");
    EXPECT_EQ(sw::FolderPattern(""), "*.*");
}

TEST(Copies, PrinterWinsOverFolderOverFile) {
    const std::pair<sw::StoredCopyCounts, int> cases[] = {
        {{0, 0, 0}, 1},  {{5, 0, 0}, 5}, {{5, 3, 0}, 3}, {{5, 3, 2}, 2}, {{5, 0, 2}, 2},
        {{0, 3, 0}, 3},  {{5, 1, 1}, 5}, {{5, 3, 1}, 3}, {{1, 1, 1}, 1}, {{-4, 0, 0}, 1},
        {{0, 0, -7}, 1}, {{2, 0, 9}, 9}, {{9, 2, 0}, 2},
    };
    for (const auto& [stored, copies] : cases) {
        EXPECT_EQ(sw::ResolveCopies(stored, {}, kFile, kPrinter), copies)
            << stored.file << "/" << stored.folder << "/" << stored.printer;
    }
}

struct RememberedCase {
    sw::RememberedCopiesSetting remembered;
    const char* file;
    const char* printer;
    int copies; // with nothing stored
};

TEST(Copies, RememberedCountRaisesWhenGivenForThisPrintOnly) {
    const RememberedCase cases[] = {
        {{4, "", kPrinter}, kFile, kPrinter, 4},
        {{4, "", kPrinter}, kFile, "Other", 1},
        {{4, kFile, ""}, kFile, "Other", 4},
        {{4, kFile, ""}, "C:\\reports\\may.prn", kPrinter, 1},
        {{4, "C:\\reports\\*.*", ""}, "C:\\reports\\may.prn", kPrinter, 4},
        {{4, "C:\\reports\\*.*", ""}, "C:\\reports\\old\\may.prn", kPrinter, 1},
        {{4, "C:\\REPORTS\\*.*", ""}, kFile, kPrinter, 1}, // exact case
        {{4, "c:\\reports\\april.prn", ""}, kFile, kPrinter, 1},
        {{4, "*.*", ""}, "notes.txt", kPrinter, 4}, // both without a folder part
        {{4, "*.*", ""}, kFile, kPrinter, 1},
        {{0, kFile, kPrinter}, kFile, kPrinter, 1}, // a count of 0 never raises
        {{-3, kFile, kPrinter}, kFile, kPrinter, 1},
        // An empty field was not given for anything, not even an empty name.
        {{4, "", ""}, "", "", 1},
        {{4, "", kPrinter}, "", "Other", 1},
    };
    for (const RememberedCase& c : cases) {
        EXPECT_EQ(sw::ResolveCopies({}, c.remembered, c.file, c.printer), c.copies)
            << c.remembered.count << " for '" << c.remembered.file << "' / '"
            << c.remembered.printer << "', printing '" << c.file << "' on '" << c.printer << "'";
    }
}

TEST(Copies, RememberedCountNeverLowersAStoredOne) {
    EXPECT_EQ(sw::ResolveCopies({0, 0, 3}, {2, "", kPrinter}, kFile, kPrinter), 3);
    EXPECT_EQ(sw::ResolveCopies({5, 0, 2}, {4, kFile, ""}, kFile, kPrinter), 4);
    EXPECT_EQ(sw::ResolveCopies({0, 3, 0}, {7, "C:\\reports\\*.*", ""}, kFile, kPrinter), 7);
}

// A count edited into the settings file by hand (2147483647 started two
// billion jobs) is capped at the most the copies dialog accepts.
TEST(Copies, NeverMoreThanTheDialogAccepts) {
    EXPECT_EQ(sw::kMostCopies, 9999);
    EXPECT_EQ(sw::ResolveCopies({0, 0, 2147483647}, {}, kFile, kPrinter), 9999);
    EXPECT_EQ(sw::ResolveCopies({10000, 0, 0}, {}, kFile, kPrinter), 9999);
    EXPECT_EQ(sw::ResolveCopies({9999, 0, 0}, {}, kFile, kPrinter), 9999);
    EXPECT_EQ(sw::ResolveCopies({}, {2147483647, "", kPrinter}, kFile, kPrinter), 9999);
}

} // namespace
