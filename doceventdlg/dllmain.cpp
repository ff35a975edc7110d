#include <windows.h>

#include "module_state.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        g_hModule = instance;
        break;
    case DLL_THREAD_DETACH:
        VCloseThreadSlots();
        break;
    default:
        break;
    }
    return TRUE;
}
