// The bitmap placement box in the "BMPprint" section, always in inches.
#include "settings/bitmap_placement.h"

#include "settings/bitmap_units.h"
#include "settings/setting_names.h"
#include "settings/settings_store.h"

namespace sw {

BitmapPlacement ReadBitmapPlacement() {
    const std::string file = SettingsFilePath();
    BitmapPlacement box;
    box.left = ReadSettingNumber(file, kBitmapSection, kLeftKey);
    box.top = ReadSettingNumber(file, kBitmapSection, kTopKey);
    box.width = ReadSettingNumber(file, kBitmapSection, kWidthKey);
    box.height = ReadSettingNumber(file, kBitmapSection, kHeightKey);
    return box;
}

void WriteBitmapPlacement(const BitmapPlacement& box) {
    const std::string file = SettingsFilePath();
    WriteSettingNumber(file, kBitmapSection, kLeftKey, box.left);
    WriteSettingNumber(file, kBitmapSection, kTopKey, box.top);
    WriteSettingNumber(file, kBitmapSection, kWidthKey, box.width);
    WriteSettingNumber(file, kBitmapSection, kHeightKey, box.height);
}

void GetBitmapPlacement(HWND owner, const std::string& printer, double& left, double& top,
                        double& width, double& height,
                        void (*askForPlacement)(HWND, const std::string&)) {
    if (AsksForPlacement(ReadSetting(SettingsFilePath(), kBitmapSection, kUseSavedKey)))
        askForPlacement(owner, printer);
    // Read after the dialog, which may have changed the box.
    const BitmapPlacement box = ReadBitmapPlacement();
    left = box.left;
    top = box.top;
    width = box.width;
    height = box.height;
}

} // namespace sw
