#pragma once

#include <windows.h>

#include "dialogs/warning/warning_payload.h"
#include "dialogs/warning/warning_text_context.h"

// One warning notice: the record it shows (not owned) and its text context.
struct WarningDialog {
    explicit WarningDialog(const WarningPayload* shown) : record(shown) {}

    const WarningPayload* record;
    WarningTextContext context;

private:
    WarningDialog(const WarningDialog&);
    WarningDialog& operator=(const WarningDialog&);
};

// Ends the notice with the id of the pressed button (1, 2 or 285), or 2 for
// the close box. Returns FALSE for every message.
INT_PTR CALLBACK WarningDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
