// The one way a file is printed, whoever asks: the window, the command line
// and unattended printing hand the printer and the file here, with the rules
// of their situation, and get the result. The route is chosen from the
// printer and the file alone: the companion for a remote printer, the
// application for a driver-bypass exception, otherwise a raw job (or, for a
// bitmap, the driver) with the printer's stored settings.
#pragma once

#include "printroute/companion_controls.h"
#include "settings/remembered_copies.h"

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace sw {

// Printer names are compared as they persist: cut to this many characters.
inline constexpr std::size_t kStoredNameLimit = 254;

enum class PrintRoute {
    Companion,    // a remote printer: its name holds a ":"
    Application,  // a file matching a driver-bypass pattern
    DriverBypass, // any other: a raw job, or a bitmap drawn through the driver
};

PrintRoute RouteOf(std::string_view printer, std::string_view file);

// What the application route gives when the application did not print.
inline constexpr std::int32_t kApplicationFailed = -2;

// Where the callers differ, and nowhere else. The window and the command line
// may have somebody to answer the placement dialog; unattended printing has
// nobody, and takes the stored box. A document goes to its application once
// when printed by hand (the copies are the application's) and once per copy
// when printed unattended, where the copies setting is all there is. An
// application that did not print is a system error code for the window's
// message and the exit code, and the application route's own -2 in the
// event log, as it has always been logged.
struct PrintRules {
    bool mayAskForPlacement;
    HWND dialogOwner; // owns the placement dialog; may be 0
    bool documentOncePerCopy;
    std::int32_t applicationFailure;
};

inline PrintRules InteractiveRules(HWND owner) {
    return {true, owner, false, ERROR_NO_ASSOCIATION};
}
inline constexpr PrintRules kUnattendedRules = {false, nullptr, true, kApplicationFailed};

// What a print needs of the program's state: the companion's controls for a
// remote printer, the count the copies dialog remembers for every route.
struct PrintContext {
    const CompanionControls& companion;
    const RememberedCopiesSetting& rememberedCopies;
};

struct PrintRequest {
    std::string printer;
    std::string file;
    // For a remote printer: the file put on the companion's print button
    // when it is not `file` itself, such as a copy the companion can read
    // whenever it comes to the job. Empty: `file`.
    std::string handedFile;
    // For a remote printer: wait for the companion's answer (the command
    // line's and unattended printing's result is what became of the job);
    // false: the click is the result, as for a print from the window.
    bool awaitOutcome = false;
    // For a remote printer, instead of waiting: the companion's answer goes
    // here when it comes (companion_outcome.h), and the result is the click's.
    // It is called only when the result is 0; any other result is the print's.
    std::function<void(std::int32_t code)> forwardOutcome;
};

// Prints the request by its route. Returns 0 when the print was handed on
// whole (the spooler took every byte of every copy, the application ran,
// the companion got its click, or said that it sent the job when
// the request awaits its answer), else the system error code of the first
// failure; the copies after a failed one are still tried. Shows no message.
// A document is checked before its application starts: ERROR_FILE_NOT_FOUND
// for a file that is not there, ERROR_INVALID_PRINTER_NAME for a printer
// that is not installed (the application would print on the default one);
// an application that did not print gives the rules' applicationFailure.
std::int32_t PrintOnRoute(const PrintRequest& request, const PrintRules& rules,
                          const PrintContext& context);

// True when the name equals, with letter case, the name of an installed
// printer as the library's printer directory lists it (each cut to
// kStoredNameLimit characters).
bool IsInstalledPrinter(std::string_view name);

} // namespace sw
