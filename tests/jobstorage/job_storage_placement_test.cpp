// Where the notice goes: centred on the foreground window, kept off the left
// and top edges at 0 and inside the desktop's right and bottom edges.

#include <gtest/gtest.h>

#include "dialogs/jobstorage/job_storage_placement.h"

namespace {

struct PlacementCase {
    const char* name;
    PlacementRect dialog;
    PlacementRect foreground;
    PlacementRect desktop;
    PlacementPoint expected;
};

class Placement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(Placement, PutsTheDialogWhereTheRulesSay) {
    const PlacementCase& c = GetParam();
    PlacementPoint at = JobStoragePlacement(c.dialog, c.foreground, c.desktop);
    EXPECT_EQ(c.expected.x, at.x);
    EXPECT_EQ(c.expected.y, at.y);
}

const PlacementRect kDesktop = {0, 0, 1280, 1024};
const PlacementRect kDialog300x200 = {0, 0, 300, 200};

INSTANTIATE_TEST_SUITE_P(
    Rules, Placement,
    ::testing::Values(
        PlacementCase{"centred", kDialog300x200, {100, 100, 500, 400}, kDesktop, {150, 150}},
        // Where the dialog started does not matter, only its size.
        PlacementCase{"dialog_elsewhere", {700, 600, 1000, 800}, {100, 100, 500, 400}, kDesktop, {150, 150}},
        // Odd sizes: each half is truncated toward zero on its own.
        PlacementCase{"odd_sizes", {0, 0, 301, 201}, {0, 0, 401, 301}, kDesktop, {50, 50}},
        PlacementCase{"left_of_zero", kDialog300x200, {-400, 300, -100, 500}, kDesktop, {0, 300}},
        PlacementCase{"above_zero", kDialog300x200, {300, -400, 500, -100}, kDesktop, {250, 0}},
        PlacementCase{"past_the_right_edge", kDialog300x200, {1100, 300, 1400, 500}, kDesktop, {980, 300}},
        PlacementCase{"past_the_bottom_edge", kDialog300x200, {300, 900, 500, 1200}, kDesktop, {250, 824}},
        // Negative widths halve toward zero too: -101 / 2 is -50.
        PlacementCase{"inverted_foreground", kDialog300x200, {601, 501, 500, 400}, kDesktop, {401, 351}},
        // The low bound is 0, not the desktop's own left and top.
        PlacementCase{"desktop_not_at_origin", kDialog300x200, {-900, -900, -700, -700}, {-1280, -1024, 1280, 1024},
                      {0, 0}},
        // Larger than the desktop and left of 0: the left edge wins.
        PlacementCase{"wider_than_the_desktop", {0, 0, 2000, 1500}, {100, 100, 500, 400}, kDesktop, {0, 0}},
        // Larger than the desktop, centred right of 0: flush with the right edge.
        PlacementCase{"wider_centred_right", {0, 0, 2000, 1500}, {2000, 1600, 2400, 1800}, kDesktop, {-720, -476}}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

TEST(PlacementExtremes, HugeRectanglesStayInRange) {
    const PlacementRect huge = {INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX};
    PlacementPoint at = JobStoragePlacement(huge, huge, huge);
    EXPECT_EQ(0, at.x);
    EXPECT_EQ(0, at.y);
}

}  // namespace
