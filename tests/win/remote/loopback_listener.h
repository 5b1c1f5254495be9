// A listening socket on a free loopback port, for test stand-ins of a site
// or a printer's port that the program connects to.
#pragma once

#include <winsock2.h>

#include <string>

namespace swtest {

class LoopbackListener {
  public:
    explicit LoopbackListener(int backlog) {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        socket_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof(address);
        if (bind(socket_, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
            listen(socket_, backlog) == 0 &&
            getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            port_ = ntohs(address.sin_port);
    }
    ~LoopbackListener() {
        Close();
        WSACleanup();
    }
    LoopbackListener(const LoopbackListener&) = delete;
    LoopbackListener& operator=(const LoopbackListener&) = delete;

    // Ends an accept still waiting on it.
    void Close() {
        if (socket_ != INVALID_SOCKET)
            closesocket(socket_);
        socket_ = INVALID_SOCKET;
    }

    SOCKET Socket() const { return socket_; }
    int Port() const { return port_; }
    // The address as "SWRemote.txt" names it.
    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

  private:
    SOCKET socket_ = INVALID_SOCKET;
    int port_ = 0;
};

} // namespace swtest
