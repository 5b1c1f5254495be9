// The order in which the next-events list sorts a column when its header is
// clicked: the cells' bytes, compared as unsigned values.
#pragma once

#include <cstddef>
#include <string_view>

namespace sw {

// At most this many characters of each cell are compared.
inline constexpr std::size_t kComparedCellLength = 299;

// Negative when a comes first, positive when b does, 0 when equal. A text
// that is a prefix of the other comes first.
int CompareCellTexts(std::string_view a, std::string_view b);

// The comparison for a sort in the given direction.
int CompareCellTexts(std::string_view a, std::string_view b, bool ascending);

} // namespace sw
