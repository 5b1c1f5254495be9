// The printer association dialog against the test print server's printers.
#include "printengine/swprint.h"
#include "resources/resource.h"
#include "settings/association_dialog.h"
#include "support/dialog_driver.h"
#include "support/ole_text.h"
#include "support/settings_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using swtest::DialogDriver;
using swtest::Stored;

const char kCaption[] = "Printer association";
const char kPassed[] = "Office Laser 5";

void Open() {
    sw::ShowAssociationDialog(nullptr, kPassed);
}

class AssociationDialog : public swtest::SettingsFileTest {};

TEST_F(AssociationDialog, ListsThePrintersSortedWithTheDefaultSelected) {
    const std::string defaultPrinter = swtest::TakeOleText(DefaultPrinter());
    ASSERT_FALSE(defaultPrinter.empty());
    DialogDriver(kCaption)
        .Inspect([&](HWND dialog) {
            const std::vector<std::string> items = swtest::ListItems(dialog, IDC_PLIST_PRINTERS);
            EXPECT_EQ(swtest::ItemText(dialog, IDC_PLIST_PROMPT),
                      "Associate name of 'Office Laser 5' with:");
            EXPECT_TRUE(std::is_sorted(items.begin(), items.end()));
            EXPECT_NE(std::find(items.begin(), items.end(), "sw_raw"), items.end());
            EXPECT_NE(std::find(items.begin(), items.end(), "sw_second"), items.end());
            EXPECT_EQ(swtest::SelectedListBoxItem(GetDlgItem(dialog, IDC_PLIST_PRINTERS)),
                      defaultPrinter);
        })
        .Click(IDC_PLIST_ASSOCIATE)
        .Run(Open);
    EXPECT_EQ(Stored("Printer Associations", kPassed), defaultPrinter);
}

TEST_F(AssociationDialog, AssociateStoresTheChosenPrinter) {
    DialogDriver(kCaption)
        .Inspect([](HWND dialog) {
            const LRESULT index =
                SendDlgItemMessageA(dialog, IDC_PLIST_PRINTERS, LB_FINDSTRINGEXACT,
                                    static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>("sw_second"));
            SendDlgItemMessageA(dialog, IDC_PLIST_PRINTERS, LB_SETCURSEL,
                                static_cast<WPARAM>(index), 0);
        })
        .Click(IDC_PLIST_ASSOCIATE)
        .Run(Open);
    EXPECT_EQ(Stored("Printer Associations", kPassed), "sw_second");
}

TEST_F(AssociationDialog, CancelEscapeAndTheCloseBoxStoreNothing) {
    DialogDriver(kCaption).Click(IDC_PLIST_CANCEL).Run(Open);
    DialogDriver(kCaption).CloseBox().Run(Open);
    DialogDriver(kCaption)
        .PressKey(IDC_PLIST_PRINTERS, VK_RETURN)
        .PressKey(IDC_PLIST_PRINTERS, VK_ESCAPE)
        .Run(Open);
    EXPECT_EQ(Stored("Printer Associations", kPassed), "<missing>");
}

TEST_F(AssociationDialog, AssociateWithoutASelectionStoresAnEmptyValue) {
    DialogDriver(kCaption).SelectItem(IDC_PLIST_PRINTERS, -1).Click(IDC_PLIST_ASSOCIATE).Run(Open);
    EXPECT_EQ(Stored("Printer Associations", kPassed), "");
}

} // namespace
