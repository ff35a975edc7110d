#include "duplex/foreground_window.h"

#include "support/wait.h"

namespace {

const wchar_t kClassName[] = L"EvdlgTestForeground";

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

void RegisterOnce() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);  // fails harmlessly when registered already
}

}  // namespace

ForegroundWindow::ForegroundWindow(const RECT& rect)
    : rect_(rect), window_(nullptr), created_(CreateEventW(nullptr, TRUE, FALSE, nullptr)), thread_(nullptr) {
    RegisterOnce();
    thread_ = CreateThread(nullptr, 0, Run, this, 0, nullptr);
    if (thread_ != nullptr) WaitForSingleObject(created_, kTestWaitMs);
}

ForegroundWindow::~ForegroundWindow() {
    if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
    if (thread_ != nullptr) {
        WaitForSingleObject(thread_, kTestWaitMs);
        CloseHandle(thread_);
    }
    CloseHandle(created_);
}

DWORD WINAPI ForegroundWindow::Run(void* self) {
    ForegroundWindow* owner = static_cast<ForegroundWindow*>(self);
    const RECT& rect = owner->rect_;
    HWND window = CreateWindowExW(0, kClassName, L"Foreground", WS_POPUP | WS_CAPTION | WS_VISIBLE, rect.left,
                                  rect.top, rect.right - rect.left, rect.bottom - rect.top, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (window != nullptr) SetForegroundWindow(window);
    owner->window_ = window;
    SetEvent(owner->created_);
    if (window == nullptr) return 0;
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
