#include "dialogs/warning/warning_dialog.h"

#include "dialogs/warning/warning_ids.h"
#include "text/text_ops.h"

namespace {

void VSetUp(HWND dialog, WarningDialog* warning) {
    WarningTextContext& context = warning->context;
    const WarningPayload* record = warning->record;

    // The path may arrive without its NUL: load it from a terminated copy.
    wchar_t stringModule[256];
    TextCopyN(stringModule, 256, record->szStringModule, 255);
    context.VLoadStringModule(stringModule);

    context.VCaptureControls(dialog);
    context.VSetWarningTexts(record);
    context.VApplyVisibility(record);
    context.VCaptureGeometry(dialog);
    context.VGrowForLongMessage(dialog, record);
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(warning));
}

void VOnCommand(HWND dialog, WPARAM wParam) {
    if (GetWindowLongPtrW(dialog, DWLP_USER) == 0) {
        SetLastError(ERROR_INVALID_DATA);
        return;
    }
    if (HIWORD(wParam) != 0) return;
    WORD id = LOWORD(wParam);
    if (id == IDOK || id == IDCANCEL || id == IDC_WARNING_THIRD_BUTTON) EndDialog(dialog, id);
}

}  // namespace

INT_PTR CALLBACK WarningDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        WarningDialog* warning = reinterpret_cast<WarningDialog*>(lParam);
        if (warning == 0 || warning->record == 0) {
            SetLastError(ERROR_INVALID_DATA);
            return FALSE;
        }
        VSetUp(dialog, warning);
        return FALSE;
    }
    case WM_COMMAND:
        VOnCommand(dialog, wParam);
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, IDCANCEL);
        return FALSE;
    default:
        return FALSE;
    }
}
