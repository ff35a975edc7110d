#pragma once

// Whether each text of a window fits the control that shows it, measured
// with the control's own font the way the control lays the text out:
// statics wrap at their width, buttons, check boxes and single-line edits
// keep one line, the caption shares its bar with the close box.

#include <windows.h>

#include <string>
#include <vector>

struct FitFinding {
    std::wstring control;  // the control's id, or "caption"
    std::wstring kind;     // "static", "button", "check box", "edit", "caption"
    std::wstring text;
    std::wstring problem;  // what does not fit, in pixels
};

// Every visible text of the window and its children that is cut or runs past
// its control.
std::vector<FitFinding> CheckTextFit(HWND window);
