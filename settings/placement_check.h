// Which measures typed into the bitmap placement dialog are taken: a measure
// must be a number, not negative, and keep the box on the printer's page.
// A refused measure keeps its stored value. Portable, so that the rules are
// unit-tested on the host; the dialog is in bitmap_placement_dialog.cpp.
#pragma once

#include "settings/bitmap_units.h"

#include <array>
#include <optional>
#include <string>

namespace sw {

// The four measures in the dialog's order.
enum PlacementMeasure { kPlacementLeft, kPlacementTop, kPlacementWidth, kPlacementHeight };
using PlacementMeasures = std::array<double, 4>; // inches

enum class MeasureProblem { None, NotANumber, Negative, BeyondPage };

// The paper of the printer, in inches.
struct PageSize {
    double width = 0;
    double height = 0;
};

struct PlacementCheck {
    PlacementMeasures box = {};                  // inches: what is to be stored
    std::array<MeasureProblem, 4> problems = {}; // MeasureProblem::None for a measure taken
    std::array<double, 4> largest = {};          // inches: the most a BeyondPage one may be
};

// Checks the typed texts (in `unit`) in the order left, top, width, height.
// Left and top may be at most the page's width and height; the width at most
// what the page leaves right of the left side, the height what it leaves
// below the top, as they are after the check. Without a page (no printer,
// or one whose page is not known) only the first two rules apply.
PlacementCheck CheckTypedPlacement(const std::array<std::string, 4>& typed, PlacementUnit unit,
                                   const PlacementMeasures& stored,
                                   const std::optional<PageSize>& page);

} // namespace sw
