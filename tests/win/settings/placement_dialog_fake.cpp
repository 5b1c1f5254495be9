#include "placement_dialog_fake.h"

#include "settings/setting_names.h"
#include "settings/settings_store.h"

namespace swtest {

int placementDialogShown = 0;
double placementDialogLeft = 0;

void ShowPlacementDialogFake() {
    ++placementDialogShown;
    sw::WriteSettingNumber(sw::SettingsFilePath(), sw::kBitmapSection, sw::kLeftKey,
                           placementDialogLeft);
}

} // namespace swtest
