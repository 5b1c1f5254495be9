// A remote site on loopback that accepts every connection and never answers
// it: a site whose host is up but whose print server hangs. It may answer
// the first request with a print server's listing of one queue,
// "sw_silent", as a site does that stops answering after it was listed.
#pragma once

#include <winsock2.h>

#include <string>
#include <vector>

namespace swtest {

class SilentSite {
  public:
    explicit SilentSite(bool listsItsQueue);
    ~SilentSite();
    SilentSite(const SilentSite&) = delete;
    SilentSite& operator=(const SilentSite&) = delete;

    // The site as "SWRemote.txt" names it: 127.0.0.1:port.
    std::string Address() const;

  private:
    static DWORD WINAPI Serve(LPVOID self);

    bool listsItsQueue_;
    SOCKET listener_ = INVALID_SOCKET;
    int port_ = 0;
    HANDLE thread_ = nullptr;
    std::vector<SOCKET> held_; // the serving thread's until it ends
};

} // namespace swtest
