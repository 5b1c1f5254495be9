#include "shell/unattended_command.h"

#include "common/dialog_controls.h"
#include "common/message_captions.h"
#include "resources/resource.h"
#include "service/service_control.h"
#include "service/unattended_owner.h"
#include "shell/print_dispatch.h"
#include "shell/program_state.h"
#include "unattended/unattended_printing.h"
#include "unattended/unattended_run.h"

#include <cstdio>
#include <string>
#include <vector>

namespace sw {
namespace {

// The service stops once it has recorded the file it prints.
constexpr DWORD kServiceWaitMs = 30000;

UnattendedOwnership& WindowOwnership() {
    static UnattendedOwnership ownership;
    return ownership;
}

void ToggleWindowTimer() {
    ProgramState& program = Program();
    SetUnattendedTickGate(WindowMayPrintUnattended);
    ToggleUnattendedPrinting(nullptr, program.UnattendedTimer, ProgramPrintContext());
    if (program.UnattendedTimer == 0)
        WindowOwnership().Release();
}

int Ask(HWND window, UINT question, UINT buttons) {
    return MessageBoxA(window, ResourceString(question).c_str(), kProgramCaption,
                       buttons | MB_ICONQUESTION);
}

// Says why the service did not start or stop; nothing for 0.
void ReportServiceOutcome(HWND window, DWORD code) {
    if (code == 0)
        return;
    std::string text =
        ResourceString(code == ERROR_ACCESS_DENIED ? IDS_SERVICE_NOT_ALLOWED : IDS_SERVICE_FAILED);
    if (code != ERROR_ACCESS_DENIED) {
        std::vector<char> buffer(text.size() + 16);
        std::snprintf(buffer.data(), buffer.size(), text.c_str(), static_cast<unsigned long>(code));
        text = buffer.data();
    }
    MessageBoxA(window, text.c_str(), kProgramCaption, MB_OK | MB_ICONWARNING);
}

} // namespace

void OnPrintUnattended(HWND window) {
    // The window's own timer is switched off as it always was.
    if (Program().UnattendedTimer != 0) {
        ToggleWindowTimer();
        ShowUnattendedIndicator();
        return;
    }
    const ServiceInfo service = QueryUnattendedService();
    if (service.state == ServiceState::Running) {
        if (Ask(window, IDS_STOP_SERVICE_QUESTION, MB_YESNO) == IDYES)
            ReportServiceOutcome(window, StopUnattendedService(kServiceWaitMs));
    } else if (service.state == ServiceState::Stopped) {
        const int answer = Ask(window, IDS_START_SERVICE_QUESTION, MB_YESNOCANCEL);
        if (answer == IDYES)
            ReportServiceOutcome(window, StartUnattendedService(kServiceWaitMs));
        else if (answer == IDNO)
            ToggleWindowTimer();
    } else {
        ToggleWindowTimer();
    }
    ShowUnattendedIndicator();
}

void ResumeUnattendedPrinting() {
    const ServiceInfo service = QueryUnattendedService();
    if (service.state != ServiceState::Running && !service.startsAtBoot &&
        Program().UnattendedTimer == 0)
        ToggleWindowTimer();
    ShowUnattendedIndicator();
}

void ShowUnattendedIndicator() {
    const HWND indicator = Program().UnattendedIndicator;
    if (indicator == nullptr)
        return;
    UINT text = Program().UnattendedTimer != 0 ? IDS_UNATTENDED_ON : IDS_UNATTENDED_OFF;
    if (Program().UnattendedTimer == 0 && QueryUnattendedService().state == ServiceState::Running)
        text = IDS_UNATTENDED_SERVICE;
    SetWindowTextA(indicator, ResourceString(text).c_str());
}

bool WindowMayPrintUnattended() {
    UnattendedOwnership& ownership = WindowOwnership();
    if (QueryUnattendedService().state == ServiceState::Running) {
        StopUnattendedPrinting(Program().UnattendedTimer);
        ownership.Release();
        ShowUnattendedIndicator();
        return false;
    }
    if (ownership.Held())
        return true;
    if (!ownership.TryTake())
        return false;
    // The service may have printed since this window last read them.
    ForgetUnattendedMemory();
    return true;
}

void EndScheduleTest() {
    if (Program().UnattendedTimer == 0)
        WindowOwnership().Release();
}

void ReleaseWindowOwnership() {
    WindowOwnership().Release();
}

} // namespace sw
