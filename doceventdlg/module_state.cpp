#include "module_state.h"

HINSTANCE g_hModule = 0;

HANDLE volatile g_hJobStorageThread = 0;
HANDLE volatile g_hDuplexThread = 0;
HANDLE volatile g_hJobStorageUIThread = 0;
HANDLE volatile g_hDuplexUIThread = 0;

namespace {

void CloseIfHeld(HANDLE handle) {
    if (handle != 0) CloseHandle(handle);
}

// Entries write slots from their callers' threads while thread-detach clears
// them under the loader lock: an exchange keeps a handle from being closed twice.
void CloseSlot(HANDLE volatile* slot) { CloseIfHeld(InterlockedExchangePointer(slot, 0)); }

}  // namespace

void VStoreThreadSlot(HANDLE volatile* slot, HANDLE thread) {
    CloseIfHeld(InterlockedExchangePointer(slot, thread));
}

void VCloseThreadSlots() {
    CloseSlot(&g_hJobStorageThread);
    CloseSlot(&g_hDuplexThread);
    CloseSlot(&g_hJobStorageUIThread);
    CloseSlot(&g_hDuplexUIThread);
}
