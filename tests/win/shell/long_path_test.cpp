// Paths longer than 259 characters are never cut: swutil.exe prints them from
// the command line and after a drop; a path longer than the system's file
// calls take is refused with a message in the window, and nothing is printed.
#include "resources/resource.h"
#include "support/long_path_file.h"
#include "support/main_window_fixture.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/temp_files.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using swtest::PrinterInbox;

TEST(LongPath, CommandLinePrintsAPathLongerThan259Characters) {
    const swtest::LongPathFile file("long path job");
    ASSERT_GT(file.Path().size(), 300u);
    PrinterInbox inbox("sw_raw");
    auto program = swtest::StartProgram("\"sw_raw|" + file.Path() + "\"");
    EXPECT_EQ(program.WaitForExit(), 0u) << "printed and ended";
    EXPECT_EQ(inbox.NextJob(), "long path job");
}

class LongPathWindow : public swtest::MainWindowTest {
  protected:
    void SetUp() override {
        swtest::MainWindowTest::SetUp();
        SelectPrinter("sw_raw");
    }
};

TEST_F(LongPathWindow, ADroppedLongPathIsSelectedWholeAndPrinted) {
    const swtest::LongPathFile file("dropped long path");
    swtest::DropFiles(window_, {file.Path()});
    EXPECT_TRUE(swtest::WaitFor([&] { return Status() == file.Path(); })) << Status();
    PrinterInbox inbox("sw_raw");
    swtest::PostCommand(window_, IDM_PRINT);
    EXPECT_EQ(inbox.NextJob(), "dropped long path");
}

TEST_F(LongPathWindow, APathLongerThanTheSystemTakesIsRefusedWithAMessage) {
    const std::string tooLong = "C:\\" + std::string(33000, 'x') + ".prn";
    swtest::DropFiles(window_, {tooLong});
    Sleep(500);
    PrinterInbox inbox("sw_raw");
    swtest::PostCommand(window_, IDM_PRINT);
    HWND box = program_->WaitForDialog("Spoolwright Farreach", 5000);
    ASSERT_NE(box, nullptr) << "the refusal";
    EXPECT_NE(swtest::WindowText(GetDlgItem(box, 0xFFFF)).find("longer than Windows can open"),
              std::string::npos);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    // The first job to arrive is the marker's: nothing was printed before it.
    swtest::TempFile marker("marker");
    swtest::DropFiles(window_, {marker.Path()});
    ASSERT_TRUE(swtest::WaitFor([&] { return Status() == marker.Path(); }));
    swtest::PostCommand(window_, IDM_PRINT);
    EXPECT_EQ(inbox.NextJob(), "marker");
}

} // namespace
