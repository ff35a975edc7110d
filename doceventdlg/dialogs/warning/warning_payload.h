#pragma once

#include <stddef.h>
#include <windows.h>

// The warning request record. Reserved fields are never read and travel
// unchanged. A button's text id doubles as its presence flag (0: hidden).
struct WarningPayload {
    DWORD dwReserved0;
    DWORD dwTitleText;
    DWORD dwReserved8;
    LONG dwShowDialog;   // 1: show, owned by the foreground window
    DWORD dwReserved16;
    WCHAR szMessage[1024];
    DWORD dwThirdButtonText;
    DWORD bShowCheckBox;
    DWORD dwReserved2076[4];
    DWORD dwOkText;
    DWORD dwCancelText;
    WCHAR szStringModule[256];
};

static_assert(offsetof(WarningPayload, dwReserved0) == 0, "wire layout");
static_assert(offsetof(WarningPayload, dwTitleText) == 4, "wire layout");
static_assert(offsetof(WarningPayload, dwReserved8) == 8, "wire layout");
static_assert(offsetof(WarningPayload, dwShowDialog) == 12, "wire layout");
static_assert(offsetof(WarningPayload, dwReserved16) == 16, "wire layout");
static_assert(offsetof(WarningPayload, szMessage) == 20, "wire layout");
static_assert(offsetof(WarningPayload, dwThirdButtonText) == 2068, "wire layout");
static_assert(offsetof(WarningPayload, bShowCheckBox) == 2072, "wire layout");
static_assert(offsetof(WarningPayload, dwReserved2076) == 2076, "wire layout");
static_assert(offsetof(WarningPayload, dwOkText) == 2092, "wire layout");
static_assert(offsetof(WarningPayload, dwCancelText) == 2096, "wire layout");
static_assert(offsetof(WarningPayload, szStringModule) == 2100, "wire layout");
static_assert(sizeof(WarningPayload) == 2612, "wire layout");
