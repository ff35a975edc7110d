#pragma once

// A plain top-level window of this process at a given screen rectangle,
// brought to the foreground and run by a thread of its own, so that a modal
// dialog it owns can disable and re-enable it while the test thread waits.

#include <windows.h>

class ForegroundWindow {
public:
    explicit ForegroundWindow(const RECT& rect);
    // Destroys the window and waits (bounded) for its thread to end.
    ~ForegroundWindow();
    ForegroundWindow(const ForegroundWindow&) = delete;
    ForegroundWindow& operator=(const ForegroundWindow&) = delete;

    // Null when it could not be created.
    HWND window() const { return window_; }

private:
    static DWORD WINAPI Run(void* self);

    RECT rect_;
    HWND window_;
    HANDLE created_;
    HANDLE thread_;
};
