#include "unattended/list_view_layout.h"

namespace sw {

int InsertedColumnWidth(std::size_t index, int width) {
    return index > 0 && width > kWidestAddedColumn ? kWidestAddedColumn : width;
}

std::string CutText(std::string_view text, std::size_t limit) {
    return std::string(text.substr(0, limit));
}

int ColumnAtX(const std::vector<int>& widths, int x) {
    long long right = 0;
    for (std::size_t column = 0; column < widths.size(); ++column) {
        right += widths[column];
        if (right > x)
            return static_cast<int>(column);
    }
    return -1;
}

} // namespace sw
