#include "service/service_control.h"

#include "service/service_names.h"

#include <vector>

namespace sw {
namespace {

// A handle of the control manager or of a service, closed on every path.
class ServiceHandle {
  public:
    explicit ServiceHandle(SC_HANDLE handle) : handle_(handle) {}
    ~ServiceHandle() {
        if (handle_ != nullptr)
            CloseServiceHandle(handle_);
    }
    ServiceHandle(const ServiceHandle&) = delete;
    ServiceHandle& operator=(const ServiceHandle&) = delete;
    SC_HANDLE Get() const { return handle_; }
    bool IsOpen() const { return handle_ != nullptr; }

  private:
    SC_HANDLE handle_;
};

// The service opened with `access`; closed when the control manager or the
// service could not be opened, with the system's code as the last error.
SC_HANDLE OpenUnattendedService(DWORD access) {
    const ServiceHandle manager(OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager.IsOpen())
        return nullptr;
    return OpenServiceA(manager.Get(), kServiceName, access);
}

DWORD CurrentState(SC_HANDLE service) {
    SERVICE_STATUS status = {};
    if (!QueryServiceStatus(service, &status))
        return 0;
    return status.dwCurrentState;
}

// Polls until the service is in `state`; false after `waitMs`.
bool WaitForState(SC_HANDLE service, DWORD state, DWORD waitMs) {
    constexpr DWORD kPollMs = 100;
    for (DWORD waited = 0;; waited += kPollMs) {
        if (CurrentState(service) == state)
            return true;
        if (waited >= waitMs)
            return false;
        Sleep(kPollMs);
    }
}

bool StartsAtBoot(SC_HANDLE service) {
    DWORD needed = 0;
    QueryServiceConfigA(service, nullptr, 0, &needed);
    if (needed == 0)
        return false;
    std::vector<char> buffer(needed);
    auto* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buffer.data());
    if (!QueryServiceConfigA(service, config, needed, &needed))
        return false;
    return config->dwStartType == SERVICE_AUTO_START;
}

} // namespace

ServiceInfo QueryUnattendedService() {
    ServiceInfo info;
    const ServiceHandle service(OpenUnattendedService(SERVICE_QUERY_STATUS | SERVICE_QUERY_CONFIG));
    if (!service.IsOpen())
        return info;
    const DWORD state = CurrentState(service.Get());
    info.state = state == SERVICE_STOPPED ? ServiceState::Stopped : ServiceState::Running;
    info.startsAtBoot = StartsAtBoot(service.Get());
    return info;
}

DWORD StartUnattendedService(DWORD waitMs) {
    const ServiceHandle service(OpenUnattendedService(SERVICE_START | SERVICE_QUERY_STATUS));
    if (!service.IsOpen())
        return GetLastError();
    if (!StartServiceA(service.Get(), 0, nullptr) &&
        GetLastError() != ERROR_SERVICE_ALREADY_RUNNING)
        return GetLastError();
    return WaitForState(service.Get(), SERVICE_RUNNING, waitMs) ? 0 : ERROR_TIMEOUT;
}

DWORD StopUnattendedService(DWORD waitMs) {
    const ServiceHandle service(OpenUnattendedService(SERVICE_STOP | SERVICE_QUERY_STATUS));
    if (!service.IsOpen())
        return GetLastError();
    SERVICE_STATUS status = {};
    if (!ControlService(service.Get(), SERVICE_CONTROL_STOP, &status) &&
        GetLastError() != ERROR_SERVICE_NOT_ACTIVE)
        return GetLastError();
    return WaitForState(service.Get(), SERVICE_STOPPED, waitMs) ? 0 : ERROR_TIMEOUT;
}

} // namespace sw
