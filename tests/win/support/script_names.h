// File names in scripts that no single ANSI code page holds together:
// Cyrillic, Greek and CJK. The test programs run with the UTF-8 code page,
// so these UTF-8 texts are what their ANSI calls take and give.
#pragma once

#include <string>
#include <vector>

namespace swtest {

inline const std::vector<std::string>& NamesInOtherScripts() {
    static const std::vector<std::string> names = {
        "отчёт.prn",   // Cyrillic
        "αναφορά.prn", // Greek
        "報告書.prn",  // CJK
    };
    return names;
}

} // namespace swtest
