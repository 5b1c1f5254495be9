// A stand-in for the placement dialog, which the settings tests hand to the
// placement query in place of the real one: it counts how often it was shown
// and plays a user who types the given left measure and leaves with "&Return".
#pragma once

namespace swtest {

extern int placementDialogShown;
extern double placementDialogLeft;

void ShowPlacementDialogFake();

} // namespace swtest
