// The step pictures as the dialog draws them into its three frames, read back
// from the screen and compared with the pictures' own pixels.

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "duplex/duplex_harness.h"
#include "duplex/pixels.h"
#include "string_modules/duplex_texts.h"
#include "support/dialog_driver.h"
#include "support/interface_language.h"

namespace {

// No picture uses it.
const COLORREF kScribble = RGB(255, 0, 254);

DWORD AsPixel(COLORREF colour) { return (GetRValue(colour) << 16) | (GetGValue(colour) << 8) | GetBValue(colour); }

// Covers the frames that are to show a picture with kScribble and has the
// dialog paint again, so that what they show next is what this paint drew.
// Frames without a picture are left as the dialog's first paint left them: a
// later paint validates them and draws nothing, so a scribble there would stay.
void ScribbleAndRepaint(HWND dialog, const WORD (&shown)[3]) {
    HBRUSH brush = CreateSolidBrush(kScribble);
    for (int step = 0; step < 3; ++step) {
        if (shown[step] == 0) continue;
        HWND frame = GetDlgItem(dialog, kStepFrames[step]);
        RECT client = {};
        GetClientRect(frame, &client);
        HDC dc = GetDC(frame);
        FillRect(dc, &client, brush);
        ReleaseDC(frame, dc);
    }
    DeleteObject(brush);
    RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// In a right-to-left run the frame's left and right are exchanged before the
// copy (Wine does not mirror the dialog, so the frame's rectangle comes in
// left to right), which gives the copy its right edge as origin and a
// negative width for both source and target. Wine takes that span as the
// columns 1 to the right edge on both sides: the picture lands unmirrored in
// its usual place and only the frame's first column stays unpainted.
LONG FirstComparedColumn() { return InterfaceReadsRightToLeft() ? 1 : 0; }

// Where the borders of the steps' boxes run, in screen coordinates: two
// pixels inside each box's left, right and bottom edge. The borders are drawn
// over whatever lies beneath them; in template 104 the boxes of steps 2 and 3
// end above the bottom of their frames, so their bottom borders cross the
// pictures.
std::vector<RECT> BoxBorders(HWND dialog) {
    std::vector<RECT> borders;
    for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((WindowStyle(child) & BS_TYPEMASK) != BS_GROUPBOX) continue;
        RECT box = WindowRect(child);
        borders.push_back(RECT{box.left, box.top, box.left + 2, box.bottom});
        borders.push_back(RECT{box.right - 2, box.top, box.right, box.bottom});
        borders.push_back(RECT{box.left, box.bottom - 2, box.right, box.bottom});
    }
    return borders;
}

bool UnderABorder(const std::vector<RECT>& borders, POINT point) {
    for (const RECT& border : borders) {
        if (PtInRect(&border, point)) return true;
    }
    return false;
}

// What a frame must show at (x, y), within the part of it that is checked.
struct Expectation {
    LONG firstColumn, width, height;
    std::function<DWORD(LONG, LONG)> pixel;
};

// The picture over the area it shares with the frame.
Expectation ShowsPicture(const Pixels& frame, const Pixels& picture) {
    return Expectation{FirstComparedColumn(), std::min(frame.width, picture.width),
                       std::min(frame.height, picture.height),
                       [&picture](LONG x, LONG y) { return picture.at(x, y); }};
}

// The dialog's face colour over the whole frame.
Expectation ShowsNothing(const Pixels& frame) {
    DWORD face = AsPixel(GetSysColor(COLOR_3DFACE));
    return Expectation{0, frame.width, frame.height, [face](LONG, LONG) { return face; }};
}

// "" when the frame shows what is expected (box borders left out), else
// where it first does not.
std::string Mismatch(const RECT& frameRect, const Pixels& frame, const Expectation& expected,
                     const std::vector<RECT>& borders) {
    if (frame.empty()) return "no pixels read";
    for (LONG y = 0; y < expected.height; ++y) {
        for (LONG x = expected.firstColumn; x < expected.width; ++x) {
            if (UnderABorder(borders, POINT{frameRect.left + x, frameRect.top + y})) continue;
            DWORD want = expected.pixel(x, y);
            if (frame.at(x, y) != want) {
                std::ostringstream where;
                where << "(" << x << ", " << y << ") shows " << std::hex << frame.at(x, y) << " for " << want;
                return where.str();
            }
        }
    }
    return "";
}

// Waits for each frame to show its picture (0: none), then checks it.
void ExpectFrames(HWND dialog, const WORD (&shown)[3], const std::vector<RECT>& borders) {
    for (int step = 0; step < 3; ++step) {
        SCOPED_TRACE("step " + std::to_string(step + 1));
        RECT frameRect = WindowRect(GetDlgItem(dialog, kStepFrames[step]));
        Pixels picture;
        if (shown[step] != 0) {
            picture = BitmapPixels(DuplexModule(), shown[step]);
            ASSERT_FALSE(picture.empty()) << "the module lacks picture " << shown[step];
        }
        std::string mismatch;
        WaitUntil([&] {
            Pixels frame = ScreenPixels(frameRect);
            Expectation expected = shown[step] != 0 ? ShowsPicture(frame, picture) : ShowsNothing(frame);
            mismatch = Mismatch(frameRect, frame, expected, borders);
            return mismatch.empty();
        });
        EXPECT_EQ("", mismatch);
    }
}

struct PictureCase {
    const char* name;
    bool imageModuleLoads;
    DWORD bitmaps[3];  // the record's picture fields
    WORD shown[3];     // the picture each frame must show; 0: none
};

class DuplexPictures : public ::testing::TestWithParam<PictureCase> {};

TEST_P(DuplexPictures, EachFrameShowsItsPictureUnscaledFromItsTopLeftCorner) {
    const PictureCase& c = GetParam();
    DuplexPayload record = MakeDuplex(0, 1, DX_ID_STEP3);
    for (int step = 0; step < 3; ++step) (&record.dwStep1Bitmap)[2 * step] = c.bitmaps[step];
    if (!c.imageModuleLoads) wcscpy(record.szImageModule, L"C:\\nowhere\\missing_pictures.dll");

    ShownDuplex shown(record, FALSE);
    HWND dialog = shown.dialog();
    ASSERT_NE(nullptr, dialog);
    std::vector<RECT> borders = BoxBorders(dialog);

    {
        SCOPED_TRACE("the dialog's first paint");
        ExpectFrames(dialog, c.shown, borders);
    }
    // A repaint asked for while that paint still runs could be drawn partly
    // by the frames themselves; the round trip lets it end first.
    ASSERT_TRUE(Sync(dialog));
    ScribbleAndRepaint(dialog, c.shown);
    {
        SCOPED_TRACE("a later paint");
        ExpectFrames(dialog, c.shown, borders);
    }
    // Pictures or none, the texts are there.
    EXPECT_EQ(L"" DX_CAPTION, WindowText(dialog));
    EXPECT_EQ(L"" DX_OK, ControlText(dialog, IDOK));
}

INSTANTIATE_TEST_SUITE_P(
    Records, DuplexPictures,
    ::testing::Values(PictureCase{"three_pictures", true, {105, 133, 164}, {105, 133, 164}},
                      PictureCase{"high_16_bits_ignored", true, {0x10000 | 106, 0xFFFF0000 | 108, 0x12340000 | 155},
                                  {106, 108, 155}},
                      PictureCase{"picture_the_module_lacks", true, {105, 107, 164}, {105, 0, 164}},
                      PictureCase{"image_module_that_does_not_load", false, {105, 133, 164}, {0, 0, 0}}),
    [](const ::testing::TestParamInfo<PictureCase>& info) { return std::string(info.param.name); });

}  // namespace
