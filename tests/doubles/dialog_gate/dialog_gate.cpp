#include <windows.h>

#include "dialog_gate_control.h"

namespace {

HINSTANCE g_module = 0;
HANDLE g_open = 0;  // manual-reset: signalled while the gate is open
HHOOK g_hook = 0;
LONG volatile g_held = 0;

bool IsDialogClass(const CBT_CREATEWNDW* create) {
    const LPCWSTR name = create->lpcs->lpszClass;
    // The dialog class is the atom 0x8002 or its name "#32770".
    if (IS_INTRESOURCE(name)) return reinterpret_cast<ULONG_PTR>(name) == 0x8002;
    return lstrcmpiW(name, L"#32770") == 0;
}

// Called on the creating thread, outside the loader lock.
LRESULT CALLBACK HoldDialogs(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND && g_open != 0 && IsDialogClass(reinterpret_cast<CBT_CREATEWNDW*>(lParam)) &&
        WaitForSingleObject(g_open, 0) != WAIT_OBJECT_0) {
        InterlockedIncrement(&g_held);
        WaitForSingleObject(g_open, kDialogGateMaxHoldMs);
        InterlockedDecrement(&g_held);
    }
    return CallNextHookEx(0, code, wParam, lParam);
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        g_open = CreateEventW(0, TRUE, TRUE, 0);
    }
    return TRUE;
}

BOOL __cdecl DialogGateClose() {
    ResetEvent(g_open);
    if (g_hook == 0) g_hook = SetWindowsHookExW(WH_CBT, HoldDialogs, g_module, 0);
    return g_hook != 0;
}

void __cdecl DialogGateOpen() {
    SetEvent(g_open);
    if (g_hook != 0) UnhookWindowsHookEx(g_hook);
    g_hook = 0;
}

LONG __cdecl DialogGateHeldCount() { return g_held; }

}  // extern "C"
