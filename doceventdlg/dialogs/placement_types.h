#pragma once

#include <stdint.h>

// Window rectangles and positions for the placement rules of the notices, in
// screen pixels. Free of platform headers.
struct PlacementRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

struct PlacementPoint {
    int32_t x;
    int32_t y;
};
