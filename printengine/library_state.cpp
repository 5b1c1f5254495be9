#include "printengine/library_state.h"

namespace sw {

RawJobAdditions LibraryState::Additions() const {
    RawJobAdditions additions;
    additions.orientation = orientationEnabled != 0;
    additions.startSequence = orientationStartSeq;
    additions.endSequence = orientationEndSeq;
    additions.autoFormFeed = autoFormFeed != 0;
    return additions;
}

LibraryState& State() {
    static LibraryState state;
    return state;
}

} // namespace sw
