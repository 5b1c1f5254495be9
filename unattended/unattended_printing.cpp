#include "unattended/unattended_printing.h"

#include "common/dialog_controls.h"
#include "common/program_state.h"
#include "resources/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_numbers.h"
#include "settings/settings_store.h"
#include "unattended/schedule_file.h"
#include "unattended/unattended_run.h"

namespace sw {
namespace {

void ShowState(HWND indicator) {
    if (indicator == nullptr)
        return;
    const std::string text =
        ResourceString(Program().UnattendedTimer != 0 ? IDS_UNATTENDED_ON : IDS_UNATTENDED_OFF);
    SetWindowTextA(indicator, text.c_str());
}

} // namespace

void ToggleUnattendedPrinting(HWND indicator) {
    if (!StopUnattendedPrinting())
        Program().UnattendedTimer =
            SetTimer(nullptr, 0, static_cast<UINT>(MinimumInterval()), UnattendedTick);
    ShowState(indicator);
}

bool IsUnattendedPrintingOn() {
    return Program().UnattendedTimer != 0;
}

bool StopUnattendedPrinting() {
    if (Program().UnattendedTimer == 0)
        return false;
    KillTimer(nullptr, Program().UnattendedTimer);
    Program().UnattendedTimer = 0;
    return true;
}

bool UnattendedPrintingWasOn() {
    return ParseSettingNumber(ReadSetting(SettingsFilePath(), kUnattendedSection, kStatusKey)) != 0;
}

void RecordUnattendedPrinting(bool on) {
    WriteSetting(SettingsFilePath(), kUnattendedSection, kStatusKey, on ? "1" : "0");
}

} // namespace sw
