// The driver-bypass exceptions, read from the settings file at every call so
// that an edit of the list counts from the next print on.
#include "settings/bypass_exceptions.h"

#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "settings/file_patterns.h"
#include "settings/setting_names.h"
#include "settings/settings_store.h"

#include <algorithm>
#include <limits>

namespace sw {
namespace {

constexpr const char* kDefaultPatterns[] = {"*.doc", "*.wri", "*.rtf"};

} // namespace

bool IsBypassException(std::string_view fileName) {
    const std::string name = FileNamePart(fileName);
    // A file without an extension always bypasses the driver.
    if (ExtensionPart(name).empty())
        return false;
    const std::string file = SettingsFilePath();
    for (int n = 1; n < std::numeric_limits<int>::max(); ++n) {
        const std::string pattern = ReadSetting(file, kNoBypassSection, BypassPatternKey(n));
        if (pattern.empty())
            return false;
        if (MatchFilePattern(name, pattern))
            return true;
    }
    return false;
}

void WriteDefaultBypassPatterns() {
    // A reinstall runs the set-up again: the user's own list stays.
    if (!ReadBypassPatterns().empty())
        return;
    const std::string file = SettingsFilePath();
    int n = 0;
    for (const char* pattern : kDefaultPatterns)
        WriteSetting(file, kNoBypassSection, BypassPatternKey(++n), pattern);
}

std::vector<std::string> ReadBypassPatterns() {
    const std::string file = SettingsFilePath();
    std::vector<std::string> patterns;
    for (int n = 1; n < std::numeric_limits<int>::max(); ++n) {
        std::string pattern =
            ReadSetting(file, kNoBypassSection, BypassPatternKey(n)).substr(0, kPatternLimit);
        if (pattern.empty())
            break;
        patterns.push_back(std::move(pattern));
    }
    return patterns;
}

int SaveBypassPatterns(const std::vector<std::string>& patterns, int keysInUse) {
    // A pattern of blanks only would read back as empty and end the list,
    // hiding every pattern after it, so it is left out.
    std::vector<std::string> kept;
    for (const std::string& pattern : patterns) {
        std::string trimmed = TrimSpaces(SingleLineText(pattern));
        if (!trimmed.empty())
            kept.push_back(std::move(trimmed));
    }
    constexpr std::size_t kMaxCount = std::numeric_limits<short>::max();
    const int count = static_cast<int>(std::min(kept.size(), kMaxCount));
    const int keys = std::max(keysInUse, count);
    const std::string file = SettingsFilePath();
    for (int i = 1; i <= keys; ++i) {
        const std::string_view pattern = i <= count ? std::string_view(kept[i - 1]) : "";
        WriteSetting(file, kNoBypassSection, BypassPatternKey(i), pattern);
    }
    return keys;
}

} // namespace sw
