// Help, the About box, the system information tool, the web links and the
// driver download dialog. What the shell starts is seen through a stand-in
// program registered for web addresses (and as the system information tool),
// which writes its command line to %TEMP%\sw_started.txt.
#include "common/program_folder.h"
#include "info/about_box.h"
#include "info/driver_download_dialog.h"
#include "info/help_topic.h"
#include "info/system_info.h"
#include "info/web_addresses.h"
#include "info/web_links.h"
#include "remote/dial_up.h"
#include "resources/resource.h"
#include "support/dialog_driver.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/registry_text.h"
#include "support/shell_stand_ins.h"
#include "support/temp_files.h"
#include "tests/support/help_file_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using swtest::DialogDriver;

using swtest::MarkerLine;
using swtest::StartedCommands;
using swtest::StartedUpToMarker;

// Opens https addresses with `program` (the stand-in, or a program that does
// not exist) while it lives.
swtest::ScopedClassesText BrowserAssociation(const std::string& program) {
    return {"https\\shell\\open\\command", "\"" + program + "\" \"%1\""};
}

// Each test starts with no stand-in started and no system information tool registered.
class Information : public testing::Test {
  protected:
    void SetUp() override { TearDown(); }
    void TearDown() override {
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, sw::kSystemInfoKey);
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, sw::kSharedToolsKey);
        DeleteFileA(swtest::StartedLog().c_str());
    }
    static std::string StandIn() { return swtest::TestProgramFolder() + "started_program.exe"; }

    sw::DialUpState dialUp_; // as the program starts: no remote access library
};

TEST_F(Information, RegistryTextIsReadWithReadAccessOnly) {
    swtest::SetRegistryText(HKEY_LOCAL_MACHINE, sw::kSystemInfoKey, sw::kSystemInfoValue,
                            "C:\\tools\\info.exe");
    std::string text = "stale";
    swtest::PoisonLastError();
    EXPECT_TRUE(
        sw::ReadRegistryText(HKEY_LOCAL_MACHINE, sw::kSystemInfoKey, sw::kSystemInfoValue, text));
    EXPECT_EQ(text, "C:\\tools\\info.exe");
    EXPECT_FALSE(sw::ReadRegistryText(HKEY_LOCAL_MACHINE, sw::kSystemInfoKey, "missing", text));
    EXPECT_EQ(text, "");
    text = "stale";
    EXPECT_FALSE(sw::ReadRegistryText(HKEY_LOCAL_MACHINE, "SOFTWARE\\no such key", "x", text));
    EXPECT_EQ(text, "");
}

TEST_F(Information, SystemInfoStartsTheToolNamedByEitherValue) {
    sw::ShowSystemInfo(); // both values missing: nothing happens
    EXPECT_EQ(StartedUpToMarker(StandIn()), std::vector<std::string>{MarkerLine(StandIn())});
    DeleteFileA(swtest::StartedLog().c_str());

    swtest::SetRegistryText(HKEY_LOCAL_MACHINE, sw::kSystemInfoKey, sw::kSystemInfoValue,
                            StandIn());
    sw::ShowSystemInfo();
    ASSERT_EQ(StartedCommands(1).size(), 1u);
    EXPECT_EQ(StartedCommands(1)[0], "\"" + StandIn() + "\"");
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, sw::kSystemInfoKey);

    // The folder value needs a file named MSINFO32.EXE in it.
    const swtest::TempFolder folder("-msinfo", swtest::RunFolder());
    swtest::SetRegistryText(HKEY_LOCAL_MACHINE, sw::kSharedToolsKey, sw::kSharedToolsValue,
                            folder.Path());
    sw::ShowSystemInfo();
    EXPECT_EQ(StartedUpToMarker(StandIn()).size(), 2u) << "no MSINFO32.EXE in the folder yet";
    ASSERT_TRUE(CopyFileA(StandIn().c_str(), folder.In("MSINFO32.EXE").c_str(), FALSE));
    sw::ShowSystemInfo();
    EXPECT_EQ(StartedCommands(3).size(), 3u);
}

