#include "dialogs/duplex/duplex_thread.h"

#include <new>

#include "dialogs/duplex/duplex_dialog.h"
#include "dialogs/duplex/duplex_ids.h"
#include "module_state.h"
#include "unique_resource.h"

DWORD WINAPI DuplexThreadProc(void* copy) {
    UniqueLocal record(copy);
    DuplexDialog* duplex = new (std::nothrow) DuplexDialog(static_cast<DuplexPayload*>(copy));
    if (duplex == 0) return 0;

    HWND owner = duplex->record->bModal ? GetForegroundWindow() : 0;
    int templateId = duplex->context.fRightToLeft ? IDD_DUPLEX_RTL : IDD_DUPLEX;
    DialogBoxParamW(g_hModule, MAKEINTRESOURCEW(templateId), owner, DuplexDlgProc, reinterpret_cast<LPARAM>(duplex));

    record.reset();
    delete duplex;
    return 0;
}
