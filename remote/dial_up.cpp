#include "remote/dial_up.h"


#include <cstring>
#include <string>

namespace sw {

namespace {

constexpr DWORD kConnected = 0x2000;
constexpr DWORD kHangUpFailed = 1001;
constexpr DWORD kNoConnection = 1002;
constexpr int kMostConnections = 100;
constexpr DWORD kHangUpPollMs = 5;
// The remote access error for an array too small for every entry.
constexpr DWORD kBufferTooSmall = 603;

// The records as the first 32-bit generation of the interface defines them;
// their size fields tell the library which generation the caller speaks.
struct ConnectionEntry {
    DWORD size;
    DialUpConnection connection;
    char entryName[257];
    char deviceType[17];
    char deviceName[129];
};
struct PhonebookEntryName {
    DWORD size;
    char entryName[257];
};
struct DialParameters {
    DWORD size;
    char entryName[257];
    char phoneNumber[129];
    char callbackNumber[129];
    char userName[257];
    char password[257];
    char domain[16];
};
struct DialExtensions {
    DWORD size;
    DWORD options;
    HWND parent;
    ULONG_PTR reserved;
};
struct ConnectionStatus {
    DWORD size;
    DWORD state;
    DWORD error;
    char deviceType[17];
    char deviceName[129];
};
static_assert(sizeof(PhonebookEntryName) == 264, "entry name of 264 bytes");
static_assert(sizeof(DialParameters) == 1052, "dial parameters of 1052 bytes");
static_assert(sizeof(ConnectionStatus) == 160, "connection status of 160 bytes");
#if defined(_WIN64)
static_assert(sizeof(ConnectionEntry) == 424, "connection entry of 424 bytes");
static_assert(sizeof(DialExtensions) == 24, "dial extensions of 24 bytes");
#else
static_assert(sizeof(ConnectionEntry) == 412, "connection entry of 412 bytes");
static_assert(sizeof(DialExtensions) == 16, "dial extensions of 16 bytes");
#endif

using GetConnectStatusFn = DWORD(WINAPI*)(DialUpConnection, ConnectionStatus*);
using EnumEntriesFn = DWORD(WINAPI*)(LPCSTR, LPCSTR, PhonebookEntryName*, DWORD*, DWORD*);
using GetEntryDialParamsFn = DWORD(WINAPI*)(LPCSTR, DialParameters*, BOOL*);
using DialFn = DWORD(WINAPI*)(DialExtensions*, LPCSTR, DialParameters*, DWORD, LPVOID,
                              DialUpConnection*);
using HangUpFn = DWORD(WINAPI*)(DialUpConnection);
using EnumConnectionsFn = DWORD(WINAPI*)(ConnectionEntry*, DWORD*, DWORD*);

// The library's function of that name, or null while the library is not loaded.
template <typename Function> Function Lookup(HMODULE library, const char* name) {
    if (library == nullptr)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// With the library loaded but the function missing, the call fails as the
// platform reports a missing function.
DWORD MissingResult(HMODULE library) {
    return library == nullptr ? 0 : ERROR_PROC_NOT_FOUND;
}

DWORD GetConnectStatus(HMODULE library, DialUpConnection connection, ConnectionStatus* status) {
    const auto call = Lookup<GetConnectStatusFn>(library, "RasGetConnectStatusA");
    return call ? call(connection, status) : MissingResult(library);
}

DWORD EnumEntries(HMODULE library, PhonebookEntryName* entries, DWORD* bytes, DWORD* count) {
    const auto call = Lookup<EnumEntriesFn>(library, "RasEnumEntriesA");
    return call ? call(nullptr, nullptr, entries, bytes, count) : MissingResult(library);
}

DWORD GetEntryDialParams(HMODULE library, DialParameters* parameters, BOOL* passwordSaved) {
    const auto call = Lookup<GetEntryDialParamsFn>(library, "RasGetEntryDialParamsA");
    return call ? call(nullptr, parameters, passwordSaved) : MissingResult(library);
}

DWORD Dial(HMODULE library, DialExtensions* extensions, DialParameters* parameters, DialUpConnection* connection) {
    const auto call = Lookup<DialFn>(library, "RasDialA");
    return call ? call(extensions, nullptr, parameters, 0, nullptr, connection) : MissingResult(library);
}

DWORD HangUp(HMODULE library, DialUpConnection connection) {
    const auto call = Lookup<HangUpFn>(library, "RasHangUpA");
    return call ? call(connection) : MissingResult(library);
}

DWORD EnumConnections(HMODULE library, ConnectionEntry* entries, DWORD* bytes, DWORD* count) {
    const auto call = Lookup<EnumConnectionsFn>(library, "RasEnumConnectionsA");
    return call ? call(entries, bytes, count) : MissingResult(library);
}

// The active connections, at most 100; the count is 0 when the call failed.
DWORD ActiveConnections(HMODULE library, ConnectionEntry (&entries)[kMostConnections]) {
    std::memset(entries, 0, sizeof(entries));
    entries[0].size = sizeof(ConnectionEntry);
    DWORD bytes = sizeof(entries), count = 0;
    if (EnumConnections(library, entries, &bytes, &count) != 0)
        return 0;
    return count > static_cast<DWORD>(kMostConnections) ? kMostConnections : count;
}

bool EqualsIgnoringCase(const char* a, const char* b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, -1, b, -1) == CSTR_EQUAL;
}

std::string TrimmedName(const char* name, std::size_t size) {
    std::string text(name, strnlen(name, size));
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    text = text.substr(first, text.find_last_not_of(' ') - first + 1);
    return text.substr(0, 256);
}

} // namespace

int IsDialUpConnected(HMODULE library) {
    static ConnectionEntry entries[kMostConnections];
    return ActiveConnections(library, entries) > 0 ? 1 : 0;
}

DialUpConnection DialFirstEntry(HMODULE library) {
    PhonebookEntryName entry = {};
    entry.size = sizeof(entry);
    DWORD bytes = sizeof(entry), count = 0;
    const DWORD result = EnumEntries(library, &entry, &bytes, &count);
    // A phonebook of several entries answers "buffer too small" to a one-entry array.
    if ((result != 0 && result != kBufferTooSmall) || count == 0)
        return nullptr;
    return DialEntry(library, 1);
}

DialUpConnection DialEntry(HMODULE library, int n) {
    static PhonebookEntryName entries[kMostConnections];
    std::memset(entries, 0, sizeof(entries));
    entries[0].size = sizeof(PhonebookEntryName);
    DWORD bytes = sizeof(entries), count = 0;
    if (EnumEntries(library, entries, &bytes, &count) != 0 || count == 0 || n < 1 ||
        static_cast<DWORD>(n) > count || n > kMostConnections)
        return nullptr;

    DialParameters parameters = {};
    parameters.size = sizeof(parameters);
    const std::string name =
        TrimmedName(entries[n - 1].entryName, sizeof(entries[n - 1].entryName));
    std::memcpy(parameters.entryName, name.c_str(), name.size() + 1);
    BOOL passwordSaved = FALSE;
    if (GetEntryDialParams(library, &parameters, &passwordSaved) != 0)
        return nullptr;

    DialExtensions extensions = {};
    extensions.size = sizeof(extensions);
    DialUpConnection connection = nullptr;
    if (Dial(library, &extensions, &parameters, &connection) != 0) {
        HangUpAndWait(library, connection);
        return nullptr;
    }
    ConnectionStatus status = {};
    status.size = sizeof(status);
    if (GetConnectStatus(library, connection, &status) != 0 || status.state != kConnected) {
        HangUpAndWait(library, connection);
        return nullptr;
    }
    return connection;
}

void HangUpAndWait(HMODULE library, DialUpConnection connection) {
    if (library == nullptr)
        return;
    HangUp(library, connection);
    // The connection is gone once its status can no longer be read.
    for (;;) {
        ConnectionStatus status = {};
        status.size = sizeof(status);
        if (GetConnectStatus(library, connection, &status) != 0)
            break;
        Sleep(kHangUpPollMs);
    }
}

DWORD HangUpConnections(HMODULE library, const char* name) {
    static ConnectionEntry entries[kMostConnections];
    const DWORD count = ActiveConnections(library, entries);
    if (count == 0)
        return kNoConnection;
    DWORD result = kNoConnection;
    const bool every = name == nullptr || *name == '\0';
    for (DWORD i = 0; i < count; ++i) {
        if (!every && !EqualsIgnoringCase(entries[i].entryName, name))
            continue;
        result = HangUp(library, entries[i].connection) == 0 ? 0 : kHangUpFailed;
    }
    return result;
}

} // namespace sw
