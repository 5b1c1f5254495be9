// A remote access library for the dial-up tests: the six functions the
// wrappers look up, answering from a script the test sets and writing every
// call, with the record sizes it was given, to a log the test reads.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

struct Script {
    int connections = 0;  // active connections
    int entries = 0;      // phonebook entries
    DWORD dialResult = 0; // what RasDialA answers
    DWORD state = 0x2000; // the connection's state after dialling
    DWORD hangUpResult = 0;
    int statusReadsLeft = 0; // status reads that succeed after a hang-up
    bool hungUp = false;
};

Script script;
std::string callLog;

// Where a connection entry's fields lie: after the size field comes the
// handle, aligned to its own size, then the entry name.
constexpr std::size_t kHandleOffset = sizeof(void*) == 8 ? 8 : 4;
constexpr std::size_t kNameOffset = kHandleOffset + sizeof(HANDLE);
constexpr std::size_t kConnectionSize = sizeof(void*) == 8 ? 424 : 412;

void Log(const std::string& line) {
    callLog += line + "\n";
}

} // namespace

extern "C" {

__declspec(dllexport) void WINAPI
    FakeRasSetUp(int connections, int entries, DWORD dialResult, DWORD state, DWORD hangUpResult) {
    script = Script();
    script.connections = connections;
    script.entries = entries;
    script.dialResult = dialResult;
    script.state = state;
    script.hangUpResult = hangUpResult;
    script.statusReadsLeft = 2;
    callLog.clear();
}

__declspec(dllexport) const char* WINAPI FakeRasLog() {
    return callLog.c_str();
}

__declspec(dllexport) DWORD WINAPI RasEnumConnectionsA(BYTE* entries, DWORD* bytes, DWORD* count) {
    Log("EnumConnections size " + std::to_string(*reinterpret_cast<DWORD*>(entries)) + " bytes " +
        std::to_string(*bytes));
    for (int i = 0; i < script.connections; ++i) {
        BYTE* entry = entries + kConnectionSize * i;
        *reinterpret_cast<HANDLE*>(entry + kHandleOffset) = reinterpret_cast<HANDLE>(0x100 + i);
        const std::string name = i == 0 ? "Office" : "Home";
        std::memcpy(entry + kNameOffset, name.c_str(), name.size() + 1);
    }
    *count = static_cast<DWORD>(script.connections);
    return 0;
}

__declspec(dllexport) DWORD WINAPI
    RasEnumEntriesA(LPCSTR, LPCSTR, BYTE* entries, DWORD* bytes, DWORD* count) {
    Log("EnumEntries size " + std::to_string(*reinterpret_cast<DWORD*>(entries)) + " bytes " +
        std::to_string(*bytes));
    for (int i = 0; i < script.entries && (i + 1) * 264 <= static_cast<int>(*bytes); ++i) {
        const std::string name = "  Entry " + std::to_string(i + 1) + "  ";
        std::memcpy(entries + 264 * i + 4, name.c_str(), name.size() + 1);
    }
    *count = static_cast<DWORD>(script.entries);
    return static_cast<int>(*bytes) < 264 * script.entries ? 603 : 0;
}

__declspec(dllexport) DWORD WINAPI RasGetEntryDialParamsA(LPCSTR, BYTE* parameters, BOOL*) {
    Log("GetEntryDialParams size " + std::to_string(*reinterpret_cast<DWORD*>(parameters)) +
        " entry '" + reinterpret_cast<const char*>(parameters + 4) + "'");
    return 0;
}

__declspec(dllexport) DWORD WINAPI
    RasDialA(BYTE* extensions, LPCSTR, BYTE* parameters, DWORD notifierType, LPVOID notifier,
             HANDLE* connection) {
    Log("Dial extensions " + std::to_string(*reinterpret_cast<DWORD*>(extensions)) +
        " parameters " + std::to_string(*reinterpret_cast<DWORD*>(parameters)) + " notifier " +
        std::to_string(notifierType) + (notifier == nullptr ? " none" : " set"));
    *connection = reinterpret_cast<HANDLE>(0x200);
    return script.dialResult;
}

__declspec(dllexport) DWORD WINAPI RasGetConnectStatusA(HANDLE connection, BYTE* status) {
    if (script.hungUp && script.statusReadsLeft-- <= 0) {
        Log("GetConnectStatus gone");
        return 6; // ERROR_INVALID_HANDLE
    }
    Log("GetConnectStatus size " + std::to_string(*reinterpret_cast<DWORD*>(status)) + " handle " +
        std::to_string(reinterpret_cast<UINT_PTR>(connection)));
    *reinterpret_cast<DWORD*>(status + 4) = script.state;
    return 0;
}

__declspec(dllexport) DWORD WINAPI RasHangUpA(HANDLE connection) {
    Log("HangUp " + std::to_string(reinterpret_cast<UINT_PTR>(connection)));
    script.hungUp = true;
    return script.hangUpResult;
}

} // extern "C"
