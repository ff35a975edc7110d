#pragma once

// Where the job storage notice goes: centred on the foreground window, kept
// off the left and top edges (0, not the desktop's own left and top) and
// inside the desktop's right and bottom edges. Free of platform headers so
// that it also builds natively.

#include "dialogs/placement_types.h"

// Top-left corner for a dialog of the given window rectangle. On each axis the
// low bound is checked first and the high bound only when the low one held,
// so a dialog larger than the desktop starts at 0.
PlacementPoint JobStoragePlacement(const PlacementRect& dialog, const PlacementRect& foreground,
                                   const PlacementRect& desktop);
