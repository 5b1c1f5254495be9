// Text split into its lines, for the tests and the stand-in programs alike.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

namespace swtest {

// The lines of `text` without the `end` that closes each; text after the
// last end is a line too.
inline std::vector<std::string> SplitLines(const std::string& text, const std::string& end = "\n") {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t stop = std::min(text.find(end, start), text.size());
        lines.push_back(text.substr(start, stop - start));
        start = stop + end.size();
    }
    return lines;
}

} // namespace swtest
