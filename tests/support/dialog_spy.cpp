#include "support/dialog_spy.h"

#include <string.h>

#include "support/import_patch.h"

namespace {

typedef INT_PTR(WINAPI* DialogBoxParamFn)(HINSTANCE, LPCWSTR, HWND, DLGPROC, LPARAM);

DialogRequest g_request;
ImportPatch* g_patch = nullptr;
DialogBoxParamFn g_original = nullptr;

INT_PTR WINAPI RecordDialogBoxParam(HINSTANCE instance, LPCWSTR name, HWND owner, DLGPROC proc, LPARAM param) {
    InterlockedIncrement(&g_request.calls);
    g_request.templateId = IS_INTRESOURCE(name) ? static_cast<WORD>(reinterpret_cast<ULONG_PTR>(name)) : 0;
    g_request.owner = owner;
    g_request.threadId = GetCurrentThreadId();
    // The original stays reachable after the spy is gone: a dialog may outlive it.
    INT_PTR result = g_original(instance, name, owner, proc, param);
    g_request.result = result;
    InterlockedIncrement(&g_request.returns);
    return result;
}

}  // namespace

DialogSpy::DialogSpy(HMODULE module) {
    memset(&g_request, 0, sizeof(g_request));
    g_patch = new ImportPatch(module, "user32.dll", "DialogBoxParamW", reinterpret_cast<void*>(&RecordDialogBoxParam));
    if (g_patch->valid()) g_original = reinterpret_cast<DialogBoxParamFn>(g_patch->original());
}

DialogSpy::~DialogSpy() {
    delete g_patch;
    g_patch = nullptr;
}

bool DialogSpy::valid() const { return g_patch != nullptr && g_patch->valid(); }
DialogRequest DialogSpy::last() const { return g_request; }
