#pragma once

// Watching the notices from outside, as a user would meet them: every wait
// is bounded, so a notice that never comes or never goes is reported instead
// of hanging the gallery.

#include <windows.h>

#include <vector>

// Visible top-level dialog windows (class #32770) of this process.
std::vector<HWND> VisibleDialogs();

// The first visible dialog not among `known`, or null after timeoutMs.
HWND WaitForNewDialog(const std::vector<HWND>& known, DWORD timeoutMs);

// True once the window and its children are visible, have no part left to
// paint and their thread has handled everything sent to it so far.
bool WaitUntilPainted(HWND dialog, DWORD timeoutMs);

// Presses one of the window's buttons as a click would; button 0 is the
// caption's close box. False when there is no such visible button.
bool CloseThroughButton(HWND dialog, int buttonId);

bool WaitForWindowGone(HWND window, DWORD timeoutMs);

// True when the thread has ended within timeoutMs.
bool WaitForThreadEnd(HANDLE thread, DWORD timeoutMs);
