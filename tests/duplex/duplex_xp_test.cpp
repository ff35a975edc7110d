// The instructions on a platform below version 6 (this program is told it
// runs on Windows XP): centred on the foreground window and kept on the
// screen, a help button in the caption, and shown in this process even when
// the caller allows the user's session.

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <string>

#include "duplex/duplex_harness.h"
#include "duplex/foreground_window.h"
#include "duplex/in_process_paths.h"
#include "string_modules/duplex_texts.h"
#include "support/dialog_driver.h"

namespace {

// Positions worked out from the dialog's size and the desktop's rectangle.
struct Geometry {
    LONG width, height;
    RECT desktop;
};

struct PlacementCase {
    const char* name;
    DWORD bModal;
    std::function<RECT(const RECT& desktop)> foreground;
    std::function<POINT(const Geometry&)> expected;
};

class DuplexPlacementOnVersion5 : public ::testing::TestWithParam<PlacementCase> {
protected:
    void SetUp() override { ASSERT_EQ(5u, ReportedMajorVersion()) << "this program must be told it runs on Windows XP"; }
};

TEST_P(DuplexPlacementOnVersion5, CentresOnTheForegroundWindowWithinTheScreen) {
    const PlacementCase& c = GetParam();
    Geometry geometry = {};
    geometry.desktop = WindowRect(GetDesktopWindow());
    ForegroundWindow foreground(c.foreground(geometry.desktop));
    ASSERT_NE(nullptr, foreground.window());
    ASSERT_EQ(foreground.window(), GetForegroundWindow());

    ShownDuplex shown(MakeDuplex(c.bModal, 1, DX_ID_STEP3), TRUE);
    HWND dialog = shown.dialog();
    ASSERT_NE(nullptr, dialog);
    RECT rect = WindowRect(dialog);
    geometry.width = rect.right - rect.left;
    geometry.height = rect.bottom - rect.top;
    POINT expected = c.expected(geometry);
    EXPECT_EQ(expected.x, rect.left);
    EXPECT_EQ(expected.y, rect.top);
    // The move shows the dialog; the help button follows later in its
    // initialisation.
    EXPECT_TRUE(WaitUntil([&] { return (WindowExStyle(dialog) & WS_EX_CONTEXTHELP) != 0; }))
        << "the caption has no help button";
    EXPECT_TRUE(IsWindowVisible(dialog));
}

// The foreground window (100, 100)-(500, 400) has its centre at (300, 250).
INSTANTIATE_TEST_SUITE_P(
    Positions, DuplexPlacementOnVersion5,
    ::testing::Values(
        PlacementCase{"centred_modal", 1, [](const RECT&) { return RECT{100, 100, 500, 400}; },
                      [](const Geometry& g) { return POINT{300 - g.width / 2, 250 - g.height / 2}; }},
        PlacementCase{"centred_modeless", 0, [](const RECT&) { return RECT{100, 100, 500, 400}; },
                      [](const Geometry& g) { return POINT{300 - g.width / 2, 250 - g.height / 2}; }},
        // Centred on a window at the right edge it would reach past the screen.
        PlacementCase{"flush_with_the_right_edge", 0,
                      [](const RECT& d) { return RECT{d.right - 101, 100, d.right, 400}; },
                      [](const Geometry& g) { return POINT{g.desktop.right - g.width, 250 - g.height / 2}; }},
        PlacementCase{"left_of_the_screen_moves_to_0", 1, [](const RECT&) { return RECT{0, 100, 100, 400}; },
                      [](const Geometry& g) { return POINT{0, 250 - g.height / 2}; }},
        PlacementCase{"above_the_screen_moves_to_0", 0, [](const RECT&) { return RECT{300, 0, 700, 80}; },
                      [](const Geometry& g) { return POINT{500 - g.width / 2, 0}; }},
        PlacementCase{"flush_with_the_bottom_edge", 1,
                      [](const RECT& d) { return RECT{300, d.bottom - 81, 700, d.bottom}; },
                      [](const Geometry& g) { return POINT{500 - g.width / 2, g.desktop.bottom - g.height}; }}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(Version5, DuplexInProcess,
                         ::testing::Values(InProcessCase{"modal_bAsyncUI_set", 1, TRUE},
                                           InProcessCase{"modeless_bAsyncUI_set", 0, TRUE}),
                         InProcessCaseName);

}  // namespace
