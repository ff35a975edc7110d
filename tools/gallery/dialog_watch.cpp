#include "dialog_watch.h"

#include <algorithm>

namespace {

const DWORD kPollMs = 20;
const UINT kAnswerMs = 2000;

BOOL CALLBACK CollectDialog(HWND window, LPARAM param) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16];
    if (process == GetCurrentProcessId() && IsWindowVisible(window) &&
        GetClassNameW(window, className, 16) && lstrcmpW(className, L"#32770") == 0) {
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
    }
    return TRUE;
}

BOOL CALLBACK FindPendingPaint(HWND child, LPARAM param) {
    if (IsWindowVisible(child) && GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(param) = true;
        return FALSE;
    }
    return TRUE;
}

bool Answers(HWND window) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_BLOCK | SMTO_ABORTIFHUNG, kAnswerMs, &result) != 0;
}

bool FullyPainted(HWND dialog) {
    if (!IsWindowVisible(dialog) || !Answers(dialog)) return false;
    bool pending = GetUpdateRect(dialog, nullptr, FALSE) != FALSE;
    if (!pending) EnumChildWindows(dialog, FindPendingPaint, reinterpret_cast<LPARAM>(&pending));
    return !pending;
}

}  // namespace

std::vector<HWND> VisibleDialogs() {
    std::vector<HWND> dialogs;
    EnumWindows(CollectDialog, reinterpret_cast<LPARAM>(&dialogs));
    return dialogs;
}

HWND WaitForNewDialog(const std::vector<HWND>& known, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    for (;;) {
        for (HWND dialog : VisibleDialogs()) {
            if (std::find(known.begin(), known.end(), dialog) == known.end()) return dialog;
        }
        if (GetTickCount() - start >= timeoutMs) return nullptr;
        Sleep(kPollMs);
    }
}

bool WaitUntilPainted(HWND dialog, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    int quietPolls = 0;
    // Two quiet looks in a row: a paint that the first one saw finishing may
    // have invalidated a child that is painted next.
    while (quietPolls < 2) {
        quietPolls = FullyPainted(dialog) ? quietPolls + 1 : 0;
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollMs);
    }
    GdiFlush();
    return true;
}

bool CloseThroughButton(HWND dialog, int buttonId) {
    if (buttonId == 0) return PostMessageW(dialog, WM_SYSCOMMAND, SC_CLOSE, 0) != FALSE;
    HWND button = GetDlgItem(dialog, buttonId);
    if (button == nullptr || !IsWindowVisible(button) || !IsWindowEnabled(button)) return false;
    return PostMessageW(button, BM_CLICK, 0, 0) != FALSE;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(kPollMs);
    }
    return true;
}

bool WaitForThreadEnd(HANDLE thread, DWORD timeoutMs) {
    return thread != nullptr && WaitForSingleObject(thread, timeoutMs) == WAIT_OBJECT_0;
}
