// The box on the page into which bitmaps are printed, one for all printers,
// kept in the "BMPprint" section in inches.
#pragma once

#include "settings/bitmap_placement_dialog.h"

namespace sw {

// The stored box in inches; each missing measure is 0.
struct BitmapPlacement {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

BitmapPlacement ReadBitmapPlacement();

// Writes the four measures (inches) as decimal text.
void WriteBitmapPlacement(const BitmapPlacement& box);

// The box the next bitmap print on `printer` uses, in inches. When
// "UseSaved" is 0 or missing, `askForPlacement` (the placement dialog, owned
// by `owner`, keeping the box on that printer's page) is shown first and the
// box read after it closes.
void GetBitmapPlacement(HWND owner, const std::string& printer, double& left, double& top,
                        double& width, double& height,
                        void (*askForPlacement)(HWND,
                                                const std::string&) = ShowBitmapPlacementDialog);

} // namespace sw
