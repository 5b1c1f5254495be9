#include "shell/local_address.h"

// Winsock must come before the other network headers.
#include <winsock2.h>

#include <iphlpapi.h>

#include <cstdio>
#include <vector>

namespace sw {
namespace {

constexpr char kNoAddress[] = "0.0.0.0";
constexpr DWORD kLookupTimeoutMs = 1000;

// True when an adapter other than loopback is up: only then can resolving
// the host name give an address that others reach.
bool HasNetworkAdapter() {
    ULONG size = 16 * 1024;
    std::vector<unsigned char> buffer(size);
    ULONG result = ERROR_BUFFER_OVERFLOW;
    for (int attempt = 0; attempt < 3 && result == ERROR_BUFFER_OVERFLOW; ++attempt) {
        buffer.resize(size);
        result = GetAdaptersAddresses(
            AF_INET, GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER,
            nullptr, reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()), &size);
    }
    if (result != NO_ERROR)
        return result != ERROR_NO_DATA; // unknown: let the lookup decide
    for (auto* adapter = reinterpret_cast<IP_ADAPTER_ADDRESSES*>(buffer.data()); adapter != nullptr;
         adapter = adapter->Next) {
        if (adapter->IfType != IF_TYPE_SOFTWARE_LOOPBACK && adapter->OperStatus == IfOperStatusUp &&
            adapter->FirstUnicastAddress != nullptr)
            return true;
    }
    return false;
}

// The lookup runs on a thread of its own, which owns this record with the
// caller until both are done with it.
struct Lookup {
    LONG references = 2;
    char text[16] = {};

    void Release() {
        if (InterlockedDecrement(&references) == 0)
            delete this;
    }
};

DWORD WINAPI ResolveHostName(void* argument) {
    Lookup* lookup = static_cast<Lookup*>(argument);
    WSADATA data;
    if (WSAStartup(MAKEWORD(2, 2), &data) == 0) {
        const hostent* host = gethostbyname("");
        if (host != nullptr && host->h_addrtype == AF_INET && host->h_addr_list[0] != nullptr) {
            const auto* bytes = reinterpret_cast<const unsigned char*>(host->h_addr_list[0]);
            std::snprintf(lookup->text, sizeof(lookup->text), "%u.%u.%u.%u", bytes[0], bytes[1],
                          bytes[2], bytes[3]);
        }
        WSACleanup();
    }
    lookup->Release();
    return 0;
}

} // namespace

std::string LocalIpText() {
    if (!HasNetworkAdapter())
        return kNoAddress;
    Lookup* lookup = new Lookup;
    HANDLE thread = CreateThread(nullptr, 0, ResolveHostName, lookup, 0, nullptr);
    if (thread == nullptr) {
        delete lookup;
        return kNoAddress;
    }
    std::string text = kNoAddress;
    if (WaitForSingleObject(thread, kLookupTimeoutMs) == WAIT_OBJECT_0 && lookup->text[0] != '\0')
        text = lookup->text;
    CloseHandle(thread);
    lookup->Release();
    return text;
}

} // namespace sw
