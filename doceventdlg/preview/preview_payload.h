#pragma once

#include <stddef.h>
#include <windows.h>

// One record of the list that follows a preview request. Only pNext is
// interpreted here; the other bytes belong to the sender and the preview module.
struct PreviewEntry {
    BYTE abOpaque0[40];
    PreviewEntry* pNext;
    BYTE abOpaque44[8];
};

// The preview request record. Only the printer name, the entry count and the
// list pointer are interpreted here; every other byte passes through unchanged.
struct PreviewPayload {
    BYTE abOpaque0[1540];
    WCHAR szPrinterName[614];
    DWORD dwEntryCount;
    BYTE abOpaque2772[120];
    PreviewEntry* pFirstEntry;
    BYTE abOpaque2896[100];
};

static_assert(offsetof(PreviewEntry, pNext) == 40, "wire layout");
static_assert(sizeof(PreviewEntry) == 52, "wire layout");
static_assert(offsetof(PreviewPayload, szPrinterName) == 1540, "wire layout");
static_assert(offsetof(PreviewPayload, dwEntryCount) == 2768, "wire layout");
static_assert(offsetof(PreviewPayload, pFirstEntry) == 2892, "wire layout");
static_assert(sizeof(PreviewPayload) == 2996, "wire layout");
