// Reads the three stored counts of a print and resolves them with the count
// remembered from the copies dialog.
#include "settings/copies_query.h"

#include "settings/copies.h"
#include "settings/setting_names.h"
#include "settings/setting_numbers.h"
#include "settings/settings_store.h"

namespace sw {

std::int32_t GetCopiesSetting(std::string_view file, std::string_view printer,
                              const RememberedCopiesSetting& remembered) {
    const std::string settings = SettingsFilePath();
    // The folder pattern is used whole, as the copies dialog writes it, so
    // that a count stored for a folder with a long path is found again.
    StoredCopyCounts stored;
    stored.file = RoundToInt32(ReadSettingNumber(settings, FileCopiesSection(file), kCopiesKey));
    stored.folder = RoundToInt32(
        ReadSettingNumber(settings, FileCopiesSection(FolderPattern(file)), kCopiesKey));
    stored.printer =
        RoundToInt32(ReadSettingNumber(settings, PrinterCopiesSection(printer), kCopiesKey));
    return ResolveCopies(stored, remembered, file, printer);
}

} // namespace sw
