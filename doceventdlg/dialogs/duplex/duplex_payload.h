#pragma once

#include <stddef.h>
#include <windows.h>

// The manual duplex request record: the sender's by-value argument, the tail
// of the request document and what the receiving entries read, byte for byte.
struct DuplexPayload {
    WCHAR szStringModule[256];
    WCHAR szHelpFile[256];
    WCHAR szImageModule[256];
    DWORD dwStep1Bitmap;  // bitmap ids: only the low 16 bits are used
    DWORD dwStep1Text;
    DWORD dwStep2Bitmap;
    DWORD dwStep2Text;
    DWORD dwStep3Bitmap;
    DWORD dwStep3Text;
    DWORD dwReserved;     // carried unchanged
    DWORD bModal;
    DWORD bPanelPrompt;
    HANDLE hSpoolPrinter; // the sender's printer; meaningless in the user's session
};

static_assert(offsetof(DuplexPayload, szStringModule) == 0, "wire layout");
static_assert(offsetof(DuplexPayload, szHelpFile) == 512, "wire layout");
static_assert(offsetof(DuplexPayload, szImageModule) == 1024, "wire layout");
static_assert(offsetof(DuplexPayload, dwStep1Bitmap) == 1536, "wire layout");
static_assert(offsetof(DuplexPayload, dwStep1Text) == 1540, "wire layout");
static_assert(offsetof(DuplexPayload, dwStep2Bitmap) == 1544, "wire layout");
static_assert(offsetof(DuplexPayload, dwStep2Text) == 1548, "wire layout");
static_assert(offsetof(DuplexPayload, dwStep3Bitmap) == 1552, "wire layout");
static_assert(offsetof(DuplexPayload, dwStep3Text) == 1556, "wire layout");
static_assert(offsetof(DuplexPayload, dwReserved) == 1560, "wire layout");
static_assert(offsetof(DuplexPayload, bModal) == 1564, "wire layout");
static_assert(offsetof(DuplexPayload, bPanelPrompt) == 1568, "wire layout");
static_assert(offsetof(DuplexPayload, hSpoolPrinter) == 1572, "wire layout");
static_assert(sizeof(DuplexPayload) == 1576, "wire layout");
