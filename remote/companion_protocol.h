// What the main program and the companion "Spoolwright Remote" agree on: the
// companion's window title, the main window's class, the ten registered
// messages with which the companion announces its controls (each carries the
// handle of one control in wParam), in the order they are announced, and the
// print method the main program writes for a file.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace sw {

inline constexpr char kCompanionTitle[] = "Spoolwright Remote";
inline constexpr char kCompanionProgram[] = "Remsw.exe";
inline constexpr char kMainWindowClassName[] = "SpoolwrightFarreach";
inline constexpr char kMainWindowTitle[] = "Spoolwright Farreach Utility";

enum CompanionField : std::size_t {
    kFieldPrinterList,
    kFieldPrintCommand,
    kFieldCopies,
    kFieldAutoFormfeed,
    kFieldOrientation,
    kFieldPrintMethod,
    kFieldBitmapLeft,
    kFieldBitmapTop,
    kFieldBitmapWidth,
    kFieldBitmapHeight,
    kCompanionFieldCount
};

inline constexpr const char* kCompanionMessageNames[kCompanionFieldCount] = {
    "SpoolwrightFarreach_Remote_Printerlistbox_hwnd",
    "SpoolwrightFarreach_Remote_PrintFile_Command",
    "SpoolwrightFarreach_Remote_COPIES",
    "SpoolwrightFarreach_Remote_AUTOFORMFEED",
    "SpoolwrightFarreach_Remote_ORIENTATION",
    "SpoolwrightFarreach_Remote_PRINTMETHOD",
    "SpoolwrightFarreach_Remote_BMPLEFT",
    "SpoolwrightFarreach_Remote_BMPTOP",
    "SpoolwrightFarreach_Remote_BMPWIDTH",
    "SpoolwrightFarreach_Remote_BMPHEIGHT",
};

// The print method of a file: "BMP" for a .BMP file, "DOC" for .DOC and
// .RTF, "BYPASS" for any other; the extension is compared in upper case,
// spaces around the path ignored. The main program writes it into the
// print-method control; the companion falls back on it when that is empty.
std::string PrintMethodText(std::string_view file);

} // namespace sw
