// A remote site on loopback whose host takes every connection (the system
// completes it from the listening socket's backlog) and which never answers:
// a site whose print server hangs.
#pragma once

#include "loopback_listener.h"

#include <string>

namespace swtest {

class SilentSite {
  public:
    SilentSite() : listener_(16) {}

    // The site as "SWRemote.txt" names it.
    std::string Address() const { return listener_.Address(); }

  private:
    LoopbackListener listener_;
};

} // namespace swtest
