#pragma once

#include <windows.h>

#include "dialogs/warning/control_geometry.h"
#include "dialogs/warning/warning_payload.h"
#include "text/text_context.h"

// The text context of one warning notice, with the windows and geometry that
// its set-up captures. WM_INITDIALOG calls the set-up operations once each, in
// the order they are declared.
class WarningTextContext : public TextContext {
public:
    WarningTextContext();

    void VCaptureControls(HWND dialog);
    void VSetWarningTexts(const WarningPayload* record);
    void VApplyVisibility(const WarningPayload* record);
    void VCaptureGeometry(HWND dialog);
    void VGrowForLongMessage(HWND dialog, const WarningPayload* record);

    // Rectangle of window in parent's client coordinates (screen coordinates
    // without a parent); nothing for a null window.
    static void VCaptureWindowGeometry(HWND parent, HWND window, ControlGeometry* geometry);
    // Places window at its captured left, size unchanged, with a new top.
    static void VMoveControlTop(HWND window, const ControlGeometry& geometry, int top);

    HWND hDlg;
    HWND hThirdButton;
    HWND hCheckBox;
    HWND hMessage;
    HWND hOk;
    HWND hCancel;
    HWND hSpareStatic;
    ControlGeometry geoMessage;
    ControlGeometry geoDialog;
    ControlGeometry geoThirdButton;
    ControlGeometry geoCheckBox;
    ControlGeometry geoOk;
    ControlGeometry geoCancel;
};
