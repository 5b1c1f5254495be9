// What the copies dialog shows when it opens, and what its save clears,
// stores and remembers.
#include "settings/copies_dialog_rules.h"

#include <gtest/gtest.h>

namespace {

using sw::ChooseCopiesDialogStart;
using sw::CopiesDialogChoice;
using sw::CopiesScope;
using sw::PlanCopiesSave;

struct StartCase {
    int fileCount, printerCount;
    int count;
    CopiesScope scope;
    bool store;
};

TEST(CopiesDialogStart, ChoosesCountButtonAndStoreBox) {
    const StartCase cases[] = {
        {0, 0, 1, CopiesScope::Both, false},        // nothing stored
        {3, 3, 3, CopiesScope::Both, true},         // equal counts
        {1, 1, 1, CopiesScope::Both, false},        // a count of 1 is not "stored"
        {5, 2, 5, CopiesScope::FileOnly, true},     // the file's count wins in the dialog
        {3, 0, 3, CopiesScope::FileOnly, true},     // folder or file count only
        {0, 4, 4, CopiesScope::PrinterOnly, true},  // printer count only
        {-2, 0, 1, CopiesScope::PrinterOnly, false} // a negative file count is no count
    };
    for (const StartCase& c : cases) {
        const sw::CopiesDialogStart start = ChooseCopiesDialogStart(c.fileCount, c.printerCount);
        EXPECT_EQ(start.count, c.count) << c.fileCount << "/" << c.printerCount;
        EXPECT_EQ(start.scope, c.scope) << c.fileCount << "/" << c.printerCount;
        EXPECT_EQ(start.store, c.store) << c.fileCount << "/" << c.printerCount;
    }
}

CopiesDialogChoice Choice(CopiesScope scope, int count, bool folder, bool store) {
    return {"C:\\reports\\march.prn", "Laser", count, scope, folder, store};
}

using Sections = std::vector<std::string>;

TEST(CopiesSavePlan, AlwaysClearsFileFolderAndPrinterFirst) {
    const sw::CopiesSavePlan plan = PlanCopiesSave(Choice(CopiesScope::Both, 1, false, false));
    EXPECT_EQ(plan.sectionsToClear,
              (Sections{"Number of copies C:\\reports\\march.prn",
                        "Number of copies C:\\reports\\*.*", "Number of copies by printer Laser"}));
    EXPECT_TRUE(plan.sectionsToWrite.empty());
}

TEST(CopiesSavePlan, StoresOnlyWithTheStoreBoxAndACountAboveOne) {
    EXPECT_TRUE(PlanCopiesSave(Choice(CopiesScope::Both, 4, false, false)).sectionsToWrite.empty());
    EXPECT_TRUE(PlanCopiesSave(Choice(CopiesScope::Both, 1, false, true)).sectionsToWrite.empty());
    EXPECT_TRUE(PlanCopiesSave(Choice(CopiesScope::Both, 0, false, true)).sectionsToWrite.empty());
    EXPECT_EQ(
        PlanCopiesSave(Choice(CopiesScope::Both, 2, false, true)).sectionsToWrite,
        (Sections{"Number of copies C:\\reports\\march.prn", "Number of copies by printer Laser"}));
}

TEST(CopiesSavePlan, CountBeyondTheDialogsFourDigitsIsCapped) {
    const sw::CopiesSavePlan plan =
        PlanCopiesSave(Choice(CopiesScope::Both, 2147483647, false, true));
    EXPECT_EQ(plan.remembered.count, 9999) << "the count stored and remembered";
    EXPECT_EQ(ChooseCopiesDialogStart(2147483647, 0).count, 9999) << "the count shown";
}

TEST(CopiesSavePlan, ScopeAndFolderBoxDecideWhereTheCountGoes) {
    EXPECT_EQ(PlanCopiesSave(Choice(CopiesScope::FileOnly, 4, true, true)).sectionsToWrite,
              (Sections{"Number of copies C:\\reports\\*.*"}));
    EXPECT_EQ(PlanCopiesSave(Choice(CopiesScope::PrinterOnly, 4, true, true)).sectionsToWrite,
              (Sections{"Number of copies by printer Laser"}));
    EXPECT_EQ(PlanCopiesSave(Choice(CopiesScope::Both, 4, true, true)).sectionsToWrite,
              (Sections{"Number of copies C:\\reports\\*.*", "Number of copies by printer Laser"}));
}

TEST(CopiesSavePlan, RemembersTheCountForWhatTheScopeNames) {
    const sw::RememberedCopiesSetting printerOnly =
        PlanCopiesSave(Choice(CopiesScope::PrinterOnly, 4, false, false)).remembered;
    EXPECT_EQ(printerOnly.count, 4);
    EXPECT_EQ(printerOnly.file, "");
    EXPECT_EQ(printerOnly.printer, "Laser");

    const sw::RememberedCopiesSetting folder =
        PlanCopiesSave(Choice(CopiesScope::FileOnly, 3, true, false)).remembered;
    EXPECT_EQ(folder.file, "C:\\reports\\*.*");
    EXPECT_EQ(folder.printer, "");

    const sw::RememberedCopiesSetting both =
        PlanCopiesSave(Choice(CopiesScope::Both, 0, false, true)).remembered;
    EXPECT_EQ(both.count, 0);
    EXPECT_EQ(both.file, "C:\\reports\\march.prn");
    EXPECT_EQ(both.printer, "Laser");
}

TEST(CopiesSavePlan, AShownFolderPatternStaysThePattern) {
    CopiesDialogChoice choice = Choice(CopiesScope::FileOnly, 3, false, true);
    choice.file = "C:\\reports\\*.*";
    const sw::CopiesSavePlan plan = PlanCopiesSave(choice);
    EXPECT_EQ(plan.sectionsToClear[0], "Number of copies C:\\reports\\*.*");
    EXPECT_EQ(plan.sectionsToClear[1], "Number of copies C:\\reports\\*.*");
    EXPECT_EQ(plan.sectionsToWrite, (Sections{"Number of copies C:\\reports\\*.*"}));
}

} // namespace
