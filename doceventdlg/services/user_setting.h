#pragma once

#include <windows.h>

// Writes a REG_BINARY value of `size` bytes under
// HKEY_CURRENT_USER\Software\Orvantel\<subKey>, creating the key and its
// parents. A null sub key, or one too long for the 260-unit key path, writes
// directly under Software\Orvantel\. 1 when the value was written, else 0.
BOOL BWriteUserSetting(const wchar_t* subKey, const wchar_t* valueName, const BYTE* data, DWORD size);
