#include "dialogs/duplex/duplex_placement.h"

namespace {

// Centre of a span minus half the length, each halving truncated toward zero.
int32_t Centred(int32_t low, int32_t high, int32_t length) { return low + (high - low) / 2 - length / 2; }

int32_t Clamped(int32_t position, int32_t length, int32_t far) {
    if (position < 0) position = 0;
    if (position + length > far) position = far - length;
    return position;
}

}  // namespace

PlacementPoint DuplexPlacement(const PlacementRect& dialog, const PlacementRect& foreground,
                               const PlacementRect& desktop) {
    int32_t width = dialog.right - dialog.left;
    int32_t height = dialog.bottom - dialog.top;
    PlacementPoint point;
    point.x = Clamped(Centred(foreground.left, foreground.right, width), width, desktop.right);
    point.y = Clamped(Centred(foreground.top, foreground.bottom, height), height, desktop.bottom);
    return point;
}
