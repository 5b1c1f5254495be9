// Printing a file on a local printer as a raw job (or a bitmap through the
// driver) with the printer's stored orientation, automatic form feed and
// number of copies: the print route's driver-bypass branch.
#pragma once

#include "printroute/print_route.h"
#include "settings/bitmap_placement.h"

#include <cstdint>
#include <string>

namespace sw {

// The box a bitmap is printed into on `printer`: the settings' box, after the
// placement dialog when the rules let the settings ask for it, else the
// stored box.
BitmapPlacement PlacementFor(const PrintRules& rules, const std::string& printer);

// Switches on the printer's orientation sequences and form feed, prints as
// many copies as the settings give for (printer, file), both trimmed, each
// with PrintBMP for a ".BMP" file and PrintFile otherwise, then switches both
// off again. Returns 0 when the spooler took every copy, else the system
// error code of the first copy that failed; the copies after it are still
// tried. So a file counts as printed only when each of its copies was.
std::int32_t PrintBypassingDriver(const std::string& printer, const std::string& file,
                                  const PrintRules& rules,
                                  const RememberedCopiesSetting& rememberedCopies);

} // namespace sw
