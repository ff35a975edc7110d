#include <windows.h>

#include "thread_gate_control.h"

namespace {

HANDLE g_open = 0;  // manual-reset: signalled while the gate is open
LONG volatile g_held = 0;

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        g_open = CreateEventW(0, TRUE, TRUE, 0);
        break;
    case DLL_THREAD_ATTACH:
        if (g_open != 0 && WaitForSingleObject(g_open, 0) != WAIT_OBJECT_0) {
            InterlockedIncrement(&g_held);
            WaitForSingleObject(g_open, kThreadGateMaxWaitMs);
            InterlockedDecrement(&g_held);
        }
        break;
    default:
        break;
    }
    return TRUE;
}

void __cdecl ThreadGateClose() { ResetEvent(g_open); }
void __cdecl ThreadGateOpen() { SetEvent(g_open); }
LONG __cdecl ThreadGateHeldCount() { return g_held; }

}  // extern "C"
