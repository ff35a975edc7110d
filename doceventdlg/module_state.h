#pragma once

#include <windows.h>

// The module's own instance; every dialog template is loaded from it.
extern HINSTANCE g_hModule;

// Handles of the latest thread each entry started. Closed at the next
// thread-detach notification anywhere in the process; nothing waits on them.
extern HANDLE volatile g_hJobStorageThread;
extern HANDLE volatile g_hDuplexThread;
extern HANDLE volatile g_hJobStorageUIThread;
extern HANDLE volatile g_hDuplexUIThread;

// Puts a new thread handle into a slot; a handle the slot still held is closed.
void VStoreThreadSlot(HANDLE volatile* slot, HANDLE thread);

// Takes each slot's handle (one atomic exchange) and closes it.
void VCloseThreadSlots();
