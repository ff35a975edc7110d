#pragma once

#include <stdint.h>

// A window's rectangle in pixels (client coordinates of its parent, or screen
// coordinates for a top-level window) with its width and height.
struct ControlGeometry {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
    int32_t width;
    int32_t height;
};
