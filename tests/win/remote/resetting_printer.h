// A printer's port on loopback that takes the first connection, reads a
// little of the job and then resets the connection (a linger of 0 makes
// the close a reset): a printer that is switched off or jams mid-job.
#pragma once

#include "loopback_listener.h"

#include <winsock2.h>

#include <string>
#include <thread>

namespace swtest {

class ResettingPrinter {
  public:
    ResettingPrinter() : listener_(1), thread_([this] { ResetFirstJob(); }) {}
    ~ResettingPrinter() {
        listener_.Close(); // ends an accept still waiting
        thread_.join();
    }
    ResettingPrinter(const ResettingPrinter&) = delete;
    ResettingPrinter& operator=(const ResettingPrinter&) = delete;

    std::string Address() const { return listener_.Address(); }

  private:
    void ResetFirstJob() {
        SOCKET job = accept(listener_.Socket(), nullptr, nullptr);
        if (job == INVALID_SOCKET)
            return;
        char bytes[1000];
        recv(job, bytes, sizeof(bytes), 0);
        const linger reset = {1, 0};
        setsockopt(job, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&reset),
                   sizeof(reset));
        closesocket(job);
    }

    LoopbackListener listener_; // before the thread, which uses it
    std::thread thread_;
};

} // namespace swtest
