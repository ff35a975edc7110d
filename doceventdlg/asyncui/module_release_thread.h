#pragma once

#include <windows.h>

// How long a sender's module stays loaded after its answer has arrived.
const DWORD MODULE_RELEASE_DELAY_MS = 50000;

// Starts a detached thread that waits MODULE_RELEASE_DELAY_MS and then
// releases module and ends in one step (FreeLibraryAndExitThread), so that no
// code of its own runs once the module may be gone. 0 when no thread could be
// started; the module is then left loaded.
BOOL BStartModuleReleaseThread(HMODULE module);
