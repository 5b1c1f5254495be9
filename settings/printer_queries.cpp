// The orientation and form-feed settings of the printer the next print goes
// to. Both are keyed by the whole printer name, as the dialogs store them.
#include "settings/printer_queries.h"

#include "settings/escape_codes.h"
#include "settings/setting_names.h"
#include "settings/setting_numbers.h"
#include "settings/settings_store.h"

namespace sw {

std::int16_t GetAutoFormfeedSetting(std::string_view printer) {
    return ParseSettingFlag(ReadSetting(SettingsFilePath(), kAutoFormfeedSection, printer));
}

std::int16_t GetOrientationSetting(std::string_view printer, std::string& landscape,
                                   std::string& portrait) {
    const std::string file = SettingsFilePath();
    const std::string section = OrientationSection(printer);
    const std::string landscapeCode = ReadSetting(file, section, kLandscapeCodeKey);
    if (!landscapeCode.empty())
        landscape = EscapeCodeTextToBytes(landscapeCode).substr(0, kEscapeSequenceLimit);
    const std::string portraitCode = ReadSetting(file, section, kPortraitCodeKey);
    if (!portraitCode.empty())
        portrait = EscapeCodeTextToBytes(portraitCode).substr(0, kEscapeSequenceLimit);

    return OrientationFromStatus(ReadSetting(file, section, kLandscapeStatusKey));
}

} // namespace sw
