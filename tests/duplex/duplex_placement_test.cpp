// Where the instructions go below version 6: the arithmetic alone, free of
// the platform.

#include <gtest/gtest.h>

#include <string>

#include "dialogs/duplex/duplex_placement.h"

namespace {

const PlacementRect kDesktop = {0, 0, 1024, 768};

struct PlacementCase {
    const char* name;
    PlacementRect dialog;
    PlacementRect foreground;
    PlacementPoint expected;
};

class DuplexPlacementRule : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(DuplexPlacementRule, CentresOnTheForegroundWindowThenKeepsTheDialogOnTheDesktop) {
    const PlacementCase& c = GetParam();
    PlacementPoint point = DuplexPlacement(c.dialog, c.foreground, kDesktop);
    EXPECT_EQ(c.expected.x, point.x);
    EXPECT_EQ(c.expected.y, point.y);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DuplexPlacementRule,
    ::testing::Values(
        PlacementCase{"centred", {0, 0, 300, 200}, {100, 100, 500, 400}, {150, 150}},
        PlacementCase{"only_the_dialogs_size_counts", {640, 480, 940, 680}, {100, 100, 500, 400}, {150, 150}},
        PlacementCase{"odd_sizes_halved_toward_zero", {0, 0, 301, 201}, {100, 100, 401, 301}, {100, 100}},
        PlacementCase{"flush_with_the_right_edge", {0, 0, 300, 200}, {900, 100, 1024, 400}, {724, 150}},
        PlacementCase{"left_of_the_screen_moves_to_0", {0, 0, 300, 200}, {-200, 100, 100, 400}, {0, 150}},
        PlacementCase{"above_the_screen_moves_to_0", {0, 0, 300, 200}, {100, -300, 500, 100}, {150, 0}},
        PlacementCase{"flush_with_the_bottom_edge", {0, 0, 300, 200}, {100, 700, 500, 768}, {150, 568}},
        // The edge clamps come last: a dialog larger than the desktop ends
        // at its right and bottom edges and starts off the screen.
        PlacementCase{"larger_than_the_desktop", {0, 0, 1200, 900}, {0, 0, 1024, 768}, {-176, -132}}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

}  // namespace
