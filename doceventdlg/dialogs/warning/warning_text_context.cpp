#include "dialogs/warning/warning_text_context.h"

#include <string.h>

#include "dialogs/warning/warning_growth.h"
#include "dialogs/warning/warning_ids.h"
#include "text/text_ops.h"

namespace {

const UINT kResizeFlags = SWP_NOZORDER | SWP_NOCOPYBITS;

// A visible OK or Cancel button never faces the user blank.
void VSetButtonText(HWND button, const wchar_t* lookedUp, bool found, DWORD textId, const wchar_t* english) {
    SetWindowTextW(button, (!found && textId != 0) ? english : lookedUp);
}

void VShowIf(HWND control, bool visible) {
    EnableWindow(control, visible ? TRUE : FALSE);
    ShowWindow(control, visible ? SW_SHOW : SW_HIDE);
}

}  // namespace

WarningTextContext::WarningTextContext()
    : hDlg(0), hThirdButton(0), hCheckBox(0), hMessage(0), hOk(0), hCancel(0), hSpareStatic(0) {
    memset(&geoMessage, 0, sizeof(geoMessage));
    geoDialog = geoThirdButton = geoCheckBox = geoOk = geoCancel = geoMessage;
}

void WarningTextContext::VCaptureControls(HWND dialog) {
    hDlg = dialog;
    hThirdButton = GetDlgItem(dialog, IDC_WARNING_THIRD_BUTTON);
    hCheckBox = GetDlgItem(dialog, IDC_WARNING_CHECK_BOX);
    hMessage = GetDlgItem(dialog, IDC_WARNING_MESSAGE);
    hSpareStatic = GetDlgItem(dialog, IDC_WARNING_SPARE_STATIC);
    hOk = GetDlgItem(dialog, IDOK);
    hCancel = GetDlgItem(dialog, IDCANCEL);
}

void WarningTextContext::VSetWarningTexts(const WarningPayload* record) {
    wchar_t caption[TEXT_BUFFER_CCH] = {0};
    wchar_t okText[TEXT_BUFFER_CCH] = {0};
    wchar_t cancelText[TEXT_BUFFER_CCH] = {0};
    wchar_t thirdText[TEXT_BUFFER_CCH] = {0};
    BLoadText(record->dwTitleText, caption);
    bool okFound = BLoadText(record->dwOkText, okText) != FALSE;
    bool cancelFound = BLoadText(record->dwCancelText, cancelText) != FALSE;
    BLoadText(record->dwThirdButtonText, thirdText);

    // The record may come from another process: show its message cut inside
    // the field rather than read past it.
    wchar_t message[WARNING_MESSAGE_CCH];
    TextCopyN(message, WARNING_MESSAGE_CCH, record->szMessage, WARNING_MESSAGE_CCH - 1);

    SetWindowTextW(hDlg, caption);
    SetWindowTextW(hMessage, message);
    VSetButtonText(hOk, okText, okFound, record->dwOkText, L"OK");
    VSetButtonText(hCancel, cancelText, cancelFound, record->dwCancelText, L"Cancel");
    SetWindowTextW(hThirdButton, thirdText);
    VSetTextFromId(IDS_WARNING_DO_NOT_SHOW, hCheckBox, L"In the future, do not show this information.");
}

void WarningTextContext::VApplyVisibility(const WarningPayload* record) {
    VShowIf(hOk, record->dwOkText != 0);
    VShowIf(hCancel, record->dwCancelText != 0);
    VShowIf(hThirdButton, record->dwThirdButtonText != 0);
    VShowIf(hCheckBox, record->bShowCheckBox != 0);
}

void WarningTextContext::VCaptureGeometry(HWND dialog) {
    VCaptureWindowGeometry(dialog, hMessage, &geoMessage);
    VCaptureWindowGeometry(dialog, hThirdButton, &geoThirdButton);
    VCaptureWindowGeometry(dialog, hCheckBox, &geoCheckBox);
    VCaptureWindowGeometry(dialog, hOk, &geoOk);
    VCaptureWindowGeometry(dialog, hCancel, &geoCancel);
    VCaptureWindowGeometry(0, dialog, &geoDialog);
}

void WarningTextContext::VGrowForLongMessage(HWND dialog, const WarningPayload* record) {
    if (!BWarningMessageGrows(WarningMessageLength(record->szMessage))) return;
    WarningGrowth growth = ComputeWarningGrowth(geoMessage, geoDialog, geoCheckBox);

    SetWindowPos(hMessage, 0, geoMessage.left, geoMessage.top, geoMessage.width, growth.messageHeight, kResizeFlags);
    SetWindowPos(dialog, 0, geoDialog.left, geoDialog.top, geoDialog.width, growth.dialogHeight, kResizeFlags);
    // Hidden controls move too, so the buttons keep the check box's room.
    VMoveControlTop(hCheckBox, geoCheckBox, growth.checkBoxTop);
    VMoveControlTop(hOk, geoOk, growth.buttonsTop);
    VMoveControlTop(hCancel, geoCancel, growth.buttonsTop);
    VMoveControlTop(hThirdButton, geoThirdButton, growth.buttonsTop);
}

void WarningTextContext::VCaptureWindowGeometry(HWND parent, HWND window, ControlGeometry* geometry) {
    if (window == 0) return;
    RECT rect;
    if (!GetWindowRect(window, &rect)) return;
    if (parent != 0) MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&rect), 2);
    geometry->left = rect.left;
    geometry->top = rect.top;
    geometry->right = rect.right;
    geometry->bottom = rect.bottom;
    geometry->width = rect.right - rect.left;
    geometry->height = rect.bottom - rect.top;
}

void WarningTextContext::VMoveControlTop(HWND window, const ControlGeometry& geometry, int top) {
    SetWindowPos(window, 0, geometry.left, top, geometry.width, geometry.height, kResizeFlags);
}
