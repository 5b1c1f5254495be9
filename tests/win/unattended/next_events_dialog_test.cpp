// The next-events dialog: its report list of the schedules' next events,
// earliest first, and the sort by a clicked column's header.
#include "resources/resource.h"
#include "support/dialog_driver.h"
#include "unattended/list_view_helpers.h"
#include "unattended/next_events.h"
#include "unattended/schedule_file.h"
#include "unattended/unattended_printing.h"
#include "unattended_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using swtest::DialogDriver;

const char kCaption[] = "Scheduled next events";

using Rows = std::vector<std::vector<std::string>>;

Rows ReadRows(HWND list) {
    Rows rows;
    for (int row = 0; row < sw::ReportRowCount(list); ++row) {
        std::vector<std::string> cells;
        for (int column = 0; column < 4; ++column)
            cells.push_back(sw::ReportCellText(list, row, column));
        rows.push_back(cells);
    }
    return rows;
}

std::vector<LPARAM> RowNumbers(HWND list) {
    std::vector<LPARAM> numbers;
    for (int row = 0; row < sw::ReportRowCount(list); ++row)
        numbers.push_back(sw::ReportRowNumber(list, row));
    return numbers;
}

// A mouse click on the header of a column, as the user makes it.
DialogDriver& ClickHeader(DialogDriver& driver, int column) {
    return driver.Inspect([column](HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_ELIST_EVENTS);
        HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
        RECT item = {};
        SendMessageA(header, HDM_GETITEMRECT, column, reinterpret_cast<LPARAM>(&item));
        const LPARAM point = MAKELPARAM((item.left + item.right) / 2, (item.top + item.bottom) / 2);
        SendMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, point);
        SendMessageA(header, WM_LBUTTONUP, 0, point);
    });
}

sw::ScheduleRecord Event(const std::string& printer, int days, int hour) {
    return swtest::ScheduleBuilder("C:\\Out", "*." + printer, printer).Days(days).From(hour);
}

class NextEventsDialog : public swtest::UnattendedTest {
  protected:
    static void Open() { sw::ShowNextEventsDialog(nullptr); }
};

TEST_F(NextEventsDialog, ListsEveryScheduleEarliestFirst) {
    // Wednesday 10:00: Monday's 7:00 is next week, the weekdays' 9:00 today.
    swtest::WriteScheduleFile(
        {Event("monday", 2, 7), Event("never", 0, 8), Event("weekdays", 62, 9)});
    Rows rows;
    std::vector<std::string> titles;
    std::vector<int> widths;
    bool placeholderHidden = false;
    DialogDriver()
        .On(kCaption)
        .Inspect([&](HWND dialog) {
            HWND list = GetDlgItem(dialog, IDC_ELIST_EVENTS);
            rows = ReadRows(list);
            placeholderHidden = !IsWindowVisible(GetDlgItem(dialog, IDC_ELIST_PLACEHOLDER));
            for (int column = 0; column < 4; ++column) {
                char title[64] = {};
                LVCOLUMNA info = {};
                info.mask = LVCF_TEXT | LVCF_WIDTH;
                info.pszText = title;
                info.cchTextMax = sizeof(title);
                SendMessageA(list, LVM_GETCOLUMNA, column, reinterpret_cast<LPARAM>(&info));
                titles.push_back(title);
                widths.push_back(info.cx);
            }
        })
        .CloseBox()
        .Run(Open);
    EXPECT_TRUE(placeholderHidden);
    EXPECT_EQ(titles, (std::vector<std::string>{"Event Id.", "Scheduled time", "File to print",
                                                "Scheduled printer"}));
    EXPECT_EQ(widths, (std::vector<int>{80, 160, 160, 160}));
    EXPECT_EQ(rows, (Rows{{"1", "12-09-2026 09:00:00", "C:\\Out\\*.weekdays", "weekdays"},
                          {"2", "12-14-2026 07:00:00", "C:\\Out\\*.monday", "monday"},
                          {"3", "", "C:\\Out\\*.never", "never"}}));
}

TEST_F(NextEventsDialog, AHeaderClickSortsByItsColumnAndEachClickFlips) {
    swtest::WriteScheduleFile(
        {Event("bravo", 254, 7), Event("alpha", 254, 8), Event("charlie", 254, 9)});
    std::vector<std::string> firstSort, secondSort, thirdSort;
    std::vector<LPARAM> numbers;
    const auto printers = [](HWND dialog) {
        std::vector<std::string> names;
        HWND list = GetDlgItem(dialog, IDC_ELIST_EVENTS);
        for (int row = 0; row < sw::ReportRowCount(list); ++row)
            names.push_back(sw::ReportCellText(list, row, 3));
        return names;
    };
    DialogDriver driver;
    driver.On(kCaption);
    ClickHeader(driver, 3).Inspect([&](HWND dialog) {
        firstSort = printers(dialog);
        numbers = RowNumbers(GetDlgItem(dialog, IDC_ELIST_EVENTS));
    });
    ClickHeader(driver, 3).Inspect([&](HWND dialog) { secondSort = printers(dialog); });
    ClickHeader(driver, 1).Inspect([&](HWND dialog) { thirdSort = printers(dialog); });
    driver.CloseBox().Run(Open);
    EXPECT_EQ(firstSort, (std::vector<std::string>{"charlie", "bravo", "alpha"}))
        << "the first click sorts descending";
    EXPECT_EQ(numbers, (std::vector<LPARAM>{0, 1, 2})) << "renumbered after the sort";
    EXPECT_EQ(secondSort, (std::vector<std::string>{"alpha", "bravo", "charlie"}));
    EXPECT_EQ(thirdSort, (std::vector<std::string>{"charlie", "alpha", "bravo"}))
        << "the direction flips whichever column is clicked: times descending";
    EXPECT_FALSE(sw::NextEventsSortAscending());
}

TEST_F(NextEventsDialog, NoScheduleFileGivesAnEmptyList) {
    int rows = -1;
    DialogDriver()
        .On(kCaption)
        .Inspect(
            [&](HWND dialog) { rows = sw::ReportRowCount(GetDlgItem(dialog, IDC_ELIST_EVENTS)); })
        .CloseBox()
        .Run(Open);
    EXPECT_EQ(rows, 0);
}

TEST_F(NextEventsDialog, NextEventTimeOfOneSchedule) {
    swtest::WriteScheduleFile({Event("weekdays", 62, 9), Event("never", 0, 8)});
    double key = -5;
    EXPECT_EQ(sw::NextEventTime(1, key),
              "12-09-2026 09:00:00 C:\\Out\\*.weekdays TO PRINTER weekdays");
    EXPECT_NEAR(key, 2461384 + 9.0 / 24, 1e-6);
    EXPECT_EQ(sw::NextEventTime(2, key), "C:\\Out\\*.never TO PRINTER never");
    key = -5;
    EXPECT_EQ(sw::NextEventTime(3, key), "");
    EXPECT_EQ(key, -5) << "untouched for an index past the schedules";
}

} // namespace
