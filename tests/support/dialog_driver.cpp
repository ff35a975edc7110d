#include "support/dialog_driver.h"

// After windows.h, which it needs.
#include <tlhelp32.h>

namespace {

const wchar_t kDialogClass[] = L"#32770";

LRESULT SendBounded(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTestWaitMs, &result)) return 0;
    return static_cast<LRESULT>(result);
}

bool Matches(HWND window, const DialogQuery& query) {
    wchar_t className[64] = {0};
    GetClassNameW(window, className, 64);
    if (lstrcmpW(className, kDialogClass) != 0) return false;
    DWORD processId = 0;
    DWORD threadId = GetWindowThreadProcessId(window, &processId);
    if (query.processId != 0 && processId != query.processId) return false;
    if (query.threadId != 0 && threadId != query.threadId) return false;
    if (query.visibleOnly && !IsWindowVisible(window)) return false;
    return query.caption == nullptr || WindowText(window) == query.caption;
}

struct Search {
    const DialogQuery* query;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectMatching(HWND window, LPARAM context) {
    Search* search = reinterpret_cast<Search*>(context);
    if (Matches(window, *search->query)) search->found.push_back(window);
    return TRUE;
}

}  // namespace

std::vector<HWND> FindDialogs(const DialogQuery& query) {
    Search search = {&query, {}};
    EnumWindows(CollectMatching, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND WaitForDialog(const DialogQuery& query, DWORD timeoutMs) {
    std::vector<HWND> found = WaitForDialogs(query, 1, timeoutMs);
    return found.empty() ? nullptr : found.front();
}

std::vector<HWND> WaitForDialogs(const DialogQuery& query, size_t count, DWORD timeoutMs) {
    std::vector<HWND> found;
    WaitUntil([&] {
        found = FindDialogs(query);
        return found.size() >= count;
    }, timeoutMs);
    return found;
}

std::wstring WindowText(HWND window) {
    wchar_t text[1024] = {0};
    SendBounded(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return text;
}

std::wstring ControlText(HWND dialog, int controlId) { return WindowText(GetDlgItem(dialog, controlId)); }

HFONT WindowFont(HWND window) { return reinterpret_cast<HFONT>(SendBounded(window, WM_GETFONT, 0, 0)); }

LONG FontWeight(HWND window) {
    HFONT font = WindowFont(window);
    if (font == nullptr) return -1;
    LOGFONTW description = {};
    if (GetObjectW(font, sizeof(description), &description) == 0) return -1;
    return description.lfWeight;
}

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

LONG_PTR WindowStyle(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }
LONG_PTR WindowExStyle(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

LRESULT CheckState(HWND dialog, int controlId) { return SendBounded(GetDlgItem(dialog, controlId), BM_GETCHECK, 0, 0); }

void PressButton(HWND dialog, int controlId) { PostMessageW(GetDlgItem(dialog, controlId), BM_CLICK, 0, 0); }

void PostCommand(HWND dialog, int controlId) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, controlId)));
}

void PostClose(HWND window) { PostMessageW(window, WM_CLOSE, 0, 0); }

void PostKey(HWND window, UINT virtualKey) {
    const UINT scanCode = MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC);
    PostMessageW(window, WM_KEYDOWN, virtualKey, 1 | (scanCode << 16));
    PostMessageW(window, WM_KEYUP, virtualKey, 1 | (scanCode << 16) | 0xC0000000u);
}

bool Sync(HWND window) {
    static LONG markers = 0;
    const HICON marker = reinterpret_cast<HICON>(static_cast<ULONG_PTR>(0x5EC00000 + InterlockedIncrement(&markers)));
    const LRESULT previous = SendBounded(window, WM_GETICON, ICON_BIG, 0);
    if (!PostMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(marker))) return false;
    const bool taken = WaitUntil([&] {
        return !IsWindow(window) || SendBounded(window, WM_GETICON, ICON_BIG, 0) == reinterpret_cast<LRESULT>(marker);
    });
    if (!IsWindow(window)) return false;
    SendBounded(window, WM_SETICON, ICON_BIG, previous);
    return taken;
}

bool WaitForWindowGone(HWND window, DWORD timeoutMs) {
    return WaitUntil([&] { return !IsWindow(window); }, timeoutMs);
}

int CountProcessThreads() {
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return -1;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof(entry);
    int count = 0;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
    }
    CloseHandle(snapshot);
    return count;
}

WindowThread::WindowThread(HWND window)
    : id_(GetWindowThreadProcessId(window, nullptr)),
      handle_(OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, id_)) {}

WindowThread::~WindowThread() {
    if (handle_ != nullptr) CloseHandle(handle_);
}

bool WindowThread::WaitForExit(DWORD* exitCode, DWORD timeoutMs) {
    if (handle_ == nullptr) return false;
    if (WaitForSingleObject(handle_, timeoutMs) != WAIT_OBJECT_0) return false;
    if (exitCode != nullptr) GetExitCodeThread(handle_, exitCode);
    return true;
}
