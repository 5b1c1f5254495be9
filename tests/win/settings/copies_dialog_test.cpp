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

class CopiesDialog : public swtest::SettingsFileTest {
  protected:
    bool Open() { return sw::ShowCopiesDialog(nullptr, kFile, kPrinter, remembered_); }
    // Opens the dialog, runs `check` on it and closes it with the close box.
    void Look(const std::function<void(HWND)>& check) {
        DialogDriver(kCaption).Inspect(check).CloseBox().Run([this] { Open(); });
    }
    void ExpectRemembered(int count, const std::string& file, const std::string& printer) const {
        EXPECT_EQ(remembered_.count, count);
        EXPECT_EQ(remembered_.file, file);
        EXPECT_EQ(remembered_.printer, printer);
    }
    sw::RememberedCopiesSetting remembered_;
};

TEST_F(CopiesDialog, NothingStoredShowsOneCopyForBoth) {
    DialogDriver(kCaption)
        .Inspect([](HWND dialog) {
            EXPECT_EQ(ItemText(dialog, IDC_COPIES_FILE), kFile);
            EXPECT_EQ(ItemText(dialog, IDC_COPIES_PRINTER), kPrinter);
            EXPECT_EQ(ItemText(dialog, IDC_COPIES_COUNT), "1");
            EXPECT_EQ(SendDlgItemMessageA(dialog, IDC_COPIES_COUNT, EM_GETLIMITTEXT, 0, 0), 4)
                << "at most 9999 copies";
            EXPECT_TRUE(IsChecked(dialog, IDC_COPIES_BOTH));
            EXPECT_FALSE(IsChecked(dialog, IDC_COPIES_FILE_ONLY) ||
                         IsChecked(dialog, IDC_COPIES_PRINTER_ONLY) ||
                         IsChecked(dialog, IDC_COPIES_STORE) ||
                         IsChecked(dialog, IDC_COPIES_FOLDER));
        })
        .CloseBox()
        .Run([this] { Open(); });
}

TEST_F(CopiesDialog, FolderCountIsShownWithTheFolderPattern) {
    swtest::Store(kFolderSection, "Copies", "3");
    Look([](HWND dialog) {
        EXPECT_EQ(ItemText(dialog, IDC_COPIES_FILE), "C:\\reports\\*.*");
        EXPECT_EQ(ItemText(dialog, IDC_COPIES_COUNT), "3");
        EXPECT_TRUE(IsChecked(dialog, IDC_COPIES_FILE_ONLY));
        EXPECT_TRUE(IsChecked(dialog, IDC_COPIES_STORE));
    });
}

TEST_F(CopiesDialog, DifferentFileAndPrinterCountsShowTheFileCount) {
    swtest::Store(kFileSection, "Copies", "5");
    swtest::Store(kPrinterSection, "Copies", "2");
    Look([](HWND dialog) {
        EXPECT_EQ(ItemText(dialog, IDC_COPIES_FILE), kFile);
        EXPECT_EQ(ItemText(dialog, IDC_COPIES_COUNT), "5");
        EXPECT_TRUE(IsChecked(dialog, IDC_COPIES_FILE_ONLY));
        EXPECT_FALSE(IsChecked(dialog, IDC_COPIES_BOTH) ||
                     IsChecked(dialog, IDC_COPIES_PRINTER_ONLY));
    });
}

TEST_F(CopiesDialog, EqualCountsShowBoth) {
    swtest::Store(kFileSection, "Copies", "3");
    swtest::Store(kPrinterSection, "Copies", "3");
    Look([](HWND dialog) {
        EXPECT_EQ(ItemText(dialog, IDC_COPIES_COUNT), "3");
        EXPECT_TRUE(IsChecked(dialog, IDC_COPIES_BOTH));
    });
}

TEST_F(CopiesDialog, SavingWithoutStoreRemovesTheStoredCountsAndRemembersTheCount) {
    swtest::Store(kFileSection, "Copies", "5");
    swtest::Store(kFolderSection, "Copies", "6");
    swtest::Store(kPrinterSection, "Copies", "2");
    DialogDriver(kCaption)
        .Click(IDC_COPIES_PRINTER_ONLY)
        .SetText(IDC_COPIES_COUNT, "4")
        .Click(IDC_COPIES_STORE) // it opened checked for the count of 5
        .Click(IDC_COPIES_SAVE)
        .Run([this] { EXPECT_TRUE(Open()); });
    for (const char* section : {kFileSection, kFolderSection, kPrinterSection})
        EXPECT_FALSE(swtest::SectionExists(section)) << section;
    ExpectRemembered(4, "", kPrinter);
}

TEST_F(CopiesDialog, SavingForTheFolderStoresTheFolderCount) {
    DialogDriver(kCaption)
        .Click(IDC_COPIES_FILE_ONLY)
        .Inspect([](HWND dialog) {
            EXPECT_TRUE(IsChecked(dialog, IDC_COPIES_FILE_ONLY));
            EXPECT_FALSE(IsChecked(dialog, IDC_COPIES_BOTH));
        })
        .SetText(IDC_COPIES_COUNT, "4")
        .Click(IDC_COPIES_FOLDER)
        .Click(IDC_COPIES_STORE)
        .Click(IDC_COPIES_SAVE)
        .Run([this] { Open(); });
    EXPECT_EQ(Stored(kFolderSection, "Copies"), "4");
    for (const char* section : {kFileSection, kPrinterSection})
        EXPECT_FALSE(swtest::SectionExists(section)) << section;
    ExpectRemembered(4, "C:\\reports\\*.*", "");
}

TEST_F(CopiesDialog, SavingForBothStoresForFileAndPrinter) {
    DialogDriver(kCaption)
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
    DialogDriver(kCaption)
        .SetText(IDC_COPIES_COUNT, "9")
        .PressKey(IDC_COPIES_COUNT, VK_RETURN)
        .On(kCaption)
        .Inspect([](HWND dialog) { EXPECT_TRUE(IsWindowVisible(dialog)); })
        .CloseBox()
        .Run([this] { EXPECT_FALSE(Open()); });
    EXPECT_EQ(Stored(kFileSection, "Copies"), "5");
    EXPECT_EQ(remembered_.count, 7);
}

} // namespace
