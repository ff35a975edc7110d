#include "services/context_help.h"

#include <htmlhelp.h>

namespace {

typedef HWND(WINAPI* HtmlHelpWFn)(HWND caller, LPCWSTR file, UINT command, DWORD_PTR data);

// Resolved once and kept for the life of the process, like the platform's own
// help library does; the viewer module stays loaded from then on.
void* volatile g_htmlHelpW = 0;

HtmlHelpWFn FindHtmlHelpW() {
    void* known = g_htmlHelpW;
    if (known != 0) return reinterpret_cast<HtmlHelpWFn>(known);

    HMODULE viewer = LoadLibraryW(L"hhctrl.ocx");
    if (viewer == 0) return 0;
    void* found = reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpW"));
    if (found == 0) {
        FreeLibrary(viewer);
        return 0;
    }
    // Two dialog threads may race here: the loser drops its extra reference.
    if (InterlockedCompareExchangePointer(&g_htmlHelpW, found, 0) != 0) FreeLibrary(viewer);
    return reinterpret_cast<HtmlHelpWFn>(found);
}

}  // namespace

void VShowContextHelp(HWND control, DWORD controlId, DWORD contextId, const wchar_t* helpFile) {
    DWORD helpIds[4] = {controlId, contextId, 0, 0};
    HtmlHelpWFn htmlHelpW = FindHtmlHelpW();
    if (htmlHelpW == 0) return;
    htmlHelpW(control, helpFile, HH_TP_HELP_WM_HELP, reinterpret_cast<DWORD_PTR>(helpIds));
}