TEST_F(Information, AWebLinkOpensItsPageWithoutDialingWhenNoLibraryIsLoaded) {
    const auto browser = BrowserAssociation(StandIn());
    sw::OpenWebLink(sw::kMakerHomePage, dialUp_);
    const auto started = StartedCommands(1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_NE(started[0].find(std::string(sw::WebLinkAddress(1))), std::string::npos) << started[0];
    // No connection is active, so the link asked for one; at exit the
    // hang-up finds nothing to hang up.
    EXPECT_TRUE(dialUp_.dialedForWeb);
    EXPECT_EQ(sw::HangUpConnections(dialUp_.library, ""), 1002u);
}

TEST_F(Information, ABrowserThatCannotStartIsReported) {
    const auto browser = BrowserAssociation("C:\\no\\such\\browser.exe");
    DialogDriver("Spoolwright")
        .Inspect([](HWND box) {
            EXPECT_EQ(swtest::MessageBoxText(box),
                      "Sorry, neither Microsoft Explorer nor Netscape Navigator was found");
        })
        .Click(IDOK)
        .Run([this] { sw::OpenWebLink(sw::kMakerHomePage, dialUp_); });
}

TEST_F(Information, TheAboutBoxShowsTheProgramAndItsMaker) {
    DialogDriver("About Spoolwright")
        .Inspect([](HWND box) {
            std::vector<std::string> texts;
            for (int id : {IDC_ABOUT_PRODUCT, IDC_ABOUT_VERSION, IDC_ABOUT_SYSTEM_INFO,
                           IDC_ABOUT_ORDER, IDC_ABOUT_MAKER})
                texts.push_back(swtest::ItemText(box, id));
            EXPECT_EQ(texts,
                      (std::vector<std::string>{"Spoolwright Farreach Utility", "Version 2.00",
                                                "&System Info", "&Order", "Quorvel Enterprises"}));
            EXPECT_NE(GetDlgItem(box, IDC_ABOUT_ICON), nullptr);
            for (int id : {IDC_ABOUT_STREET, IDC_ABOUT_CITY, IDC_ABOUT_PHONE, IDC_ABOUT_EMAIL})
                EXPECT_FALSE(swtest::ItemText(box, id).empty()) << id;
        })
        .PressKey(IDOK, VK_RETURN)
        .Run([this] { EXPECT_EQ(sw::RunAboutBox(nullptr, dialUp_), 1); });
    DialogDriver("About Spoolwright").PressKey(IDOK, VK_ESCAPE).Run([this] {
        EXPECT_EQ(sw::RunAboutBox(nullptr, dialUp_), 0);
    });
}

TEST_F(Information, OrderAndSystemInfoLeaveTheAboutBoxOpen) {
    const auto browser = BrowserAssociation(StandIn());
    swtest::SetRegistryText(HKEY_LOCAL_MACHINE, sw::kSystemInfoKey, sw::kSystemInfoValue,
                            StandIn());
    DialogDriver("About Spoolwright")
        .Click(IDC_ABOUT_ORDER)
        .Click(IDC_ABOUT_SYSTEM_INFO)
        .On("About Spoolwright")
        .Inspect([](HWND box) { EXPECT_TRUE(IsWindowVisible(box)); })
        .CloseBox()
        .Run([this] { sw::ShowAboutBox(nullptr, dialUp_); });
    const auto started = StartedCommands(2);
    ASSERT_EQ(started.size(), 2u);
    const std::string both = started[0] + "\n" + started[1];
    EXPECT_NE(both.find(std::string(sw::WebLinkAddress(2))), std::string::npos) << both;
}

TEST_F(Information, TheDriverDialogListsTheMakersAndOpensTheSelectedOnesPage) {
    const auto browser = BrowserAssociation(StandIn());
    DialogDriver(sw::kDriverDialogCaption)
        .Inspect([](HWND dialog) {
            EXPECT_EQ(swtest::ListItems(dialog, sw::kDriverMakerList),
                      (std::vector<std::string>{"Apollo", "Canon", "Epson", "Hewlett-Packard",
                                                "Lexmark", "Okidata"}));
            EXPECT_EQ(swtest::ItemText(dialog, sw::kDriverMakerLabel), "Printer Manufacturer");
        })
        .Click(sw::kDriverDownload) // nothing selected: stays open
        .On(sw::kDriverDialogCaption)
        .SelectItem(sw::kDriverMakerList, 2)
        .Click(sw::kDriverDownload)
        .Run([] { sw::ShowDriverDownloadDialog(nullptr); });
    const auto started = StartedCommands(1);
    ASSERT_EQ(started.size(), 1u);
    EXPECT_NE(started[0].find(std::string(sw::DriverDownloadAddress(2))), std::string::npos)
        << started[0];
    EXPECT_FALSE(dialUp_.dialedForWeb) << "the driver dialog makes no dial-up check";
}

TEST_F(Information, ExitClosesTheDriverDialogWithoutOpeningAnything) {
    const auto browser = BrowserAssociation(StandIn());
    DialogDriver(sw::kDriverDialogCaption)
        .SelectItem(sw::kDriverMakerList, 0)
        .Click(sw::kDriverExit)
        .Run([] { sw::ShowDriverDownloadDialog(nullptr); });
    EXPECT_EQ(StartedUpToMarker(StandIn()), std::vector<std::string>{MarkerLine(StandIn())})
        << "Exit opened nothing before the marker";
}

// Without the help file nothing is opened, since the viewer would answer with
// a message box of its own that holds up the caller, a set-up run included.
TEST_F(Information, MissingHelpFileOpensNoViewer) {
    char windows[MAX_PATH] = {};
    GetWindowsDirectoryA(windows, MAX_PATH);
    if (swtest::FileExists(std::string(windows) + "\\" + sw::kHelpFileName))
        GTEST_SKIP() << "a help file in the Windows folder is found by its bare name";
    // The test's folder is also its current folder.
    const std::string beside = sw::ProgramFolder() + sw::kHelpFileName;
    const std::string aside = beside + ".aside";
    ASSERT_TRUE(MoveFileExA(beside.c_str(), aside.c_str(), MOVEFILE_REPLACE_EXISTING))
        << "error " << GetLastError();

    EXPECT_EQ(sw::HelpFilePath(), sw::kHelpFileName);
    sw::ShowHelpTopic(nullptr, sw::kHelpContents);
    const bool shown =
        swtest::WaitFor([] { return FindWindowA("MS_WINHELP", nullptr) != nullptr; }, 4000);
    EXPECT_TRUE(MoveFileExA(aside.c_str(), beside.c_str(), MOVEFILE_REPLACE_EXISTING))
        << "error " << GetLastError();
    EXPECT_FALSE(shown);
}

struct HelpView {
    HWND window = nullptr;
    std::string text; // of the topic shown
};

BOOL CALLBACK CollectText(HWND child, LPARAM lParam) {
    char className[64] = {};
    GetClassNameA(child, className, sizeof(className));
    if (std::string(className).find("RichEdit") != std::string::npos) {
        WCHAR text[8192] = {};
        SendMessageW(child, WM_GETTEXT, sizeof(text) / sizeof(text[0]),
                     reinterpret_cast<LPARAM>(text));
        char ansi[8192] = {};
        WideCharToMultiByte(CP_ACP, 0, text, -1, ansi, sizeof(ansi), nullptr, nullptr);
        *reinterpret_cast<std::string*>(lParam) += ansi;
    }
    return TRUE;
}

HelpView WaitForHelp(const std::string& expected) {
    HelpView view;
    swtest::WaitFor([&] {
        view = HelpView();
        view.window = FindWindowA("MS_WINHELP", nullptr);
        if (view.window == nullptr)
            return false;
        EnumChildWindows(view.window, CollectText, reinterpret_cast<LPARAM>(&view.text));
        return view.text.find(expected) != std::string::npos;
    });
    return view;
}

TEST_F(Information, TheHelpFileOpensAtBothContextNumbers) {
    ASSERT_TRUE(swtest::FileExists(sw::HelpFilePath())) << sw::HelpFilePath();
    EXPECT_EQ(sw::HelpFilePath(), swtest::TestProgramFolder() + "Spoolwright.hlp");
    const auto contents = swtest::ReadHelpFile(swtest::ReadWholeFile(sw::HelpFilePath()));
    ASSERT_TRUE(contents);

    sw::ShowHelpTopic(nullptr, sw::kHelpSetUp);
    HelpView view = WaitForHelp("Spoolwright is installed");
    ASSERT_NE(view.window, nullptr) << "no help viewer window";
    EXPECT_EQ(swtest::WindowText(view.window), contents->title);
    EXPECT_NE(view.text.find("Spoolwright is installed"), std::string::npos) << view.text;

    sw::ShowHelpTopic(nullptr, sw::kHelpContents);
    view = WaitForHelp("Choose a topic");
    EXPECT_NE(view.text.find("sends files straight to your printers"), std::string::npos)
        << view.text;
    EXPECT_NE(view.text.find("Remote printing"), std::string::npos) << view.text;
    WinHelpA(nullptr, sw::HelpFilePath().c_str(), HELP_QUIT, 0);
}

} // namespace
