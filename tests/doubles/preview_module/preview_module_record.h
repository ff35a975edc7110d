#pragma once

// What the preview module double (PVIEW5KQ.DLL of the test tree) saw. The
// double is unloaded right after each call, so it writes into a record that
// the test program owns and hands out through its own export
// PREVIEW_MODULE_RECORDER (a cdecl function returning the record's address).
// Without that export the double records nothing and answers 0.

#include <windows.h>

#define PREVIEW_MODULE_RECORDER "PreviewModuleRecorder"

const DWORD kPreviewRequestBytes = 2996;
const DWORD kPreviewEntryBytes = 52;
const int kRecordedEntries = 8;

struct PreviewModuleRecord {
    // Set by the test: what the preview functions answer.
    BOOL answer;

    // Loader notifications of the double (process attach and detach).
    LONG attaches;
    LONG detaches;
    wchar_t modulePath[MAX_PATH];  // the file that was loaded

    // The last call.
    LONG calls;
    char function[32];
    BYTE payload[kPreviewRequestBytes];  // the argument block as received
    LONG openPrinterHandles;             // while the function ran; -1 without the test spooler

    // BDisplayOVPrintPreview only: the list followed from pFirstEntry through
    // pNext during the call.
    DWORD walkLength;   // records reached
    BOOL walkLeftList;  // a pNext led elsewhere than to the next of the dwEntryCount records
    BYTE entries[kRecordedEntries][kPreviewEntryBytes];  // the first dwEntryCount (at most 8) records from pFirstEntry
};

typedef PreviewModuleRecord*(__cdecl* PreviewModuleRecorderFn)();
