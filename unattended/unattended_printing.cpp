#include "unattended/unattended_printing.h"

#include "common/dialog_controls.h"
#include "resources/resource.h"
#include "settings/setting_names.h"
#include "settings/setting_numbers.h"
#include "settings/settings_store.h"
#include "unattended/pause_text.h"
#include "unattended/schedule_file.h"
#include "unattended/unattended_run.h"

#include <optional>

namespace sw {
namespace {

// What the running timer prints with, and the indicator it shows its state
// in: a timer procedure takes no argument.
std::optional<PrintContext>& TickContext() {
    static std::optional<PrintContext> context;
    return context;
}

HWND& TickIndicator() {
    static HWND indicator = nullptr;
    return indicator;
}

// Asked before each tick: another owner of unattended printing (the service)
// keeps the window's timer from printing.
bool (*&TickGate())() {
    static bool (*gate)() = nullptr;
    return gate;
}

struct TestTurn {
    bool (*take)() = nullptr;
    void (*done)() = nullptr;
};

TestTurn& ScheduleTestTurn() {
    static TestTurn turn;
    return turn;
}

void ShowState(HWND indicator, bool on) {
    if (indicator == nullptr)
        return;
    const std::string text = ResourceString(on ? IDS_UNATTENDED_ON : IDS_UNATTENDED_OFF);
    SetWindowTextA(indicator, text.c_str());
}

// The indicator says while a pass cannot record, and goes back once one can;
// it is written only when its text changes.
void ShowPassState(const UnattendedPassResult& result) {
    const HWND indicator = TickIndicator();
    if (indicator == nullptr || !IsWindow(indicator))
        return;
    const std::string text =
        result.paused ? PausedIndicatorText(result.error) : ResourceString(IDS_UNATTENDED_ON);
    char shown[256] = {};
    GetWindowTextA(indicator, shown, sizeof(shown));
    if (text != shown)
        SetWindowTextA(indicator, text.c_str());
}

void CALLBACK UnattendedTick(HWND, UINT, UINT_PTR, DWORD) {
    if (TickGate() != nullptr && !TickGate()())
        return;
    if (TickContext())
        ShowPassState(RunUnattendedPass(*TickContext()));
}

} // namespace

void ToggleUnattendedPrinting(HWND indicator, UINT_PTR& timer, const PrintContext& context) {
    if (!StopUnattendedPrinting(timer)) {
        TickContext().emplace(context);
        TickIndicator() = indicator;
        timer = SetTimer(nullptr, 0, static_cast<UINT>(MinimumInterval()), UnattendedTick);
    }
    ShowState(indicator, timer != 0);
}

void SetUnattendedTickGate(bool (*mayPrint)()) {
    TickGate() = mayPrint;
}

void SetScheduleTestTurn(bool (*take)(), void (*done)()) {
    ScheduleTestTurn() = {take, done};
}

bool TestSchedule(const ScheduleRecord& record, const PrintContext& context) {
    const TestTurn turn = ScheduleTestTurn();
    if (turn.take != nullptr && !turn.take())
        return false;
    RunSchedule(record, context);
    if (turn.done != nullptr)
        turn.done();
    return true;
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
