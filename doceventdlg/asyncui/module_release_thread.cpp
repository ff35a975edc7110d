#include "asyncui/module_release_thread.h"

namespace {

DWORD WINAPI ReleaseModuleLater(void* module) {
    Sleep(MODULE_RELEASE_DELAY_MS);
    FreeLibraryAndExitThread(static_cast<HMODULE>(module), 0);
    return 0;
}

}  // namespace

BOOL BStartModuleReleaseThread(HMODULE module) {
    HANDLE thread = CreateThread(0, 0, ReleaseModuleLater, module, 0, 0);
    if (thread == 0) return FALSE;
    CloseHandle(thread);
    return TRUE;
}
