#pragma once

#include <windows.h>

// The answer of every receiving entry: 260 UTF-16 units from the module's
// runtime heap (malloc), left to the asynchronous UI host once returned.
const DWORD RESPONSE_TEXT_CCH = 260;

// A new response holding text (cut to 259 characters), or null when the heap
// has no room.
wchar_t* AllocResponseText(const wchar_t* text);
