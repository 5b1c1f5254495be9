// Unattended printing switched on and off as the main window does it: a real
// window-less timer whose ticks a message loop dispatches, the indicator's
// text, and the state kept in "Spoolwright.ini".
#include "support/print_context.h"
#include "support/print_server.h"
#include "support/program_driver.h"
#include "support/temp_files.h"
#include "unattended/schedule_file.h"
#include "unattended/unattended_printing.h"
#include "unattended_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using swtest::kSchedulePrinter;

class UnattendedTimer : public swtest::UnattendedTest {
  protected:
    void TearDown() override {
        sw::StopUnattendedPrinting(timer_);
        swtest::UnattendedTest::TearDown();
    }
    UINT_PTR timer_ = 0; // the program's timer
};

TEST_F(UnattendedTimer, TicksFromTheMessageLoopPrintUntilSwitchedOff) {
    HWND indicator = CreateWindowA("EDIT", "No unattended", WS_POPUP, 0, 0, 100, 20, nullptr,
                                   nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(indicator, nullptr);
    swtest::WriteScheduleFile({Watching("*.prn").Interval(100).ToRecycleBin()});
    ASSERT_EQ(sw::MinimumInterval(), 100);
    WriteInFolder("timed-first.prn", "first");
    swtest::PrinterInbox inbox(kSchedulePrinter);

    sw::ToggleUnattendedPrinting(indicator, timer_, swtest::FreshPrintContext());
    EXPECT_NE(timer_, 0u);
    EXPECT_EQ(swtest::WindowText(indicator), "Unattended");
    EXPECT_TRUE(swtest::WaitFor([] { return swtest::EventLogLines().size() == 1; }, 20000))
        << "a tick printed the file";
    EXPECT_EQ(inbox.NextJob(), "first");

    // A file that arrives later is found by a later tick of the same timer.
    WriteInFolder("timed-second.prn", "second");
    EXPECT_TRUE(swtest::WaitFor([] { return swtest::EventLogLines().size() == 2; }, 20000));
    EXPECT_EQ(inbox.NextJob(), "second");

    sw::ToggleUnattendedPrinting(indicator, timer_, swtest::FreshPrintContext());
    EXPECT_EQ(timer_, 0u);
    EXPECT_EQ(swtest::WindowText(indicator), "No unattended");
    WriteInFolder("timed-third.prn", "third");
    swtest::PumpMessagesFor(500);
    EXPECT_EQ(swtest::EventLogLines().size(), 2u) << "no tick after switching off";
    EXPECT_TRUE(swtest::FileExists(InFolder("timed-third.prn")));
    DestroyWindow(indicator);
}

TEST_F(UnattendedTimer, StopSaysWhetherItRanAndANullIndicatorIsFine) {
    EXPECT_FALSE(sw::StopUnattendedPrinting(timer_));
    sw::ToggleUnattendedPrinting(nullptr, timer_, swtest::FreshPrintContext());
    EXPECT_NE(timer_, 0u);
    EXPECT_TRUE(sw::StopUnattendedPrinting(timer_));
    EXPECT_EQ(timer_, 0u);
    EXPECT_FALSE(sw::StopUnattendedPrinting(timer_));
}

TEST_F(UnattendedTimer, StateAcrossRunsIsTheStatusKey) {
    EXPECT_FALSE(sw::UnattendedPrintingWasOn()) << "no settings file";
    const struct {
        const char* value;
        bool on;
    } cases[] = {{"1", true}, {"0", false}, {"-1", true}, {"2", true}, {"", false}, {"abc", false}};
    for (const auto& c : cases) {
        swtest::Store("Unattended", "Status", c.value);
        EXPECT_EQ(sw::UnattendedPrintingWasOn(), c.on) << '"' << c.value << '"';
    }
    sw::RecordUnattendedPrinting(true);
    EXPECT_EQ(swtest::Stored("Unattended", "Status"), "1");
    sw::RecordUnattendedPrinting(false);
    EXPECT_EQ(swtest::Stored("Unattended", "Status"), "0");
}

} // namespace
