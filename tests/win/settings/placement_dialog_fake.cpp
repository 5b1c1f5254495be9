#include "placement_dialog_fake.h"

#include "settings/bitmap_placement_dialog.h"
#include "settings/setting_names.h"
#include "settings/settings_store.h"

namespace swtest {

int placementDialogShown = 0;
double placementDialogLeft = 0;

} // namespace swtest

void sw::ShowBitmapPlacementDialog() {
    ++swtest::placementDialogShown;
    WriteSettingNumber(SettingsFilePath(), kBitmapSection, kLeftKey, swtest::placementDialogLeft);
}
