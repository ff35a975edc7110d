#pragma once

// Where the manual duplex instructions go on platforms below version 6:
// centred on the foreground window, moved right or down to 0 when they would
// start off the screen, then pulled back inside the desktop's right and
// bottom edges (so a dialog larger than the desktop ends at those edges).
// Free of platform headers.

#include "dialogs/placement_types.h"

PlacementPoint DuplexPlacement(const PlacementRect& dialog, const PlacementRect& foreground,
                               const PlacementRect& desktop);
