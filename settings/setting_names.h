// Every section and key of "Spoolwright.ini", the settings file that users and
// installers may edit too, and the section names built from a prefix and a
// printer name or a path. Each such prefix ends in exactly one blank.
#pragma once

#include <string>
#include <string_view>

namespace sw {

inline constexpr std::string_view kSettingsFileName = "Spoolwright.ini";

// Per printer: key = printer name, "1" = append a form feed, "0" = do not.
inline constexpr std::string_view kAutoFormfeedSection = "Printers AutoFormfeed";

// Per printer, in OrientationSection(printer).
inline constexpr std::string_view kLandscapeCodeKey = "Landscape code";
inline constexpr std::string_view kPortraitCodeKey = "Portrait code";
inline constexpr std::string_view kLandscapeStatusKey = "Landscape status"; // "1", "0" or "N"
inline constexpr std::string_view kNoOrientationStatus = "N";

// Per file, folder pattern or printer, in the copies sections.
inline constexpr std::string_view kCopiesKey = "Copies";

// One placement box for all bitmaps.
inline constexpr std::string_view kBitmapSection = "BMPprint";
inline constexpr std::string_view kInchesKey = "Inches";     // "-1" inches, "0" centimeters
inline constexpr std::string_view kUseSavedKey = "UseSaved"; // "-1" stored box, "0" ask first
inline constexpr std::string_view kLeftKey = "Left";
inline constexpr std::string_view kTopKey = "Top";
inline constexpr std::string_view kWidthKey = "Width";
inline constexpr std::string_view kHeightKey = "Height";

// File name patterns printed through their application: keys BypassPatternKey(n).
inline constexpr std::string_view kNoBypassSection = "NoBypass";

// Key = a printer name that is not installed, value = the installed printer to use.
inline constexpr std::string_view kPrinterAssociationsSection = "Printer Associations";

inline constexpr std::string_view kUnattendedSection = "Unattended";
inline constexpr std::string_view kStatusKey = "Status"; // "1" running at close, "0" not
// Seconds a watched file must stay unchanged before it is printed.
inline constexpr std::string_view kSettleSecondsKey = "SettleSeconds";

inline constexpr std::string_view kWordDocumentsSection = "Word documents";
inline constexpr std::string_view kMacroAddedKey = "Macro added"; // "1" once installed

// The text up to its first carriage return or line feed: what can go into the
// file as one section name, key or value without adding lines of its own.
std::string SingleLineText(std::string_view text);

// "Printers Orientation " + printer.
std::string OrientationSection(std::string_view printer);

// "Number of copies " + a file path or a folder pattern.
std::string FileCopiesSection(std::string_view fileOrPattern);

// "Number of copies by printer " + printer.
std::string PrinterCopiesSection(std::string_view printer);

// "File_" + n with at least three digits, zero-padded: "File_001", "File_1000".
// Counting starts at 1; numbers below 1 give "File_000".
std::string BypassPatternKey(int n);

} // namespace sw
