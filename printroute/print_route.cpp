// The choice of route, and the application branch; the other two branches
// have a unit each (driver_bypass_print, remote_print).
#include "printroute/print_route.h"

#include "common/library_text.h"
#include "common/long_path.h"
#include "common/path_helpers.h"
#include "common/text_helpers.h"
#include "printengine/swprint.h"
#include "printroute/driver_bypass_print.h"
#include "printroute/print_library_api.h"
#include "printroute/remote_print.h"
#include "settings/bypass_exceptions.h"
#include "settings/copies_query.h"

namespace sw {
namespace {

// The application says only whether it ran. A file that is not there would
// print nothing, and a printer that is not installed would leave the
// system's default printer in place: both are found before it starts. The
// first failure of any copy is the outcome.
std::int32_t PrintThroughApplication(const PrintRequest& request, const PrintRules& rules,
                                     const RememberedCopiesSetting& rememberedCopies) {
    if (!IsFile(request.file))
        return ERROR_FILE_NOT_FOUND;
    if (!IsInstalledPrinter(request.printer))
        return ERROR_INVALID_PRINTER_NAME;
    const std::int32_t copies =
        rules.documentOncePerCopy ? GetCopiesSetting(TrimSpaces(request.file),
                                                     TrimSpaces(request.printer), rememberedCopies)
                                  : 1;
    std::int32_t result = 0;
    for (std::int32_t copy = 0; copy < copies; ++copy) {
        const bool printed =
            PrintLibrary().printWithApplication(request.printer, request.file) == 0;
        if (result == 0 && !printed)
            result = rules.applicationFailure;
    }
    return result;
}

} // namespace

PrintRoute RouteOf(std::string_view printer, std::string_view file) {
    if (IsRemotePrinter(printer))
        return PrintRoute::Companion;
    if (IsBypassException(FileNamePart(file)))
        return PrintRoute::Application;
    return PrintRoute::DriverBypass;
}

std::int32_t PrintOnRoute(const PrintRequest& request, const PrintRules& rules,
                          const PrintContext& context) {
    switch (RouteOf(request.printer, request.file)) {
    case PrintRoute::Companion:
        return PrintThroughCompanion(request, rules, context);
    case PrintRoute::Application:
        return PrintThroughApplication(request, rules, context.rememberedCopies);
    case PrintRoute::DriverBypass:
        break;
    }
    return PrintBypassingDriver(request.printer, request.file, rules, context.rememberedCopies);
}

bool IsInstalledPrinter(std::string_view name) {
    const SHORT count = AvailablePrinters();
    for (SHORT index = 0; index < count; ++index) {
        const std::string listedName = TakeLibraryText(PrinterDeviceName(&index));
        if (std::string_view(listedName).substr(0, kStoredNameLimit) == name)
            return true;
    }
    return false;
}

} // namespace sw
