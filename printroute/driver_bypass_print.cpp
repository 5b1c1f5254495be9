// The driver-bypass print: the printer's settings are switched on in the
// library just before printing and off again after, since the library keeps
// them for every later job.
#include "printroute/driver_bypass_print.h"

#include "common/path_helpers.h"
#include "common/system_error.h"
#include "common/text_helpers.h"
#include "printroute/print_library_api.h"
#include "settings/copies_query.h"
#include "settings/printer_queries.h"

namespace sw {
namespace {

std::int32_t PrintOneCopy(const std::string& printer, const std::string& file,
                          const PrintRules& rules) {
    PrintLibraryApi& library = PrintLibrary();
    if (!IsBitmapFile(file))
        return library.printFile(printer.c_str(), file.c_str());
    // Asked for again for every copy: each may be placed on its own.
    const BitmapPlacement box = PlacementFor(rules, printer);
    if (library.printBmp(printer.c_str(), file.c_str(), box.left, box.top, box.width, box.height) ==
        0)
        return 0;
    // PrintBMP's -1 leaves the reason in the last error.
    return LastErrorOr(ERROR_INVALID_PRINTER_NAME);
}

} // namespace

BitmapPlacement PlacementFor(const PrintRules& rules, const std::string& printer) {
    if (!rules.mayAskForPlacement)
        return ReadBitmapPlacement();
    BitmapPlacement box;
    GetBitmapPlacement(rules.dialogOwner, printer, box.left, box.top, box.width, box.height);
    return box;
}

std::int32_t PrintBypassingDriver(const std::string& printer, const std::string& file,
                                  const PrintRules& rules,
                                  const RememberedCopiesSetting& rememberedCopies) {
    PrintLibraryApi& library = PrintLibrary();
    std::string landscape;
    std::string portrait;
    const std::int16_t orientation = GetOrientationSetting(printer, landscape, portrait);
    SHORT previous = 0;
    const SHORT off = 0;
    const SHORT on = -1;
    if (orientation != kNoOrientation)
        library.orientation(orientation == 0 ? &off : &on, &previous, landscape.c_str(),
                            portrait.c_str());
    if (GetAutoFormfeedSetting(printer) != 0)
        library.setAutoformfeed(&on);

    std::int32_t result = 0;
    const std::int32_t copies =
        GetCopiesSetting(TrimSpaces(file), TrimSpaces(printer), rememberedCopies);
    for (std::int32_t copy = 0; copy < copies; ++copy) {
        const std::int32_t copyResult = PrintOneCopy(printer, file, rules);
        if (result == 0)
            result = copyResult;
    }

    library.setAutoformfeed(&off);
    if (orientation != kNoOrientation && orientation != 0)
        library.orientation(&off, &previous, landscape.c_str(), portrait.c_str());
    return result;
}

} // namespace sw
