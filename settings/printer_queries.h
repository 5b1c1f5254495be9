// What the print paths ask before a raw job for the printer it goes to:
// whether to append a form feed, and which orientation sequences to send.
// Each query reads the settings file at the moment of the call.
#pragma once

#include "settings/setting_names.h"
#include "settings/setting_numbers.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace sw {

// Orientation status when the printer has no orientation handling.
inline constexpr std::int16_t kNoOrientation = -9;

// What a "Landscape status" value means: kNoOrientation when it is empty or
// exactly "N", otherwise its number (ParseSettingFlag).
inline std::int16_t OrientationFromStatus(std::string_view status) {
    return status.empty() || status == kNoOrientationStatus ? kNoOrientation
                                                            : ParseSettingFlag(status);
}

// The number stored under the printer in "Printers AutoFormfeed" (value cut
// to 79 characters, then parsed); 0 when missing. Any non-zero value means on.
std::int16_t GetAutoFormfeedSetting(std::string_view printer);

// The orientation of the printer: kNoOrientation when "Landscape status" is
// missing, empty or exactly "N"; otherwise its number (0 portrait, any other
// value landscape). A non-empty "Landscape code" / "Portrait code" replaces
// `landscape` / `portrait` with its bytes (at most 79); an empty one leaves the
// output as passed. A zero byte ends the sequence where the library gets it.
std::int16_t GetOrientationSetting(std::string_view printer, std::string& landscape,
                                   std::string& portrait);

} // namespace sw
