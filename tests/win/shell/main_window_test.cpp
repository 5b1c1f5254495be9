// The running swutil.exe under Xvfb: its window, printer list, status bar and
// indicator, drops, and the commands that print or refuse, driven across
// processes as a user and other programs drive it.
#include "common/library_text.h"
#include "printengine/swprint.h"
#include "resources/resource.h"
#include "support/main_window_fixture.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/temp_files.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace {

using swtest::RunningProgram;
using swtest::StartProgram;

// The main window with the steps of the failed-print tests.
class MainWindow : public swtest::MainWindowTest {
  protected:
    // Expects one message box of a failed print, owned by the main window,
    // that names the file and the printer; closes it and returns the reason
    // it gives after them.
    std::string CloseOnlyFailureMessage(const std::string& file, const std::string& printer) {
        HWND box = program_->WaitForDialog("Spoolwright Farreach", 10000);
        EXPECT_NE(box, nullptr) << "no message";
        if (box == nullptr)
            return "";
        EXPECT_EQ(GetWindow(box, GW_OWNER), window_);
        const std::string text = swtest::WindowText(GetDlgItem(box, 0xFFFF));
        const std::string names = "\"" + file + "\" was not printed on \"" + printer + "\".\n\n";
        EXPECT_EQ(text.rfind(names, 0), 0u) << text;
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(swtest::WaitFor([&] { return !IsWindow(box); }));
        EXPECT_FALSE(ShowsDialog("Spoolwright Farreach")) << "one message only";
        return text.rfind(names, 0) == 0 ? text.substr(names.size()) : text;
    }
};

TEST_F(MainWindow, OpensWithTitleSizePrintersStatusAndIndicator) {
    EXPECT_EQ(swtest::WindowText(window_), "Spoolwright Farreach Utility");
    RECT frame = {};
    GetWindowRect(window_, &frame);
    EXPECT_EQ(frame.right - frame.left, 495);
    EXPECT_EQ(frame.bottom - frame.top, 330);

    const std::vector<std::string> printers = swtest::ListBoxItems(Child(IDC_MAIN_PRINTERS));
    EXPECT_TRUE(std::is_sorted(printers.begin(), printers.end(), [](const auto& a, const auto& b) {
        return lstrcmpiA(a.c_str(), b.c_str()) < 0;
    }));
    EXPECT_NE(std::find(printers.begin(), printers.end(), "sw_raw"), printers.end());
    EXPECT_EQ(swtest::SelectedListBoxItem(Child(IDC_MAIN_PRINTERS)),
              sw::TakeLibraryText(DefaultPrinter()));

    EXPECT_EQ(Status(0), "");
    EXPECT_EQ(Status(1).rfind("This IP: ", 0), 0u) << Status(1);
    HWND indicator = GetDlgItem(Child(IDC_MAIN_TOOLBAR), IDC_MAIN_INDICATOR);
    EXPECT_EQ(swtest::WindowText(indicator), "No unattended");
    RECT box = {};
    GetWindowRect(indicator, &box);
    MapWindowPoints(nullptr, Child(IDC_MAIN_TOOLBAR), reinterpret_cast<POINT*>(&box), 2);
    EXPECT_EQ(box.left, 383);
}

TEST_F(MainWindow, DropSelectsTheLastFileAndNeverAFolder) {
    swtest::TempFile file("dropped");
    const std::string folder = swtest::RunFolder();
    swtest::DropFiles(window_, {folder, file.Path()});
    EXPECT_TRUE(swtest::WaitFor([&] { return Status(0) == file.Path(); })) << Status(0);
    swtest::DropFiles(window_, {file.Path(), folder});
    Sleep(300);
    EXPECT_EQ(Status(0), file.Path());
    // A drop of folders only keeps the selection there was.
    swtest::DropFiles(window_, {folder});
    Sleep(300);
    EXPECT_EQ(Status(0), file.Path());
}

TEST_F(MainWindow, PrintAndCopiesDoNothingWithoutAFile) {
    swtest::PrinterInbox inbox("sw_raw");
    SelectPrinter("sw_raw");
    swtest::PostCommand(window_, IDM_PRINT);
    swtest::PostCommand(window_, IDM_COPIES);
    EXPECT_FALSE(ShowsDialog("Number of copies"));
    swtest::TempFile marker("marker");
    swtest::DropFiles(window_, {marker.Path()});
    swtest::PostCommand(window_, IDM_PRINT);
    // The first job to arrive is the marker's: nothing was printed before it.
    EXPECT_EQ(inbox.NextJob(), "marker");
}

TEST_F(MainWindow, SelectInTheOpenFileDialogPrintsTheChosenFile) {
    swtest::TempFile file("chosen in the dialog");
    swtest::PrinterInbox inbox("sw_raw");
    SelectPrinter("sw_raw");
    swtest::PostCommand(window_, IDM_SELECT);
    swtest::ChooseInOpenFileDialog(*program_, file.Path());
    EXPECT_EQ(inbox.NextJob(), "chosen in the dialog");
    EXPECT_TRUE(swtest::WaitFor([&] { return Status(0) == file.Path(); })) << Status(0);
}

// The system's message for an error code, without the line end it ends in.
std::string SystemText(DWORD code) {
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                   text, sizeof(text), nullptr);
    std::string message = text;
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
        message.pop_back();
    return message;
}

