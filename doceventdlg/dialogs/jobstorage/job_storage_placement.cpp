#include "dialogs/jobstorage/job_storage_placement.h"

namespace {

// 64-bit arithmetic keeps absurd rectangles from overflowing; the result is
// brought back into the 32-bit range.
int32_t ToInt32(int64_t value) {
    if (value > INT32_MAX) return INT32_MAX;
    if (value < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(value);
}

// Halvings truncate toward zero, as signed division does.
int32_t CentredStart(int32_t ownerLow, int32_t ownerHigh, int64_t size, int32_t limitHigh) {
    int64_t start = static_cast<int64_t>(ownerLow) + (static_cast<int64_t>(ownerHigh) - ownerLow) / 2 - size / 2;
    if (start < 0) {
        start = 0;
    } else if (start + size > limitHigh) {
        start = limitHigh - size;
    }
    return ToInt32(start);
}

}  // namespace

PlacementPoint JobStoragePlacement(const PlacementRect& dialog, const PlacementRect& foreground,
                                   const PlacementRect& desktop) {
    const int64_t width = static_cast<int64_t>(dialog.right) - dialog.left;
    const int64_t height = static_cast<int64_t>(dialog.bottom) - dialog.top;
    PlacementPoint point;
    point.x = CentredStart(foreground.left, foreground.right, width, desktop.right);
    point.y = CentredStart(foreground.top, foreground.bottom, height, desktop.bottom);
    return point;
}
