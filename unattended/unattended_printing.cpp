#include "unattended/unattended_printing.h"

#include "resources/resource.h"
#include "settings/dialog_controls.h"
#include "settings/setting_names.h"
#include "settings/setting_numbers.h"
#include "settings/settings_store.h"
#include "unattended/schedule_file.h"
#include "unattended/unattended_run.h"

namespace sw {
namespace {

// The id of the running timer; 0 while unattended printing is off.
UINT_PTR UnattendedTimer = 0;

void ShowState(HWND indicator) {
    if (indicator == nullptr)
        return;
    const std::string text =
        ResourceString(UnattendedTimer != 0 ? IDS_UNATTENDED_ON : IDS_UNATTENDED_OFF);
    SetWindowTextA(indicator, text.c_str());
}

} // namespace

void ToggleUnattendedPrinting(HWND indicator) {
    if (!StopUnattendedPrinting())
        UnattendedTimer =
            SetTimer(nullptr, 0, static_cast<UINT>(MinimumInterval()), UnattendedTick);
    ShowState(indicator);
}

bool IsUnattendedPrintingOn() {
    return UnattendedTimer != 0;
}

bool StopUnattendedPrinting() {
    if (UnattendedTimer == 0)
        return false;
    KillTimer(nullptr, UnattendedTimer);
    UnattendedTimer = 0;
    return true;
}

bool UnattendedPrintingWasOn() {
    return ParseSettingNumber(ReadSetting(SettingsFilePath(), kUnattendedSection, kStatusKey)) != 0;
}

void RecordUnattendedPrinting(bool on) {
    WriteSetting(SettingsFilePath(), kUnattendedSection, kStatusKey, on ? "1" : "0");
}

} // namespace sw
