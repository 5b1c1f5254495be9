// The placement box of bitmap prints from the real settings file, and when the
// placement dialog is shown first.
#include "settings/bitmap_placement.h"
#include "settings/setting_names.h"
#include "support/settings_file.h"
#include "support/stored_settings.h"

#include <gtest/gtest.h>

namespace {

int placementDialogShown = 0;
double placementDialogLeft = 0;
std::string placementDialogPrinter;

// Stands in for the placement dialog: counts how often it was shown and plays
// a user who types the given left measure and leaves with "&Return".
void ShowPlacementDialog(HWND, const std::string& printer) {
    ++placementDialogShown;
    placementDialogPrinter = printer;
    sw::WriteSettingNumber(sw::SettingsFilePath(), sw::kBitmapSection, sw::kLeftKey,
                           placementDialogLeft);
}

class BitmapPlacement : public swtest::SettingsFileTest {
  protected:
    void SetUp() override {
        swtest::SettingsFileTest::SetUp();
        placementDialogShown = 0;
        placementDialogLeft = 0;
    }
    // The box GetBitmapPlacement gives, every measure `start` before the call.
    static sw::BitmapPlacement Placement(double start = 0) {
        sw::BitmapPlacement box{start, start, start, start};
        sw::GetBitmapPlacement(nullptr, "Laser", box.left, box.top, box.width, box.height,
                               ShowPlacementDialog);
        return box;
    }
};

void ExpectBox(const sw::BitmapPlacement& box, const sw::BitmapPlacement& expected) {
    EXPECT_EQ(box.left, expected.left) << "left";
    EXPECT_EQ(box.top, expected.top) << "top";
    EXPECT_EQ(box.width, expected.width) << "width";
    EXPECT_EQ(box.height, expected.height) << "height";
}

TEST_F(BitmapPlacement, FreshFileShowsTheDialogAndGivesAnEmptyBox) {
    const sw::BitmapPlacement box = Placement(9);
    EXPECT_EQ(placementDialogShown, 1);
    EXPECT_EQ(placementDialogPrinter, "Laser") << "the box is kept on that printer's page";
    ExpectBox(box, {0, 0, 0, 0});
}

TEST_F(BitmapPlacement, TheBoxIsReadAfterTheDialogCloses) {
    Write("BMPprint", "UseSaved", "0");
    placementDialogLeft = 2.25;
    const sw::BitmapPlacement box = Placement(9);
    EXPECT_EQ(placementDialogShown, 1);
    // Not stored: read as 0.
    ExpectBox(box, {2.25, 0, 0, 0});
}

TEST_F(BitmapPlacement, UseSavedPrintsTheStoredBoxWithoutAsking) {
    WriteRawFile("[bmpprint]\r\nInches=-1\r\nUSESAVED=-1\r\nLeft=1\r\nTop= 1.5 \r\n"
                 "Width=6\r\nHeight=4\r\n");
    for (int copy = 0; copy < 3; ++copy) {
        const sw::BitmapPlacement box = Placement();
        ExpectBox(box, {1, 1.5, 6, 4});
    }
    EXPECT_EQ(placementDialogShown, 0);
}

TEST_F(BitmapPlacement, MeasuresAreInchesWhateverTheUnit) {
    Write("BMPprint", "Inches", "0"); // the dialog shows centimeters
    Write("BMPprint", "UseSaved", "-1");
    sw::WriteBitmapPlacement({1, 1.5, 6, 4});
    swtest::ExpectStored("BMPprint",
                         {{"Left", "1"}, {"Top", "1.5"}, {"Width", "6"}, {"Height", "4"}});
    const sw::BitmapPlacement box = Placement();
    ExpectBox(box, {1, 1.5, 6, 4});
    EXPECT_EQ(placementDialogShown, 0);
}

TEST_F(BitmapPlacement, TextThatIsNoNumberReadsAsZero) {
    WriteRawFile("[BMPprint]\r\nUseSaved=-1\r\nLeft=abc\r\nTop=-2\r\nWidth=3cm\r\n");
    const sw::BitmapPlacement box = sw::ReadBitmapPlacement();
    // Negative numbers are kept.
    ExpectBox(box, {0, -2, 3, 0});
}

} // namespace
