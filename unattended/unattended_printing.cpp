#include "unattended/unattended_printing.h"

#include "common/dialog_controls.h"
#include "resources/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_numbers.h"
#include "settings/settings_store.h"
#include "unattended/schedule_file.h"
#include "unattended/unattended_run.h"

#include <optional>

namespace sw {
namespace {

// What the running timer prints with: a timer procedure takes no argument.
std::optional<PrintContext>& TickContext() {
    static std::optional<PrintContext> context;
    return context;
}

bool (*&TickGate())() {
    static bool (*gate)() = nullptr;
    return gate;
}

void CALLBACK UnattendedTick(HWND, UINT, UINT_PTR, DWORD) {
    if (TickGate() != nullptr && !TickGate()())
        return;
    if (TickContext())
        RunUnattendedPass(*TickContext());
}

void ShowState(HWND indicator, bool on) {
    if (indicator == nullptr)
        return;
    const std::string text = ResourceString(on ? IDS_UNATTENDED_ON : IDS_UNATTENDED_OFF);
    SetWindowTextA(indicator, text.c_str());
}

} // namespace

void ToggleUnattendedPrinting(HWND indicator, UINT_PTR& timer, const PrintContext& context) {
    if (!StopUnattendedPrinting(timer)) {
        TickContext().emplace(context);
        timer = SetTimer(nullptr, 0, static_cast<UINT>(MinimumInterval()), UnattendedTick);
    }
    ShowState(indicator, timer != 0);
}

void SetUnattendedTickGate(bool (*mayPrint)()) {
    TickGate() = mayPrint;
}

bool StopUnattendedPrinting(UINT_PTR& timer) {
    if (timer == 0)
        return false;
    KillTimer(nullptr, timer);
    timer = 0;
    return true;
}

bool UnattendedPrintingWasOn() {
    return ParseSettingNumber(ReadSetting(SettingsFilePath(), kUnattendedSection, kStatusKey)) != 0;
}

void RecordUnattendedPrinting(bool on) {
    WriteSetting(SettingsFilePath(), kUnattendedSection, kStatusKey, on ? "1" : "0");
}

} // namespace sw
