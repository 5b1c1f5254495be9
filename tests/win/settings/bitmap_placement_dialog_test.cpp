// The bitmap placement dialog: units, the ask-before-printing choice written
// at each click, and the four measures stored as inches.
#include "resources/resource.h"
#include "settings/bitmap_placement_dialog.h"
#include "support/dialog_driver.h"
#include "support/settings_file.h"

#include <gtest/gtest.h>

namespace {

using swtest::DialogDriver;
using swtest::IsChecked;
using swtest::ItemText;
using swtest::Stored;

const char kCaption[] = "Bitmap printing";

void Open() {
    sw::ShowBitmapPlacementDialog();
}

class BitmapPlacementDialog : public swtest::SettingsFileTest {};

TEST_F(BitmapPlacementDialog, FreshFileShowsInchesAskAndZeros) {
    bool inches = false, centimeters = true, useSaved = true, ask = false;
    std::string left, top, width, height;
    DialogDriver()
        .On(kCaption)
        .Screenshot("bmpset")
        .Inspect([&](HWND dialog) {
            inches = IsChecked(dialog, IDC_BMP_INCHES);
            centimeters = IsChecked(dialog, IDC_BMP_CENTIMETERS);
            useSaved = IsChecked(dialog, IDC_BMP_USE_SAVED);
            ask = IsChecked(dialog, IDC_BMP_ASK);
            left = ItemText(dialog, IDC_BMP_LEFT);
            top = ItemText(dialog, IDC_BMP_TOP);
            width = ItemText(dialog, IDC_BMP_WIDTH);
            height = ItemText(dialog, IDC_BMP_HEIGHT);
        })
        .CloseBox()
        .Run(Open);
    EXPECT_TRUE(inches);
    EXPECT_FALSE(centimeters);
    EXPECT_FALSE(useSaved);
    EXPECT_TRUE(ask);
    EXPECT_EQ(left + " " + top + " " + width + " " + height, "0 0 0 0");
    EXPECT_EQ(Stored("BMPprint", "Left"), "<missing>") << "the close box stores no measure";
}

TEST_F(BitmapPlacementDialog, ReturnStoresTheTypedMeasuresInInches) {
    DialogDriver()
        .On(kCaption)
        .SetText(IDC_BMP_LEFT, "1")
        .SetText(IDC_BMP_TOP, "1.5")
        .SetText(IDC_BMP_WIDTH, "six")
        .SetText(IDC_BMP_HEIGHT, "-4")
        .Click(IDC_BMP_RETURN)
        .Run(Open);
    EXPECT_EQ(Stored("BMPprint", "Left"), "1");
    EXPECT_EQ(Stored("BMPprint", "Top"), "1.5");
    EXPECT_EQ(Stored("BMPprint", "Width"), "0");
    EXPECT_EQ(Stored("BMPprint", "Height"), "-4");
}

TEST_F(BitmapPlacementDialog, EachRadioClickIsStoredAtOnceEvenWhenClosedWithTheCloseBox) {
    std::string useSavedAfterClick, inchesAfterClick;
    bool askAfterClick = true, inchesButtonAfterClick = true;
    DialogDriver()
        .On(kCaption)
        .Click(IDC_BMP_USE_SAVED)
        .Click(IDC_BMP_CENTIMETERS)
        .Inspect([&](HWND dialog) {
            useSavedAfterClick = Stored("BMPprint", "UseSaved");
            inchesAfterClick = Stored("BMPprint", "Inches");
            askAfterClick = IsChecked(dialog, IDC_BMP_ASK);
            inchesButtonAfterClick = IsChecked(dialog, IDC_BMP_INCHES);
        })
        .SetText(IDC_BMP_LEFT, "3")
        .CloseBox()
        .Run(Open);
    EXPECT_EQ(useSavedAfterClick, "-1");
    EXPECT_EQ(inchesAfterClick, "0");
    EXPECT_FALSE(askAfterClick);
    EXPECT_FALSE(inchesButtonAfterClick);
    EXPECT_EQ(Stored("BMPprint", "Left"), "<missing>");

    DialogDriver().On(kCaption).Click(IDC_BMP_ASK).Click(IDC_BMP_INCHES).CloseBox().Run(Open);
    EXPECT_EQ(Stored("BMPprint", "UseSaved"), "0");
    EXPECT_EQ(Stored("BMPprint", "Inches"), "-1");
}

TEST_F(BitmapPlacementDialog, CentimetersAreShownAndTypedButInchesAreStored) {
    swtest::Store("BMPprint", "Inches", "0");
    swtest::Store("BMPprint", "UseSaved", "-1");
    swtest::Store("BMPprint", "Left", "1");
    swtest::Store("BMPprint", "Top", "1.5");
    std::string left, top;
    bool centimeters = false, useSaved = false;
    DialogDriver()
        .On(kCaption)
        .Inspect([&](HWND dialog) {
            left = ItemText(dialog, IDC_BMP_LEFT);
            top = ItemText(dialog, IDC_BMP_TOP);
            centimeters = IsChecked(dialog, IDC_BMP_CENTIMETERS);
            useSaved = IsChecked(dialog, IDC_BMP_USE_SAVED);
        })
        .SetText(IDC_BMP_WIDTH, "5.08")
        .Click(IDC_BMP_RETURN)
        .Run(Open);
    EXPECT_TRUE(centimeters);
    EXPECT_TRUE(useSaved);
    EXPECT_EQ(left, "2.54");
    EXPECT_EQ(top, "3.81");
    EXPECT_EQ(Stored("BMPprint", "Left"), "1");
    EXPECT_EQ(Stored("BMPprint", "Top"), "1.5");
    EXPECT_EQ(Stored("BMPprint", "Width"), "2");
}

TEST_F(BitmapPlacementDialog, SwitchingTheUnitKeepsTheNumbersShownAndSavesThemInTheNewUnit) {
    swtest::Store("BMPprint", "Left", "1");
    std::string leftAfterSwitch;
    DialogDriver()
        .On(kCaption)
        .Click(IDC_BMP_CENTIMETERS)
        .Inspect([&](HWND dialog) { leftAfterSwitch = ItemText(dialog, IDC_BMP_LEFT); })
        .Click(IDC_BMP_RETURN)
        .Run(Open);
    EXPECT_EQ(leftAfterSwitch, "1");
    EXPECT_EQ(Stored("BMPprint", "Left"), "0.393700787401575"); // 1 cm in inches
}

} // namespace
