// The auto formfeed and orientation dialogs, driven as a user drives them;
// the tests check what they wrote to the settings file.
#include "resources/resource.h"
#include "settings/formfeed_dialog.h"
#include "settings/orientation_dialog.h"
#include "support/dialog_driver.h"
#include "support/settings_file.h"
#include "support/stored_settings.h"

#include <gtest/gtest.h>

namespace {

using swtest::DialogDriver;
using swtest::ExpectStored;
using swtest::IsChecked;
using swtest::ItemText;
using swtest::Stored;

const char kPrinter[] = "sw_raw";
const std::string kLongPrinter = "sw_long_name_queue_0123456789_0123456789_0123456789_0123456"
                                 "_and_then_some_more_to_pass_79_characters";
const char kFeedCaption[] = "Auto Formfeed Option";
const char kOrientationCaption[] = "Orientation";
const std::string kOrientationSection = std::string("Printers Orientation ") + kPrinter;
const char kWarning[] = "If the current settings is incorrect the printing will produce garbage\r"
                        "You can remove the option with the 'No orientation' button";

class FormfeedDialog : public swtest::SettingsFileTest {};
class OrientationDialog : public swtest::SettingsFileTest {};

TEST_F(FormfeedDialog, OpensUncheckedForANewPrinterAndReturnStoresZero) {
    DialogDriver(kFeedCaption)
        .Inspect([](HWND dialog) {
            EXPECT_EQ(ItemText(dialog, IDC_FEED_PRINTER), kPrinter);
            EXPECT_FALSE(IsChecked(dialog, IDC_FEED_ON));
        })
        .Click(IDC_FEED_RETURN)
        .Run([] { sw::ShowAutoFormfeedDialog(nullptr, kPrinter); });
    EXPECT_EQ(Stored("Printers AutoFormfeed", kPrinter), "0");
}

TEST_F(FormfeedDialog, CloseBoxSavesTheCheckUnderTheWholeLongName) {
    DialogDriver(kFeedCaption).Click(IDC_FEED_ON).CloseBox().Run([] {
        sw::ShowAutoFormfeedDialog(nullptr, kLongPrinter);
    });
    EXPECT_EQ(Stored("Printers AutoFormfeed", kLongPrinter), "1");
}

TEST_F(FormfeedDialog, AnyStoredNonZeroValueShowsCheckedAndSurvivesAReturn) {
    for (const char* value : {"1", "-1", " 2 "}) {
        swtest::Store("Printers AutoFormfeed", kPrinter, value);
        DialogDriver(kFeedCaption)
            .Inspect([&](HWND dialog) {
                EXPECT_TRUE(IsChecked(dialog, IDC_FEED_ON)) << "stored " << value;
            })
            .Click(IDC_FEED_RETURN)
            .Run([] { sw::ShowAutoFormfeedDialog(nullptr, kPrinter); });
        EXPECT_EQ(Stored("Printers AutoFormfeed", kPrinter), "1") << "stored " << value;
    }
}

TEST_F(OrientationDialog, FreshPrinterShowsDefaultsAndReturnWarnsThenStoresPortrait) {
    DialogDriver(kOrientationCaption)
        .Inspect([](HWND dialog) {
            EXPECT_EQ(ItemText(dialog, IDC_ORIENT_PRINTER), kPrinter);
            EXPECT_EQ(ItemText(dialog, IDC_ORIENT_LANDSCAPE_CODE), "027 038 108 049 079");
            EXPECT_EQ(ItemText(dialog, IDC_ORIENT_PORTRAIT_CODE), "027 038 108 048 079");
            EXPECT_TRUE(IsChecked(dialog, IDC_ORIENT_PORTRAIT));
            EXPECT_FALSE(IsChecked(dialog, IDC_ORIENT_LANDSCAPE));
        })
        .Click(IDC_ORIENT_RETURN)
        .On("Spoolwright utility")
        .Inspect([](HWND box) { EXPECT_EQ(swtest::MessageBoxText(box), kWarning); })
        .Click(IDOK)
        .Run([] { sw::ShowOrientationDialog(nullptr, kPrinter); });
    ExpectStored(kOrientationSection, {{"Landscape code", "027 038 108 049 079"},
                                       {"Portrait code", "027 038 108 048 079"},
                                       {"Landscape status", "0"}});
}

TEST_F(OrientationDialog, EnterInACodeFieldMeansNoOrientationAndKeepsTheCodes) {
    swtest::Store(kOrientationSection, "Landscape status", "1");
    DialogDriver(kOrientationCaption)
        .SetText(IDC_ORIENT_LANDSCAPE_CODE, "027 040")
        .PressKey(IDC_ORIENT_LANDSCAPE_CODE, VK_RETURN)
        .Run([] { sw::ShowOrientationDialog(nullptr, kPrinter); });
    ExpectStored(kOrientationSection, {{"Landscape status", "N"}, {"Landscape code", "<missing>"}});
}

TEST_F(OrientationDialog, InvalidCodeIsReportedAndIgnoredWhileTheRestIsSaved) {
    swtest::Store(kOrientationSection, "Portrait code", "027 038 108 048 079");
    DialogDriver(kOrientationCaption)
        .SetText(IDC_ORIENT_LANDSCAPE_CODE, "027 038 108 049 079")
        .SetText(IDC_ORIENT_PORTRAIT_CODE, "027 38 108  ")
        .Click(IDC_ORIENT_LANDSCAPE)
        .CloseBox()
        .On("Change ignored")
        .Inspect(
            [](HWND box) { EXPECT_EQ(swtest::MessageBoxText(box), "Invalid entry:\r027 38 108"); })
        .Click(IDOK)
        .Run([] { sw::ShowOrientationDialog(nullptr, kPrinter); });
    ExpectStored(kOrientationSection, {{"Landscape code", "027 038 108 049 079"},
                                       {"Portrait code", "027 038 108 048 079"},
                                       {"Landscape status", "1"}});
}

TEST_F(OrientationDialog, RadioButtonsStayExclusiveAndRestoreDefaultsRefillsTheCodes) {
    DialogDriver(kOrientationCaption)
        .SetText(IDC_ORIENT_LANDSCAPE_CODE, "027 001")
        .SetText(IDC_ORIENT_PORTRAIT_CODE, "027 002")
        .Click(IDC_ORIENT_LANDSCAPE)
        .Inspect([](HWND dialog) { EXPECT_FALSE(IsChecked(dialog, IDC_ORIENT_PORTRAIT)); })
        .Click(IDC_ORIENT_PORTRAIT)
        .Inspect([](HWND dialog) { EXPECT_FALSE(IsChecked(dialog, IDC_ORIENT_LANDSCAPE)); })
        .Click(IDC_ORIENT_DEFAULTS)
        .Inspect([](HWND dialog) {
            EXPECT_EQ(ItemText(dialog, IDC_ORIENT_LANDSCAPE_CODE), "027 038 108 049 079");
            EXPECT_EQ(ItemText(dialog, IDC_ORIENT_PORTRAIT_CODE), "027 038 108 048 079");
        })
        .Click(IDC_ORIENT_LANDSCAPE)
        .CloseBox()
        .Run([] { sw::ShowOrientationDialog(nullptr, kPrinter); });
    EXPECT_EQ(Stored(kOrientationSection, "Landscape status"), "1");
}

TEST_F(OrientationDialog, NoOrientationStatusReopensAsPortraitAndReturnReplacesIt) {
    swtest::StoreAll(kOrientationSection,
                     {{"Landscape status", "N"}, {"Landscape code", "027 099"}});
    DialogDriver(kOrientationCaption)
        .Inspect([](HWND dialog) {
            EXPECT_TRUE(IsChecked(dialog, IDC_ORIENT_PORTRAIT));
            EXPECT_EQ(ItemText(dialog, IDC_ORIENT_LANDSCAPE_CODE), "027 099");
        })
        .SetText(IDC_ORIENT_PORTRAIT_CODE, "027 038 108 048 079 ")
        .Click(IDC_ORIENT_RETURN)
        .On("Spoolwright utility")
        .Click(IDOK)
        .Run([] { sw::ShowOrientationDialog(nullptr, kPrinter); });
    // A valid text with a trailing blank is stored as typed; the profile
    // functions read it back without the blank.
    ExpectStored(kOrientationSection,
                 {{"Landscape status", "0"}, {"Portrait code", "027 038 108 048 079"}});
}

TEST_F(OrientationDialog, LongPrinterNamesKeepTheirWholeNameInTheSection) {
    DialogDriver(kOrientationCaption).Click(IDC_ORIENT_LANDSCAPE).CloseBox().Run([] {
        sw::ShowOrientationDialog(nullptr, kLongPrinter);
    });
    EXPECT_EQ(Stored("Printers Orientation " + kLongPrinter, "Landscape status"), "1");
}

} // namespace
