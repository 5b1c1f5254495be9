// A printer's port on loopback that takes the first connection, reads a
// little of the job and then resets the connection (a linger of 0 makes
// the close a reset): a printer that is switched off or jams mid-job.
#pragma once

#include <winsock2.h>

#include <string>
#include <thread>

namespace swtest {

class ResettingPrinter {
  public:
    ResettingPrinter() {
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof(address);
        if (bind(listener_, reinterpret_cast<sockaddr*>(&address), size) == 0 &&
            listen(listener_, 1) == 0 &&
            getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &size) == 0)
            port_ = ntohs(address.sin_port);
        thread_ = std::thread([this] { ResetFirstJob(); });
    }
    ~ResettingPrinter() {
        closesocket(listener_); // ends an accept still waiting
        thread_.join();
        WSACleanup();
    }
    ResettingPrinter(const ResettingPrinter&) = delete;
    ResettingPrinter& operator=(const ResettingPrinter&) = delete;

    std::string Address() const { return "127.0.0.1:" + std::to_string(port_); }

  private:
    void ResetFirstJob() {
        SOCKET job = accept(listener_, nullptr, nullptr);
        if (job == INVALID_SOCKET)
            return;
        char bytes[1000];
        recv(job, bytes, sizeof(bytes), 0);
        const linger reset = {1, 0};
        setsockopt(job, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&reset),
                   sizeof(reset));
        closesocket(job);
    }

    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    std::thread thread_;
};

} // namespace swtest
