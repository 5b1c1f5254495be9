// The settings file through the platform's private-profile functions, which
// create, parse and rewrite it; section and key names match ignoring case.
#include "settings/settings_store.h"

#include "common/library_text.h"
#include "common/text_helpers.h"
#include "printengine/swprint.h"
#include "settings/setting_names.h"
#include "settings/setting_numbers.h"

namespace sw {

std::string SettingsFilePath() {
    return TakeLibraryText(WinPath()) + std::string(kSettingsFileName);
}

std::string ReadSetting(std::string_view file, std::string_view section, std::string_view key) {
    char value[kSettingBufferSize] = {};
    GetPrivateProfileStringA(SingleLineText(section).c_str(), SingleLineText(key).c_str(), "",
                             value, sizeof(value), SingleLineText(file).c_str());
    value[sizeof(value) - 1] = '\0';
    return TrimSpaces(value);
}

void WriteSetting(std::string_view file, std::string_view section, std::string_view key,
                  std::string_view value) {
    WritePrivateProfileStringA(SingleLineText(section).c_str(), SingleLineText(key).c_str(),
                               SingleLineText(value).c_str(), SingleLineText(file).c_str());
}

void ClearSettingsSection(std::string_view file, std::string_view section) {
    WritePrivateProfileSectionA(SingleLineText(section).c_str(), nullptr,
                                SingleLineText(file).c_str());
}

double ReadSettingNumber(std::string_view file, std::string_view section, std::string_view key) {
    return ParseSettingNumber(ReadSetting(file, section, key));
}

void WriteSettingNumber(std::string_view file, std::string_view section, std::string_view key,
                        double value) {
    WriteSetting(file, section, key, FormatSettingNumber(value));
}

} // namespace sw
