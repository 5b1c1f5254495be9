// The rules of the report list view helpers that need no window: how long
// titles and cells may be, how wide a column is inserted, and which column
// lies under a horizontal position.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sw {

inline constexpr std::size_t kColumnTitleLimit = 31;
inline constexpr std::size_t kCellTextLimit = 299;
// Columns after the first are never inserted wider than this.
inline constexpr int kWidestAddedColumn = 200;

// The width column `index` is inserted with: the first keeps its own.
int InsertedColumnWidth(std::size_t index, int width);

// The text cut to at most `limit` characters.
std::string CutText(std::string_view text, std::size_t limit);

// The first column at which the running sum of the widths, from column 0,
// exceeds x; -1 when x lies right of the last column.
int ColumnAtX(const std::vector<int>& widths, int x);

} // namespace sw
