#pragma once

// Pixels read back for comparison: what the screen shows in a rectangle, and
// what a bitmap resource holds, both as 0x00RRGGBB values, rows top down.

#include <windows.h>

#include <vector>

struct Pixels {
    LONG width = 0;
    LONG height = 0;
    std::vector<DWORD> values;

    bool empty() const { return values.empty(); }
    DWORD at(LONG x, LONG y) const { return values[static_cast<size_t>(y) * width + x]; }
};

// The screen's pixels inside rect (screen coordinates); empty on failure.
Pixels ScreenPixels(const RECT& rect);

// Bitmap resource id of module, as LoadBitmapW gives it; empty when there is none.
Pixels BitmapPixels(HMODULE module, WORD id);
