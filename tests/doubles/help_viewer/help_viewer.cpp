// The HTML Help viewer for tests: HtmlHelpW records what it was asked and
// shows nothing. Loaded in place of the platform's hhctrl.ocx through the DLL
// override of the test runs.

#include <windows.h>

#include <string.h>

#include "help_viewer_control.h"

namespace {

const UINT kContextHelpPopup = 0x11;  // HH_TP_HELP_WM_HELP

CRITICAL_SECTION g_lock;
LONG g_callCount = 0;
HelpViewerCall g_lastCall;

class Lock {
public:
    Lock() { EnterCriticalSection(&g_lock); }
    ~Lock() { LeaveCriticalSection(&g_lock); }
};

void RecordFile(HelpViewerCall* call, const wchar_t* file) {
    call->fileWasNull = file == 0;
    if (file == 0) return;
    int i = 0;
    for (; i < kHelpViewerFileCch - 1 && file[i] != 0; ++i) call->file[i] = file[i];
    call->file[i] = 0;
}

void RecordPairs(HelpViewerCall* call, const DWORD* ids) {
    if (ids == 0) return;
    for (int pair = 0; pair <= kHelpViewerMaxPairs; ++pair) {
        DWORD control = ids[2 * pair];
        DWORD context = ids[2 * pair + 1];
        if (control == 0 && context == 0) {
            call->zeroPairFound = TRUE;
            return;
        }
        if (pair == kHelpViewerMaxPairs) return;
        call->pairs[pair][0] = control;
        call->pairs[pair][1] = context;
        call->pairCount = pair + 1;
    }
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) InitializeCriticalSection(&g_lock);
    return TRUE;
}

HWND WINAPI HtmlHelpW(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data) {
    HelpViewerCall call;
    memset(&call, 0, sizeof(call));
    call.caller = caller;
    call.command = command;
    call.threadId = GetCurrentThreadId();
    RecordFile(&call, file);
    if (command == kContextHelpPopup) RecordPairs(&call, reinterpret_cast<const DWORD*>(data));
    Lock lock;
    g_lastCall = call;
    ++g_callCount;
    return 0;
}

HWND WINAPI HtmlHelpA(HWND, const char*, UINT, DWORD_PTR) { return 0; }

void __cdecl HelpViewerReset() {
    Lock lock;
    g_callCount = 0;
    memset(&g_lastCall, 0, sizeof(g_lastCall));
}

LONG __cdecl HelpViewerCallCount() {
    Lock lock;
    return g_callCount;
}

BOOL __cdecl HelpViewerLastCall(HelpViewerCall* call) {
    Lock lock;
    if (g_callCount == 0) return FALSE;
    *call = g_lastCall;
    return TRUE;
}

}  // extern "C"
