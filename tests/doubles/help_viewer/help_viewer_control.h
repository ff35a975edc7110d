#pragma once

// What the help viewer double (hhctrl.ocx of the test tree) recorded of the
// latest HtmlHelpW call. The control functions are cdecl exports of that
// module; tests reach them through tests/support/help_viewer.h.

#include <windows.h>

const int kHelpViewerMaxPairs = 4;
const int kHelpViewerFileCch = 1024;

struct HelpViewerCall {
    HWND caller;
    UINT command;
    wchar_t file[kHelpViewerFileCch];  // cut to kHelpViewerFileCch - 1 units
    BOOL fileWasNull;
    // For the context-help popup command: the {control, context} pairs before
    // the terminating zero pair, and whether that pair was found within
    // kHelpViewerMaxPairs + 1 pairs.
    DWORD pairs[kHelpViewerMaxPairs][2];
    int pairCount;
    BOOL zeroPairFound;
    DWORD threadId;
};

typedef void(__cdecl* HelpViewerResetFn)();
typedef LONG(__cdecl* HelpViewerCallCountFn)();
typedef BOOL(__cdecl* HelpViewerLastCallFn)(HelpViewerCall* call);
