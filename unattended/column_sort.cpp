#include "unattended/column_sort.h"

namespace sw {

int CompareCellTexts(std::string_view a, std::string_view b) {
    a = a.substr(0, kComparedCellLength);
    b = b.substr(0, kComparedCellLength);
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = static_cast<unsigned char>(a[i]);
        const unsigned char y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

int CompareCellTexts(std::string_view a, std::string_view b, bool ascending) {
    const int order = CompareCellTexts(a, b);
    return ascending ? order : -order;
}

} // namespace sw
