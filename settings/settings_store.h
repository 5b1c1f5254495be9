// The accessors of the settings file "Spoolwright.ini" in the Windows folder.
// Every read goes to the file at the moment of the call and every write goes to
// it at once, through the platform's private-profile functions; nothing is
// cached, so a setting written by one dialog is seen by the next print.
#pragma once

#include <string>
#include <string_view>

namespace sw {

// Values are read into a buffer of this size: at most 298 characters come back.
inline constexpr unsigned kSettingBufferSize = 299;

// WinPath() + "Spoolwright.ini", composed anew at every call.
std::string SettingsFilePath();

// The value of key in section, without the blanks at its ends; the empty text
// when the file, the section or the key is missing. Section and key names are
// matched ignoring letter case.
std::string ReadSetting(std::string_view file, std::string_view section, std::string_view key);

// Writes the value; the platform creates the file and the section when needed.
// A failed write is not reported: the setting is simply missing at the next
// read. Each text is cut at its first line break, so that no value or name can
// add lines, keys or sections of its own to the file.
void WriteSetting(std::string_view file, std::string_view section, std::string_view key,
                  std::string_view value);

// Removes the section with all its keys.
void ClearSettingsSection(std::string_view file, std::string_view section);

// The value read with the decimal parse of the settings file (0 when missing).
double ReadSettingNumber(std::string_view file, std::string_view section, std::string_view key);

// Writes the value as the settings file's decimal text.
void WriteSettingNumber(std::string_view file, std::string_view section, std::string_view key,
                        double value);

} // namespace sw
