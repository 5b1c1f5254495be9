#include "settings/placement_check.h"

#include "settings/setting_numbers.h"

#include <algorithm>

namespace sw {
namespace {

// A measure typed in centimeters comes back from inches with a rounding
// error; a box that fits the page exactly must still fit.
constexpr double kSlackInches = 1e-9;

} // namespace

PlacementCheck CheckTypedPlacement(const std::array<std::string, 4>& typed, PlacementUnit unit,
                                   const PlacementMeasures& stored,
                                   const std::optional<PageSize>& page) {
    PlacementCheck check;
    check.box = stored;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const std::optional<double> number = ParseWholeNumberText(typed[i]);
        if (!number) {
            check.problems[i] = MeasureProblem::NotANumber;
            continue;
        }
        if (*number < 0) {
            check.problems[i] = MeasureProblem::Negative;
            continue;
        }
        const double inches = StoredMeasure(*number, unit);
        if (page) {
            // Width and height come after left and top, so these are final.
            const bool across = i == kPlacementLeft || i == kPlacementWidth;
            const double side = across ? page->width : page->height;
            const double start = i == kPlacementWidth    ? check.box[kPlacementLeft]
                                 : i == kPlacementHeight ? check.box[kPlacementTop]
                                                         : 0.0;
            check.largest[i] = std::max(0.0, side - start);
            if (inches > check.largest[i] + kSlackInches) {
                check.problems[i] = MeasureProblem::BeyondPage;
                continue;
            }
        }
        check.box[i] = inches;
    }
    return check;
}

} // namespace sw
