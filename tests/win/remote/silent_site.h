// A remote site on loopback whose host takes every connection (the system
// completes it from the listening socket's backlog) and which never answers:
// a site whose print server hangs.
#pragma once

#include <winsock2.h>

#include <string>

namespace swtest {

class SilentSite {
  public:
    SilentSite() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof(address);
        if (bind(listener_, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
            listen(listener_, 16) == 0 &&
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            port_ = ntohs(address.sin_port);
    }
    ~SilentSite() {
        closesocket(listener_);
        WSACleanup();
    }
    SilentSite(const SilentSite&) = delete;
    SilentSite& operator=(const SilentSite&) = delete;

    // The site as "SWRemote.txt" names it.
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

  private:
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
};

} // namespace swtest
