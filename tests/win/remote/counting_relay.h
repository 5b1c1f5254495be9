// A relay on a loopback port to a server's port, which counts the bytes
// that cross it towards the server: the measure of how often a job's
// document was uploaded, whatever the conversation (TLS included) says.
#pragma once

#include "loopback_listener.h"

#include <winsock2.h>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace swtest {

class CountingRelay {
  public:
    explicit CountingRelay(int serverPort)
        : listener_(16), serverPort_(serverPort), acceptor_([this] { Accept(); }) {}
    ~CountingRelay() {
        listener_.Close(); // ends the accept
        acceptor_.join();
        std::vector<std::thread> pumps;
        {
            const std::lock_guard<std::mutex> lock(guard_);
            // Ends every receive still waiting, on a connection kept alive.
            for (SOCKET socket : sockets_)
                shutdown(socket, SD_BOTH);
            pumps.swap(pumps_);
        }
        for (std::thread& pump : pumps)
            pump.join();
        for (SOCKET socket : sockets_)
            closesocket(socket);
    }
    CountingRelay(const CountingRelay&) = delete;
    CountingRelay& operator=(const CountingRelay&) = delete;

    int Port() const { return listener_.Port(); }
    // The bytes the clients sent towards the server so far.
    std::uint64_t BytesToServer() const { return toServer_.load(); }

  private:
    void Accept() {
        for (;;) {
            const SOCKET client = accept(listener_.Socket(), nullptr, nullptr);
            if (client == INVALID_SOCKET)
                return;
            const SOCKET server = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
            sockaddr_in address = {};
            address.sin_family = AF_INET;
            address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            address.sin_port = htons(static_cast<u_short>(serverPort_));
            if (connect(server, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0) {
                closesocket(server);
                closesocket(client);
                continue;
            }
            const std::lock_guard<std::mutex> lock(guard_);
            sockets_.push_back(client);
            sockets_.push_back(server);
            pumps_.emplace_back([this, client, server] { Pump(client, server, &toServer_); });
            pumps_.emplace_back([client, server] { Pump(server, client, nullptr); });
        }
    }

    // Passes on what one side sends until it closes, then closes that way.
    static void Pump(SOCKET from, SOCKET to, std::atomic<std::uint64_t>* count) {
        char buffer[16384];
        for (;;) {
            const int received = recv(from, buffer, sizeof(buffer), 0);
            if (received <= 0)
                break;
            if (count != nullptr)
                *count += static_cast<std::uint64_t>(received);
            for (int sent = 0; sent < received;) {
                const int done = send(to, buffer + sent, received - sent, 0);
                if (done <= 0)
                    return;
                sent += done;
            }
        }
        shutdown(to, SD_SEND);
    }

    LoopbackListener listener_; // before the thread, which uses it
    const int serverPort_;
    std::atomic<std::uint64_t> toServer_{0};
    std::mutex guard_;
    std::vector<SOCKET> sockets_;
    std::vector<std::thread> pumps_;
    std::thread acceptor_;
};

} // namespace swtest
