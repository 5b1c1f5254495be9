// swservice.exe: unattended printing with no one signed in. The service
// control manager starts it; it reports its states, runs the window's
// schedules with the window's code, and on a stop or a shutdown finishes the
// file it is printing, records it and ends.
#include "printroute/print_route.h"
#include "service/remote_site_print.h"
#include "service/service_names.h"
#include "service/service_ticks.h"
#include "unattended/state_protection.h"
#include "unattended/unattended_run.h"

#include <windows.h>

#include <mutex>

namespace {

// What the control manager is told to wait for: a start has nothing slow to
// do; a stop waits for the print under way, which a spooler hands on in
// seconds.
constexpr DWORD kStartWaitHintMs = 5000;
constexpr DWORD kStopWaitHintMs = 30000;

struct ServiceStatus {
    std::mutex guard; // reports come from the control thread and the service's
    SERVICE_STATUS_HANDLE handle = nullptr;
    SERVICE_STATUS status = {};
    HANDLE stopEvent = nullptr;
};

ServiceStatus& Service() {
    static ServiceStatus service;
    return service;
}

void Report(DWORD state, DWORD waitHint = 0, DWORD exitCode = NO_ERROR) {
    ServiceStatus& service = Service();
    const std::lock_guard<std::mutex> lock(service.guard);
    SERVICE_STATUS& status = service.status;
    status.dwServiceType = SERVICE_WIN32_OWN_PROCESS;
    status.dwCurrentState = state;
    status.dwWin32ExitCode = exitCode;
    status.dwWaitHint = waitHint;
    const bool pending = state == SERVICE_START_PENDING || state == SERVICE_STOP_PENDING;
    status.dwCheckPoint = pending ? status.dwCheckPoint + 1 : 0;
    // While it starts or stops it takes no control; once running, a stop or
    // a shutdown.
    status.dwControlsAccepted =
        state == SERVICE_RUNNING ? SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_SHUTDOWN : 0;
    SetServiceStatus(service.handle, &status);
}

// While a pass cannot record (a full disk), the running service shows the
// system's code as its exit code, which "sc query" and the Services console
// show; it goes back to 0 once printing resumes. Once a stop is under way the
// state is left alone.
void ReportPassState(const sw::UnattendedPassResult& result) {
    ServiceStatus& service = Service();
    const DWORD code = result.paused ? static_cast<DWORD>(result.error) : NO_ERROR;
    const std::lock_guard<std::mutex> lock(service.guard);
    SERVICE_STATUS& status = service.status;
    if (status.dwCurrentState != SERVICE_RUNNING || status.dwWin32ExitCode == code)
        return;
    status.dwWin32ExitCode = code;
    SetServiceStatus(service.handle, &status);
}

DWORD WINAPI OnControl(DWORD control, DWORD, LPVOID, LPVOID) {
    switch (control) {
    case SERVICE_CONTROL_STOP:
    case SERVICE_CONTROL_SHUTDOWN:
        Report(SERVICE_STOP_PENDING, kStopWaitHintMs);
        sw::StopScanning();
        sw::StopRemoteWaits();
        SetEvent(Service().stopEvent);
        return NO_ERROR;
    case SERVICE_CONTROL_INTERROGATE:
        return NO_ERROR;
    default:
        return ERROR_CALL_NOT_IMPLEMENTED;
    }
}

void WINAPI ServiceMain(DWORD, LPSTR*) {
    ServiceStatus& service = Service();
    service.handle = RegisterServiceCtrlHandlerExA(sw::kServiceName, OnControl, nullptr);
    if (service.handle == nullptr)
        return;
    Report(SERVICE_START_PENDING, kStartWaitHintMs);
    service.stopEvent = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    if (service.stopEvent == nullptr) {
        Report(SERVICE_STOPPED, 0, GetLastError());
        return;
    }
    // The companion is a window in a user's session, out of a service's
    // reach: a remote printer's file is sent to its site from here.
    sw::PrintRemotePrintersWith(sw::PrintOnRemoteSite);
    // Whoever may write into a watched folder may not change what it records.
    sw::ProtectUnattendedFiles();
    const sw::CompanionControls companion = {};
    const sw::RememberedCopiesSetting copies;
    const sw::PrintContext context{companion, copies};
    Report(SERVICE_RUNNING);
    sw::RunServiceTicks(service.stopEvent, context, ReportPassState);
    Report(SERVICE_STOPPED);
}

} // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char name[sizeof(sw::kServiceName)];
    lstrcpynA(name, sw::kServiceName, sizeof(name));
    SERVICE_TABLE_ENTRYA table[] = {{name, ServiceMain}, {nullptr, nullptr}};
    // Started by hand rather than by the control manager: 1063
    // (ERROR_FAILED_SERVICE_CONTROLLER_CONNECT) is the exit code.
    if (!StartServiceCtrlDispatcherA(table))
        return static_cast<int>(GetLastError());
    return 0;
}
