// The orientation and form-feed settings of the printer the next print goes
// to. Both are keyed by the whole printer name, as the dialogs store them.
#include "settings/printer_queries.h"

#include "settings/escape_codes.h"
#include "settings/setting_names.h"
#include "settings/setting_numbers.h"
#include "settings/settings_store.h"

namespace sw {
namespace {

constexpr std::size_t kFlagValueLimit = 79;

} // namespace

std::int16_t GetAutoFormfeedSetting(std::string_view printer) {
    const std::string value = ReadSetting(SettingsFilePath(), kAutoFormfeedSection, printer);
    return RoundToInt16(ParseSettingNumber(value.substr(0, kFlagValueLimit)));
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

    const std::string status =
        ReadSetting(file, section, kLandscapeStatusKey).substr(0, kFlagValueLimit);
    if (status.empty() || status == kNoOrientationStatus)
        return kNoOrientation;
    return RoundToInt16(ParseSettingNumber(status));
}

} // namespace sw
