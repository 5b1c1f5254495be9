// The number-of-copies dialog: what it shows for the stored counts, and what
// "&Save && Return" stores and remembers.
#include "resources/resource.h"
#include "settings/copies_dialog.h"
#include "support/dialog_driver.h"
#include "support/settings_file.h"

#include <gtest/gtest.h>

namespace {

using swtest::DialogDriver;
using swtest::IsChecked;
using swtest::ItemText;
using swtest::Stored;

const char kCaption[] = "Number of Copies";
const char kFile[] = "C:\\reports\\march.prn";
const char kFileSection[] = "Number of copies C:\\reports\\march.prn";
const char kFolderSection[] = "Number of copies C:\\reports\\*.*";
const char kPrinter[] = "sw_raw";
const char kPrinterSection[] = "Number of copies by printer sw_raw";

struct Shown {
    std::string file, printer, count;
    LRESULT countDigits = 0; // the most characters the count takes
    bool fileOnly = false, printerOnly = false, both = false, folder = true, store = false;
};

// A step that reads what the dialog shows into `shown`.
std::function<void(HWND)> ReadShown(Shown& shown) {
    return [&shown](HWND dialog) {
        shown.file = ItemText(dialog, IDC_COPIES_FILE);
        shown.printer = ItemText(dialog, IDC_COPIES_PRINTER);
        shown.count = ItemText(dialog, IDC_COPIES_COUNT);
        shown.countDigits = SendDlgItemMessageA(dialog, IDC_COPIES_COUNT, EM_GETLIMITTEXT, 0, 0);
        shown.fileOnly = IsChecked(dialog, IDC_COPIES_FILE_ONLY);
        shown.printerOnly = IsChecked(dialog, IDC_COPIES_PRINTER_ONLY);
        shown.both = IsChecked(dialog, IDC_COPIES_BOTH);
        shown.folder = IsChecked(dialog, IDC_COPIES_FOLDER);
        shown.store = IsChecked(dialog, IDC_COPIES_STORE);
    };
}

class CopiesDialog : public swtest::SettingsFileTest {
  protected:
    bool Open() { return sw::ShowCopiesDialog(nullptr, kFile, kPrinter, remembered_); }
    sw::RememberedCopiesSetting remembered_;
};

TEST_F(CopiesDialog, NothingStoredShowsOneCopyForBoth) {
    Shown shown;
    DialogDriver()
        .On(kCaption)
        .Screenshot("copies")
        .Inspect(ReadShown(shown))
        .CloseBox()
        .Run([this] { Open(); });
    EXPECT_EQ(shown.file, kFile);
    EXPECT_EQ(shown.printer, kPrinter);
    EXPECT_EQ(shown.count, "1");
    EXPECT_EQ(shown.countDigits, 4) << "at most 9999 copies";
    EXPECT_TRUE(shown.both);
    EXPECT_FALSE(shown.fileOnly || shown.printerOnly || shown.store || shown.folder);
}

TEST_F(CopiesDialog, FolderCountIsShownWithTheFolderPattern) {
    swtest::Store(kFolderSection, "Copies", "3");
    Shown shown;
    DialogDriver().On(kCaption).Inspect(ReadShown(shown)).CloseBox().Run([this] { Open(); });
    EXPECT_EQ(shown.file, "C:\\reports\\*.*");
    EXPECT_EQ(shown.count, "3");
    EXPECT_TRUE(shown.fileOnly);
    EXPECT_TRUE(shown.store);
}

TEST_F(CopiesDialog, DifferentFileAndPrinterCountsShowTheFileCount) {
    swtest::Store(kFileSection, "Copies", "5");
    swtest::Store(kPrinterSection, "Copies", "2");
    Shown shown;
    DialogDriver().On(kCaption).Inspect(ReadShown(shown)).CloseBox().Run([this] { Open(); });
    EXPECT_EQ(shown.file, kFile);
    EXPECT_EQ(shown.count, "5");
    EXPECT_TRUE(shown.fileOnly);
    EXPECT_FALSE(shown.both || shown.printerOnly);
}

TEST_F(CopiesDialog, EqualCountsShowBoth) {
    swtest::Store(kFileSection, "Copies", "3");
    swtest::Store(kPrinterSection, "Copies", "3");
    Shown shown;
    DialogDriver().On(kCaption).Inspect(ReadShown(shown)).CloseBox().Run([this] { Open(); });
    EXPECT_EQ(shown.count, "3");
    EXPECT_TRUE(shown.both);
}

TEST_F(CopiesDialog, SavingWithoutStoreRemovesTheStoredCountsAndRemembersTheCount) {
    swtest::Store(kFileSection, "Copies", "5");
    swtest::Store(kFolderSection, "Copies", "6");
    swtest::Store(kPrinterSection, "Copies", "2");
    bool saved = false;
    DialogDriver()
        .On(kCaption)
        .Click(IDC_COPIES_PRINTER_ONLY)
        .SetText(IDC_COPIES_COUNT, "4")
        .Click(IDC_COPIES_STORE) // it opened checked for the count of 5
        .Click(IDC_COPIES_SAVE)
        .Run([&] { saved = Open(); });
    EXPECT_TRUE(saved);
    EXPECT_FALSE(swtest::SectionExists(kFileSection));
    EXPECT_FALSE(swtest::SectionExists(kFolderSection));
    EXPECT_FALSE(swtest::SectionExists(kPrinterSection));
    EXPECT_EQ(remembered_.count, 4);
    EXPECT_EQ(remembered_.file, "");
    EXPECT_EQ(remembered_.printer, kPrinter);
}

TEST_F(CopiesDialog, SavingForTheFolderStoresTheFolderCount) {
    bool fileOnlyAfterClick = false, bothAfterClick = true;
    DialogDriver()
        .On(kCaption)
        .Click(IDC_COPIES_FILE_ONLY)
        .Inspect([&](HWND dialog) {
            fileOnlyAfterClick = IsChecked(dialog, IDC_COPIES_FILE_ONLY);
            bothAfterClick = IsChecked(dialog, IDC_COPIES_BOTH);
        })
        .SetText(IDC_COPIES_COUNT, "4")
        .Click(IDC_COPIES_FOLDER)
        .Click(IDC_COPIES_STORE)
        .Click(IDC_COPIES_SAVE)
        .Run([this] { Open(); });
    EXPECT_TRUE(fileOnlyAfterClick);
    EXPECT_FALSE(bothAfterClick);
    EXPECT_EQ(Stored(kFolderSection, "Copies"), "4");
    EXPECT_FALSE(swtest::SectionExists(kFileSection));
    EXPECT_FALSE(swtest::SectionExists(kPrinterSection));
    EXPECT_EQ(remembered_.count, 4);
    EXPECT_EQ(remembered_.file, "C:\\reports\\*.*");
    EXPECT_EQ(remembered_.printer, "");
}

TEST_F(CopiesDialog, SavingForBothStoresForFileAndPrinter) {
    DialogDriver()
        .On(kCaption)
        .SetText(IDC_COPIES_COUNT, "2.6")
        .Click(IDC_COPIES_STORE)
        .Click(IDC_COPIES_SAVE)
        .Run([this] { Open(); });
    EXPECT_EQ(Stored(kFileSection, "Copies"), "3");
    EXPECT_EQ(Stored(kPrinterSection, "Copies"), "3");
    EXPECT_EQ(remembered_.file, kFile);
    EXPECT_EQ(remembered_.printer, kPrinter);
}

TEST_F(CopiesDialog, EnterNeitherSavesNorClosesAndTheCloseBoxChangesNothing) {
    swtest::Store(kFileSection, "Copies", "5");
    remembered_.count = 7;
    bool stillOpen = false, saved = true;
    DialogDriver()
        .On(kCaption)
        .SetText(IDC_COPIES_COUNT, "9")
        .PressKey(IDC_COPIES_COUNT, VK_RETURN)
        .On(kCaption)
        .Inspect([&](HWND dialog) { stillOpen = IsWindowVisible(dialog) != FALSE; })
        .CloseBox()
        .Run([&] { saved = Open(); });
    EXPECT_TRUE(stillOpen);
    EXPECT_FALSE(saved);
    EXPECT_EQ(Stored(kFileSection, "Copies"), "5");
    EXPECT_EQ(remembered_.count, 7);
}

} // namespace
