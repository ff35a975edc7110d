#include "dialogs/warning/warning_runner.h"

#include <new>

#include "dialogs/warning/warning_dialog.h"
#include "dialogs/warning/warning_ids.h"
#include "module_state.h"
#include "unique_resource.h"

WarningRun RunWarningDialogFor(const WarningPayload* record) {
    WarningRun run = {false, 0};
    WarningDialog* warning = new (std::nothrow) WarningDialog(record);
    if (warning == 0) return run;
    run.created = true;

    HWND owner = record->dwShowDialog == 1 ? GetForegroundWindow() : 0;
    int templateId = warning->context.fRightToLeft ? IDD_WARNING_RTL : IDD_WARNING;
    run.result = DialogBoxParamW(g_hModule, MAKEINTRESOURCEW(templateId), owner, WarningDlgProc,
                                 reinterpret_cast<LPARAM>(warning));
    delete warning;
    return run;
}

INT_PTR RunWarningDialog(HLOCAL copy) {
    UniqueLocal owned(copy);
    return RunWarningDialogFor(static_cast<const WarningPayload*>(owned.get())).result;
}
