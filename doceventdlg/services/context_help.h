#pragma once

#include <windows.h>

// Asks the HTML Help viewer for the popup that helpFile associates with one
// control: {controlId, contextId} followed by the terminating zero pair. The
// viewer (hhctrl.ocx) is loaded when help is first asked for, never at the
// module's own load; when it cannot be had, nothing appears.
void VShowContextHelp(HWND control, DWORD controlId, DWORD contextId, const wchar_t* helpFile);