// A print from the main window that fails says so: one message box, owned
// by the main window, naming the file, the printer and what the system says
// about the error. Here the dropped file was deleted before Print.
TEST_F(MainWindow, DroppedFileGoneBeforePrintShowsOneMessage) {
    std::string path;
    {
        swtest::TempFile file("gone before the print");
        path = file.Path();
        swtest::DropFiles(window_, {path});
        ASSERT_TRUE(swtest::WaitFor([&] { return Status(0) == path; }));
    }
    SelectPrinter("sw_raw");
    swtest::PostCommand(window_, IDM_PRINT);

    EXPECT_EQ(CloseOnlyFailureMessage(path, "sw_raw"), SystemText(2) + " (error 2)");
}

// Select prints at once: a bitmap that cannot be loaded prints no page and
// is reported by the window's message alone (the library shows none).
TEST_F(MainWindow, SelectedBitmapThatCannotBeLoadedShowsTheMessage) {
    swtest::StoreBitmapBox("-1", "1", "1", "2", "2");
    swtest::TempFile file("not a bitmap", ".bmp");
    swtest::PrinterInbox inbox("sw_bitmap");
    SelectPrinter("sw_bitmap");
    swtest::PostCommand(window_, IDM_SELECT);
    swtest::ChooseInOpenFileDialog(*program_, file.Path());

    const std::string reason = CloseOnlyFailureMessage(file.Path(), "sw_bitmap");
    EXPECT_NE(reason.find(" (error "), std::string::npos) << reason;
    EXPECT_EQ(FindWindowA("#32770", "Spoolwright"), nullptr) << "no message from the library";

    swtest::TempFile marker("marker");
    ASSERT_EQ(PrintFile("sw_bitmap", marker.Path().c_str()), 0);
    EXPECT_EQ(inbox.NextJob(), "marker") << "no page was printed";
}

// The queue of the selected printer is removed while the program runs (the
// test's own queue, used nowhere else): Print says that the file was not
// printed. Under Wine the printer still opens and the print server refuses
// the job when the document ends (error 6); on Windows the spooler refuses
// the printer. The file has line ends: Wine reports a short refused job
// without a line feed as taken (docs/testing-under-wine.md).
TEST_F(MainWindow, QueueRemovedWhileTheProgramRunsShowsTheMessage) {
    SelectPrinter("sw_removed");
    swtest::TempFile file("removed queue\r\n");
    swtest::DropFiles(window_, {file.Path()});
    ASSERT_TRUE(swtest::WaitFor([&] { return Status(0) == file.Path(); }));
    ASSERT_EQ(swtest::RunHostCommand(swtest::CupsCommand("lpadmin -x sw_removed")), 0);
    swtest::PostCommand(window_, IDM_PRINT);

    const std::string reason = CloseOnlyFailureMessage(file.Path(), "sw_removed");
    EXPECT_NE(reason.find(" (error "), std::string::npos) << reason;
}

TEST_F(MainWindow, RemotePrinterCannotBeMadeTheDefault) {
    const std::string log = swtest::RunFolder() + "\\companion-default.log";
    RunningProgram companion(swtest::ProgramFromEnvironment("SW_COMPANION_STANDIN"),
                             "\"" + log + "\" single site:laser");
    HWND list = Child(IDC_MAIN_PRINTERS);
    ASSERT_TRUE(swtest::WaitFor([&] {
        const auto items = swtest::ListBoxItems(list);
        return std::find(items.begin(), items.end(), "site:laser") != items.end();
    }));
    SelectPrinter("site:laser");
    swtest::PostCommand(window_, IDM_SET_DEFAULT);
    HWND box = program_->WaitForDialog("Spoolwright Farreach", 5000);
    ASSERT_NE(box, nullptr) << "the refusal";
    EXPECT_EQ(swtest::WindowText(GetDlgItem(box, 0xFFFF)),
              "Remote printers can not be set as default");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
}

TEST_F(MainWindow, UnattendedPrintingOnAtExitIsOnAgainAtTheNextStart) {
    HWND indicator = GetDlgItem(Child(IDC_MAIN_TOOLBAR), IDC_MAIN_INDICATOR);
    swtest::PostCommand(window_, IDM_UNATTENDED);
    ASSERT_TRUE(swtest::WaitFor([&] { return swtest::WindowText(indicator) == "Unattended"; }));
    PostMessageA(window_, WM_CLOSE, 0, 0);
    ASSERT_EQ(program_->WaitForExit(), 0u);
    EXPECT_EQ(Read("Unattended", "Status"), "1");

    auto next = StartProgram("");
    HWND window = next.WaitForWindow("SpoolwrightFarreach");
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(swtest::WaitFor([&] { return IsWindowVisible(window) != FALSE; }));
    HWND again = GetDlgItem(GetDlgItem(window, IDC_MAIN_TOOLBAR), IDC_MAIN_INDICATOR);
    EXPECT_EQ(swtest::WindowText(again), "Unattended");
    swtest::PostCommand(window, IDM_UNATTENDED);
    ASSERT_TRUE(swtest::WaitFor([&] { return swtest::WindowText(again) == "No unattended"; }));
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(next.WaitForExit(), 0u);
    EXPECT_EQ(Read("Unattended", "Status"), "0");
}

} // namespace
