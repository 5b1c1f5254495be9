#include "common/file_filters.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Entries = std::vector<std::string>;

const Entries kInitialEntries = {"PRN files|*.PRN", "Text Files|*.TXT", "All Files|*.*"};

// A selection state after the first dialog was offered.
class FileFiltersInUse : public testing::Test {
  protected:
    FileFiltersInUse() { sw::StartFileSelection(state); }
    sw::FileFilterState state;
};

TEST(FileFilters, FirstUseOffersThePrnFilterAndPattern) {
    sw::FileFilterState state;
    const sw::FileSelectionStart start = sw::StartFileSelection(state);
    EXPECT_EQ(start.fileName, "*.PRN");
    EXPECT_EQ(start.defaultExtension, "PRN");
    EXPECT_EQ(start.filterText, "PRN files|*.PRN|Text Files|*.TXT|All Files|*.*");
    EXPECT_EQ(start.filterIndex, 1u);
    EXPECT_EQ(state.rememberedExtension, "PRN");
    EXPECT_EQ(state.filterList, kInitialEntries);
    EXPECT_EQ(state.filterText, start.filterText);
}

TEST_F(FileFiltersInUse, ChosenLstFileAddsAFourthEntryThatIsPreselectedNextTime) {
    EXPECT_EQ(sw::FinishFileSelection(state, "C:\\x\\report.LST"), "C:\\x\\report.LST");
    EXPECT_EQ(state.rememberedExtension, "LST");

    const sw::FileSelectionStart next = sw::StartFileSelection(state);
    EXPECT_EQ(state.filterList.back(), "LST files|*.LST");
    EXPECT_EQ(next.filterText, "PRN files|*.PRN|Text Files|*.TXT|All Files|*.*|LST files|*.LST");
    EXPECT_EQ(next.filterIndex, 4u);
    EXPECT_EQ(next.fileName, "*.LST");
    EXPECT_EQ(next.defaultExtension, "LST");
}

TEST_F(FileFiltersInUse, NewEntryKeepsTheExtensionAsTyped) {
    sw::FinishFileSelection(state, "report.lst");
    EXPECT_EQ(state.filterList.back(), "lst files|*.lst");
    EXPECT_EQ(sw::StartFileSelection(state).filterIndex, 4u);
}

struct NoNewEntryCase {
    const char* chosen;
    const char* remembered;
    unsigned long nextIndex;
};

// Extensions that the filters already mention, in any case or at any position.
const NoNewEntryCase kNoNewEntryCases[] = {
    {"C:\\a\\notes.TXT", "TXT", 2}, {"C:\\a\\notes.txt", "txt", 2}, {"C:\\a\\listing.T", "T", 2},
    {"C:\\a\\out.prn", "prn", 1},   {"C:\\a\\les", "", 1}, // no extension: "PRN" again next time
    {"C:\\a\\x.Files", "Files", 0},
};

TEST(FileFilters, ExtensionAlreadyMentionedAddsNoEntry) {
    for (const NoNewEntryCase& c : kNoNewEntryCases) {
        sw::FileFilterState state;
        sw::StartFileSelection(state);
        EXPECT_EQ(sw::FinishFileSelection(state, c.chosen), c.chosen);
        EXPECT_EQ(state.rememberedExtension, c.remembered) << c.chosen;
        EXPECT_EQ(state.filterList, kInitialEntries) << c.chosen;
        EXPECT_EQ(sw::StartFileSelection(state).filterIndex, c.nextIndex) << c.chosen;
    }
}

TEST_F(FileFiltersInUse, CancelledDialogLeavesTheStateAlone) {
    sw::FinishFileSelection(state, "C:\\x\\report.LST");
    const sw::FileFilterState before = state;
    EXPECT_EQ(sw::FinishFileSelection(state, "*.LST"), "");
    EXPECT_EQ(sw::FinishFileSelection(state, "C:\\x\\*.doc"), "");
    EXPECT_EQ(state.rememberedExtension, before.rememberedExtension);
    EXPECT_EQ(state.filterList, before.filterList);
    EXPECT_EQ(state.filterText, before.filterText);
}

TEST_F(FileFiltersInUse, LongExtensionIsRememberedByItsFirstFiveCharacters) {
    sw::FinishFileSelection(state, "C:\\data\\table.abcdefgh");
    EXPECT_EQ(state.rememberedExtension, "abcde");
    EXPECT_EQ(state.filterList.back(), "abcde files|*.abcde");
    EXPECT_EQ(sw::StartFileSelection(state).fileName, "*.abcde");
}

TEST_F(FileFiltersInUse, FilterTextIsCutTo179Characters) {
    // Each new entry is "XXXXn files|*.XXXXn", 19 characters plus a bar.
    for (const char* path :
         {"a.AAAA1", "a.AAAA2", "a.AAAA3", "a.AAAA4", "a.AAAA5", "a.AAAA6", "a.AAAA7"})
        sw::FinishFileSelection(state, path);
    ASSERT_EQ(state.filterList.size(), 10u);
    const sw::FileSelectionStart start = sw::StartFileSelection(state);
    EXPECT_EQ(start.filterText.size(), 179u);
    EXPECT_EQ(start.filterText,
              "PRN files|*.PRN|Text Files|*.TXT|All Files|*.*|AAAA1 files|*.AAAA1|"
              "AAAA2 files|*.AAAA2|AAAA3 files|*.AAAA3|AAAA4 files|*.AAAA4|AAAA5 files|*.AAAA5|"
              "AAAA6 files|*.AAAA6|AAAA7 files|");
    EXPECT_EQ(state.filterText, start.filterText);
    // The index still names the entry, though its pattern was cut away.
    EXPECT_EQ(start.filterIndex, 10u);
}

TEST(FileFilters, DialogFilterBufferEndsInAnEmptyPair) {
    const std::string buffer = sw::DialogFilterBuffer("PRN files|*.PRN|All Files|*.*");
    EXPECT_EQ(buffer.size(), 257u);
    EXPECT_EQ(buffer.substr(0, 31), std::string("PRN files\0*.PRN\0All Files\0*.*\0\0", 31));
    EXPECT_EQ(buffer.find_first_not_of('\0', 30), std::string::npos);
}

TEST(FileFilters, DialogFilterBufferHoldsAt255Characters) {
    const std::string buffer = sw::DialogFilterBuffer(std::string(300, 'x'));
    EXPECT_EQ(buffer.size(), 257u);
    EXPECT_EQ(buffer.find('\0'), 255u);
    EXPECT_EQ(sw::DialogFilterBuffer("").find_first_not_of('\0'), std::string::npos);
}

} // namespace
