// The next-events list's column order and the report list view's layout rules.
#include "unattended/column_sort.h"
#include "unattended/list_view_layout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int Sign(int value) {
    return (value > 0) - (value < 0);
}

TEST(ColumnSort, BytewiseWithPrefixesFirst) {
    const struct {
        std::string a, b;
        int order;
    } cases[] = {
        {"", "", 0},
        {"abc", "abc", 0},
        {"abc", "abd", -1},
        {"ab", "abc", -1},
        {"b", "abc", 1},
        {"10", "2", -1},                                               // texts, not numbers
        {"Z", "a", -1},                                                // bytes, not letters
        {"\xE4", "z", 1},                                              // as unsigned bytes
        {std::string(299, 'x') + "a", std::string(299, 'x') + "b", 0}, // 299 compared
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Sign(sw::CompareCellTexts(c.a, c.b)), c.order) << c.a << " / " << c.b;
        EXPECT_EQ(Sign(sw::CompareCellTexts(c.a, c.b, false)), -c.order) << c.a << " / " << c.b;
    }
}

TEST(ListViewLayout, ColumnUnderAPosition) {
    const std::vector<int> widths = {80, 160, 160, 160};
    const struct {
        int x, column;
    } cases[] = {{-5, 0}, {0, 0}, {79, 0}, {80, 1}, {239, 1}, {240, 2}, {559, 3}, {560, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(sw::ColumnAtX(widths, c.x), c.column) << c.x;
    EXPECT_EQ(sw::ColumnAtX({}, 0), -1);
    EXPECT_EQ(sw::ColumnAtX({0, 10}, 0), 1) << "a column of no width is never under x";
}

TEST(ListViewLayout, WidthsAndTexts) {
    EXPECT_EQ(sw::InsertedColumnWidth(0, 250), 250) << "the first column keeps its width";
    EXPECT_EQ(sw::InsertedColumnWidth(1, 250), 200);
    EXPECT_EQ(sw::InsertedColumnWidth(3, 200), 200);
    EXPECT_EQ(sw::InsertedColumnWidth(2, 160), 160);
    EXPECT_EQ(sw::CutText(std::string(40, 't'), sw::kColumnTitleLimit), std::string(31, 't'));
    EXPECT_EQ(sw::CutText("short", sw::kCellTextLimit), "short");
}

} // namespace
