#include "support/scratch_window.h"

ScratchWindow::ScratchWindow(const wchar_t* className, const RECT& rect, DWORD style)
    : window_(CreateWindowExW(0, className, L"", style, rect.left, rect.top, rect.right - rect.left,
                              rect.bottom - rect.top, nullptr, nullptr, nullptr, nullptr)) {}

ScratchWindow::~ScratchWindow() {
    if (window_ != nullptr) DestroyWindow(window_);
}
