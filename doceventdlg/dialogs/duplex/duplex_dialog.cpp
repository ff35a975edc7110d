#include "dialogs/duplex/duplex_dialog.h"

#include "dialogs/duplex/duplex_ids.h"
#include "dialogs/duplex/duplex_placement.h"
#include "platform_version.h"
#include "services/context_help.h"
#include "unique_resource.h"

namespace {

// SWP_NOSIZE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER
const UINT kPlacementFlags = 0x241;

PlacementRect ToPlacement(const RECT& rect) {
    PlacementRect placement = {rect.left, rect.top, rect.right, rect.bottom};
    return placement;
}

// Below version 6 the instructions are centred on the foreground window; when
// any of the rectangles cannot be read they stay where the platform put them.
void VPlaceDialog(HWND dialog) {
    RECT own, foreground, desktop;
    if (!GetWindowRect(dialog, &own) || !GetWindowRect(GetForegroundWindow(), &foreground) ||
        !GetWindowRect(GetDesktopWindow(), &desktop)) {
        return;
    }
    PlacementPoint point = DuplexPlacement(ToPlacement(own), ToPlacement(foreground), ToPlacement(desktop));
    SetWindowPos(dialog, 0, point.x, point.y, 0, 0, kPlacementFlags);
}

// Each path field is cut at its last unit when the record left no NUL in it.
void VTerminatePaths(DuplexPayload* record) {
    record->szStringModule[255] = 0;
    record->szHelpFile[255] = 0;
    record->szImageModule[255] = 0;
}

void VInitialise(HWND dialog, DuplexDialog* duplex) {
    DuplexPayload* record = duplex->record;
    VTerminatePaths(record);
    duplex->context.VLoadStringModule(record->szStringModule);
    duplex->context.VLoadImageModule(record->szImageModule);
    duplex->VSetDuplexTexts(dialog, record);
    bool oldPlatform = DwPlatformMajorVersion() < 6;
    if (oldPlatform) VPlaceDialog(dialog);
    SetWindowLongPtrW(dialog, DWLP_USER, reinterpret_cast<LONG_PTR>(duplex));
    // Only the older platforms show a help button in the caption.
    if (oldPlatform) {
        LONG_PTR exStyle = GetWindowLongPtrW(dialog, GWL_EXSTYLE);
        SetWindowLongPtrW(dialog, GWL_EXSTYLE, exStyle | WS_EX_CONTEXTHELP);
    }
}

DuplexDialog* Dialog(HWND dialog) {
    DuplexDialog* duplex = reinterpret_cast<DuplexDialog*>(GetWindowLongPtrW(dialog, DWLP_USER));
    if (duplex == 0) SetLastError(ERROR_INVALID_DATA);
    return duplex;
}

void VPaintPictures(HWND dialog) {
    const DuplexDialog* duplex = Dialog(dialog);
    if (duplex == 0) return;
    const DuplexPayload* record = duplex->record;
    HMODULE images = duplex->context.hImageModule;
    duplex->VPaintStepPicture(dialog, record->dwStep1Bitmap, IDC_DUPLEX_STEP1_PICTURE, images);
    duplex->VPaintStepPicture(dialog, record->dwStep2Bitmap, IDC_DUPLEX_STEP2_PICTURE, images);
    duplex->VPaintStepPicture(dialog, record->dwStep3Bitmap, IDC_DUPLEX_STEP3_PICTURE, images);
}

void VShowHelp(HWND dialog) {
    const DuplexDialog* duplex = Dialog(dialog);
    if (duplex == 0) return;
    DWORD context = duplex->record->bModal ? HELP_CONTEXT_DUPLEX_MODAL : HELP_CONTEXT_DUPLEX_MODELESS;
    VShowContextHelp(GetDlgItem(dialog, IDC_DUPLEX_HELP), IDC_DUPLEX_HELP, context, duplex->record->szHelpFile);
}

}  // namespace

INT_PTR CALLBACK DuplexDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: {
        DuplexDialog* duplex = reinterpret_cast<DuplexDialog*>(lParam);
        if (duplex == 0) {
            SetLastError(ERROR_INVALID_DATA);
            return FALSE;
        }
        VInitialise(dialog, duplex);
        return FALSE;
    }
    case WM_PAINT:
        // The dialog's own painting follows, so the pictures go first.
        VPaintPictures(dialog);
        return FALSE;
    case WM_COMMAND:
        if (HIWORD(wParam) != 0) return FALSE;
        if (LOWORD(wParam) == IDOK) {
            EndDialog(dialog, 1);
            return TRUE;
        }
        if (LOWORD(wParam) == IDC_DUPLEX_HELP) VShowHelp(dialog);
        return FALSE;
    case WM_CLOSE:
        EndDialog(dialog, 1);
        return TRUE;
    default:
        return FALSE;
    }
}
