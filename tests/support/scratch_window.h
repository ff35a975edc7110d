#pragma once

#include <windows.h>

// A top-level window of the test thread for as long as the object lives:
// something to set a text on, to pass as a caller, or to put in the
// foreground.
class ScratchWindow {
public:
    explicit ScratchWindow(const wchar_t* className, const RECT& rect = {0, 0, 10, 10}, DWORD style = WS_POPUP);
    ~ScratchWindow();
    ScratchWindow(const ScratchWindow&) = delete;
    ScratchWindow& operator=(const ScratchWindow&) = delete;

    HWND get() const { return window_; }

private:
    HWND window_;
};
