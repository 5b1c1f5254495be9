// A stand-in for the placement dialog, linked into the settings tests instead
// of the real one: it counts how often it was shown and plays a user who types
// the given left measure and leaves with "&Return".
#pragma once

namespace swtest {

extern int placementDialogShown;
extern double placementDialogLeft;

} // namespace swtest
