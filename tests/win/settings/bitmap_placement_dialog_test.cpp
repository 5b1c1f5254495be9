// The bitmap placement dialog: units, the ask-before-printing choice written
// at each click, and the four measures stored as inches.
#include "resources/resource.h"
#include "settings/bitmap_placement_dialog.h"
#include "support/dialog_driver.h"
#include "support/settings_file.h"
#include "support/stored_settings.h"

#include <gtest/gtest.h>

namespace {

using swtest::DialogDriver;
using swtest::IsChecked;
using swtest::ItemText;
using swtest::Stored;

const char kCaption[] = "Bitmap printing";
// A printer of the test print server, whose page the box must stay on.
const char kPagePrinter[] = "sw_bitmap";

class BitmapPlacementDialog : public swtest::SettingsFileTest {};

TEST_F(BitmapPlacementDialog, FreshFileShowsInchesAskAndZeros) {
    DialogDriver(kCaption)
        .Inspect([](HWND dialog) {
            EXPECT_TRUE(IsChecked(dialog, IDC_BMP_INCHES));
            EXPECT_FALSE(IsChecked(dialog, IDC_BMP_CENTIMETERS));
            EXPECT_FALSE(IsChecked(dialog, IDC_BMP_USE_SAVED));
            EXPECT_TRUE(IsChecked(dialog, IDC_BMP_ASK));
            EXPECT_EQ(ItemText(dialog, IDC_BMP_LEFT) + " " + ItemText(dialog, IDC_BMP_TOP) + " " +
                          ItemText(dialog, IDC_BMP_WIDTH) + " " + ItemText(dialog, IDC_BMP_HEIGHT),
                      "0 0 0 0");
        })
        .CloseBox()
        .Run([] { sw::ShowBitmapPlacementDialog(nullptr, std::string()); });
    EXPECT_EQ(Stored("BMPprint", "Left"), "<missing>") << "the close box stores no measure";
}

TEST_F(BitmapPlacementDialog, ReturnStoresTheTypedMeasuresInInches) {
    DialogDriver(kCaption)
        .SetText(IDC_BMP_LEFT, "1")
        .SetText(IDC_BMP_TOP, "1.5")
        .SetText(IDC_BMP_WIDTH, "6")
        .SetText(IDC_BMP_HEIGHT, "4")
        .Click(IDC_BMP_RETURN)
        .Run([] { sw::ShowBitmapPlacementDialog(nullptr, std::string()); });
    swtest::ExpectStored("BMPprint",
                         {{"Left", "1"}, {"Top", "1.5"}, {"Width", "6"}, {"Height", "4"}});
}

// A measure that is no number, is negative or puts the box beyond the page of
// the printer is refused in one message, field by field; the stored value
// stays.
TEST_F(BitmapPlacementDialog, RefusesMeasuresThatMakeNoBoxOnThePage) {
    swtest::StoreAll("BMPprint", {{"Left", "1"}, {"Top", "2"}, {"Width", "3"}, {"Height", "4"}});
    std::string message;
    DialogDriver(kCaption)
        .SetText(IDC_BMP_LEFT, "abc")
        .SetText(IDC_BMP_TOP, "-5")
        .SetText(IDC_BMP_WIDTH, "1e9")
        .SetText(IDC_BMP_HEIGHT, "")
        .Click(IDC_BMP_RETURN)
        .On("Change ignored")
        .Inspect([&](HWND box) { message = swtest::MessageBoxText(box); })
        .Click(IDOK)
        .Run([] { sw::ShowBitmapPlacementDialog(nullptr, kPagePrinter); });
    const std::string expected[] = {
        "Left side of the image from the left edge of the paper: \"abc\" is not a number.",
        "Top of image from the top of the paper: \"-5\" is negative.",
        "Width of the image: \"1e9\" makes the box larger than the printer's page:",
        "Height of the image: \"\" is not a number.", "The value stored before is kept."};
    for (const std::string& line : expected)
        EXPECT_NE(message.find(line), std::string::npos) << line << "\n in: " << message;
    swtest::ExpectStored("BMPprint",
                         {{"Left", "1"}, {"Top", "2"}, {"Width", "3"}, {"Height", "4"}});
}

TEST_F(BitmapPlacementDialog, EachRadioClickIsStoredAtOnceEvenWhenClosedWithTheCloseBox) {
    DialogDriver(kCaption)
        .Click(IDC_BMP_USE_SAVED)
        .Click(IDC_BMP_CENTIMETERS)
        .Inspect([](HWND dialog) {
            swtest::ExpectStored("BMPprint", {{"UseSaved", "-1"}, {"Inches", "0"}});
            EXPECT_FALSE(IsChecked(dialog, IDC_BMP_ASK));
            EXPECT_FALSE(IsChecked(dialog, IDC_BMP_INCHES));
        })
        .SetText(IDC_BMP_LEFT, "3")
        .CloseBox()
        .Run([] { sw::ShowBitmapPlacementDialog(nullptr, std::string()); });
    EXPECT_EQ(Stored("BMPprint", "Left"), "<missing>");

    DialogDriver(kCaption).Click(IDC_BMP_ASK).Click(IDC_BMP_INCHES).CloseBox().Run([] {
        sw::ShowBitmapPlacementDialog(nullptr, std::string());
    });
    swtest::ExpectStored("BMPprint", {{"UseSaved", "0"}, {"Inches", "-1"}});
}

TEST_F(BitmapPlacementDialog, CentimetersAreShownAndTypedButInchesAreStored) {
    swtest::StoreAll("BMPprint",
                     {{"Inches", "0"}, {"UseSaved", "-1"}, {"Left", "1"}, {"Top", "1.5"}});
    DialogDriver(kCaption)
        .Inspect([](HWND dialog) {
            EXPECT_TRUE(IsChecked(dialog, IDC_BMP_CENTIMETERS));
            EXPECT_TRUE(IsChecked(dialog, IDC_BMP_USE_SAVED));
            EXPECT_EQ(ItemText(dialog, IDC_BMP_LEFT), "2.54");
            EXPECT_EQ(ItemText(dialog, IDC_BMP_TOP), "3.81");
        })
        .SetText(IDC_BMP_WIDTH, "5.08")
        .Click(IDC_BMP_RETURN)
        .Run([] { sw::ShowBitmapPlacementDialog(nullptr, std::string()); });
    swtest::ExpectStored("BMPprint", {{"Left", "1"}, {"Top", "1.5"}, {"Width", "2"}});
}

TEST_F(BitmapPlacementDialog, SwitchingTheUnitKeepsTheNumbersShownAndSavesThemInTheNewUnit) {
    swtest::Store("BMPprint", "Left", "1");
    DialogDriver(kCaption)
        .Click(IDC_BMP_CENTIMETERS)
        .Inspect([](HWND dialog) { EXPECT_EQ(ItemText(dialog, IDC_BMP_LEFT), "1"); })
        .Click(IDC_BMP_RETURN)
        .Run([] { sw::ShowBitmapPlacementDialog(nullptr, std::string()); });
    EXPECT_EQ(Stored("BMPprint", "Left"), "0.393700787401575"); // 1 cm in inches
}

} // namespace
