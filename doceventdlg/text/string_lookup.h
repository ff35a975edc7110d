#pragma once

#include <windows.h>

// Looks string `id` up in the module's string tables (a null module means the
// process's executable) in the cached interface language, running the
// language fallback search once when the block exists but not in that
// language. Copies at most capacity - 1 units into buffer and terminates it;
// returns the string's length in the table, or 0 with the buffer untouched
// when there is no such string.
int ILoadStringFromModule(HMODULE module, UINT id, WCHAR* buffer, UINT capacity);
