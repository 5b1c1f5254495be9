// Printing a file on a local printer as a raw job (or a bitmap through the
// driver) with the printer's stored orientation, automatic form feed and
// number of copies. Shared by the interactive print and unattended printing.
#pragma once

#include <cstdint>
#include <string>

namespace sw {

// Where a bitmap's placement comes from: the settings, which may ask the user
// first with the placement dialog, or the stored box only (nobody may be
// there to answer a dialog).
enum class BitmapPlacementSource { AsSettingsSay, StoredOnly };

// Switches on the printer's orientation sequences and form feed, prints as
// many copies as the settings give for (printer, file), both trimmed, each
// with PrintBMP for a ".BMP" file and PrintFile otherwise, then switches both
// off again. Returns 0 when the spooler took every copy, else the system
// error code of the first copy that failed; the copies after it are still
// tried. So a file counts as printed only when each of its copies was.
std::int32_t PrintBypassingDriver(const std::string& printer, const std::string& file,
                                  BitmapPlacementSource placement);

} // namespace sw
