// The report list view helpers on a real list view of a window of the test.
#include "unattended/list_view_helpers.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Later rows first, by the numbers stored at insertion.
int CALLBACK ReverseOrder(LPARAM first, LPARAM second, LPARAM) {
    return static_cast<int>(second - first);
}

class ReportList : public testing::Test {
  protected:
    void SetUp() override {
        parent_ = CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 600, 300, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
        list_ = sw::CreateReportList(parent_, 205);
        ASSERT_NE(list_, nullptr);
    }
    void TearDown() override { DestroyWindow(parent_); }

    HWND parent_ = nullptr;
    HWND list_ = nullptr;
};

TEST_F(ReportList, FillsTheParentLessOnePixelWithTheReportStyles) {
    RECT client = {}, own = {};
    GetClientRect(parent_, &client);
    GetWindowRect(list_, &own);
    EXPECT_EQ(own.right - own.left, client.right - 1);
    EXPECT_EQ(own.bottom - own.top, client.bottom - 1);
    EXPECT_EQ(GetDlgCtrlID(list_), 205);
    const LONG style = GetWindowLongA(list_, GWL_STYLE);
    const LONG wanted =
        WS_CHILD | WS_VISIBLE | WS_BORDER | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS;
    EXPECT_EQ(style & wanted, wanted);
}

TEST_F(ReportList, ColumnsKeepTheirFirstWidthAndCapTheOthers) {
    sw::AddReportColumns(list_, {{LVCFMT_RIGHT, "First", 250},
                                 {LVCFMT_RIGHT, std::string(40, 't'), 250},
                                 {LVCFMT_CENTER, "Third", 120}});
    const auto column = [this](int index) {
        char title[64] = {};
        LVCOLUMNA info = {};
        info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
        info.pszText = title;
        info.cchTextMax = sizeof(title);
        SendMessageA(list_, LVM_GETCOLUMNA, index, reinterpret_cast<LPARAM>(&info));
        return std::make_pair(info, std::string(title));
    };
    EXPECT_EQ(column(0).first.cx, 250);
    EXPECT_EQ(column(0).first.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_LEFT) << "the first is left-aligned";
    EXPECT_EQ(column(1).first.cx, 200);
    EXPECT_EQ(column(1).second, std::string(31, 't'));
    EXPECT_EQ(column(1).first.fmt & LVCFMT_JUSTIFYMASK, LVCFMT_RIGHT);
    EXPECT_EQ(column(2).first.cx, 120);
    EXPECT_EQ(sw::ReportColumnAtX(list_, 249), 0);
    EXPECT_EQ(sw::ReportColumnAtX(list_, 250), 1);
    EXPECT_EQ(sw::ReportColumnAtX(list_, 569), 2);
    EXPECT_EQ(sw::ReportColumnAtX(list_, 570), -1);
}

TEST_F(ReportList, RowsTheirCellsAndNumbers) {
    sw::AddReportColumns(list_, {{LVCFMT_LEFT, "A", 100}, {LVCFMT_LEFT, "B", 100}});
    EXPECT_EQ(sw::AddReportRow(list_, {"apple", "red"}), 0);
    EXPECT_EQ(sw::AddReportRow(list_, {"banana", std::string(400, 'y')}), 1);
    EXPECT_EQ(sw::AddReportRow(list_, {"blueberry"}), 2);
    EXPECT_EQ(sw::ReportRowCount(list_), 3);
    EXPECT_EQ(sw::ReportCellText(list_, 0, 1), "red");
    EXPECT_EQ(sw::ReportCellText(list_, 1, 1), std::string(299, 'y'));
    EXPECT_EQ(sw::ReportCellText(list_, 2, 1), "");
    EXPECT_EQ(sw::ReportRowNumber(list_, 2), 2);
    EXPECT_EQ(sw::FindReportRow(list_, "b"), 1) << "the first row that begins with the text";
    EXPECT_EQ(sw::FindReportRow(list_, "blue"), 2);
    EXPECT_EQ(sw::FindReportRow(list_, "cherry"), -1);

    // After a sort the stored numbers are the old positions until renumbered.
    SendMessageA(list_, LVM_SORTITEMS, 0, reinterpret_cast<LPARAM>(ReverseOrder));
    EXPECT_EQ(sw::ReportCellText(list_, 0, 0), "blueberry");
    EXPECT_EQ(sw::ReportRowNumber(list_, 0), 2);
    sw::RenumberReportRows(list_);
    EXPECT_EQ(sw::ReportRowNumber(list_, 0), 0);
    EXPECT_EQ(sw::ReportRowNumber(list_, 2), 2);
}

TEST(ReportListWithoutWindow, NullHandlesDoNothing) {
    EXPECT_EQ(sw::CreateReportList(nullptr, 1), nullptr);
    sw::AddReportColumns(nullptr, {{LVCFMT_LEFT, "A", 10}});
    EXPECT_EQ(sw::AddReportRow(nullptr, {"x"}), -1);
    EXPECT_EQ(sw::FindReportRow(nullptr, "x"), -1);
    EXPECT_EQ(sw::ReportCellText(nullptr, 0, 0), "");
    EXPECT_EQ(sw::ReportColumnAtX(nullptr, 5), 0);
    EXPECT_EQ(sw::ReportRowCount(nullptr), 0);
    sw::RenumberReportRows(nullptr);
}

} // namespace
