// The command line of swutil.exe: empty, the set-up run "ACSI" (or its quiet
// form "ACSI /quiet"), a printer and a file separated by "|" (or "{" when the
// text holds no "|"), or a bare file for the default printer. Portable, so
// that the split is unit-tested and fuzzed on the host.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace sw {

inline constexpr std::string_view kSetupRunCommand = "ACSI";
// The set-up run of a quiet or basic-UI install: the shortcuts and the
// default patterns only, then the program ends, showing nothing.
inline constexpr std::string_view kQuietSetupRunCommand = "ACSI /quiet";

struct CommandLineRequest {
    enum class Kind { Empty, SetupRun, QuietSetupRun, Print };
    Kind kind = Kind::Empty;
    bool namesPrinter = false; // a separated form: `printer` is the text before the separator
    std::string printer;
    std::string file;
    // Split at a "{": the whole text, which may be one path holding a
    // brace ("C:\jobs\report{1}.prn", "Temp\{GUID}\a.prn").
    std::string wholeText;
};

// The command line as the program receives it, without the blanks at its
// ends. Send To and the command prompt put double quotes around paths that
// hold spaces, and the command prompt around a whole "printer|file" text,
// since "|" is its pipe: one pair of quotes around the whole text, and one
// around the printer or the file part, are taken off. Blanks inside the parts
// stay as they are.
CommandLineRequest SplitCommandLine(std::string_view commandLine);

// What the start-up knows of the texts a "{" form may name.
struct BraceFormLookups {
    std::function<bool(const std::string&)> isFile;
    // Installed, or associated with an installed printer.
    std::function<bool(const std::string&)> isKnownPrinter;
};

// A command line split at a "{" whose whole text names an existing file is
// that file for the default printer, unless the text before the "{" is a
// printer the user has (so "printer{file" keeps working). Any other request
// comes back as it is.
CommandLineRequest ReadBraceForm(CommandLineRequest request, const BraceFormLookups& lookups);

// The text that one pair of double quotes encloses, or the text unchanged
// when it is not enclosed in exactly one pair.
std::string_view WithoutEnclosingQuotes(std::string_view text);

// Why a command line's file part can name no file to print.
enum class FilePartProblem {
    None,
    // A name (a part between backslashes) longer than the 255 characters a
    // file system takes, or a path longer than `pathLimit`: no file has it.
    TooLong,
    DeviceName, // a device (NUL, CON, COM1, ...), which never ends or prints nothing
};

// The most characters of one name in a path, as the file systems take it.
inline constexpr std::size_t kLongestFileName = 255;

// Lengths count UTF-16 units of the UTF-8 text, as the system counts them.
FilePartProblem CheckFilePart(std::string_view file, std::size_t pathLimit);

// True when the path names a device rather than a file: the device namespace
// ("\\.\..."), or a last part that is CON, PRN, AUX, NUL, COM1 to COM9,
// LPT1 to LPT9, CONIN$ or CONOUT$ in any letter case, also with a drive, an
// extension, or blanks and dots after it, as the system reads such names.
bool NamesDevice(std::string_view path);

} // namespace sw
