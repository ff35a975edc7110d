// A preview module for tests: records what it was handed and answers what the
// test asked for. Built twice under the same file name: with both exports,
// and with BDisplayOVPrintPreview alone.

#include <windows.h>

#include <string.h>

#include "fake_spooler/fake_spooler_control.h"
#include "preview_module/preview_module_record.h"

namespace {

// Where the launcher's copy of the request keeps the fields this double reads.
const DWORD kEntryCountOffset = 2768;
const DWORD kFirstEntryOffset = 2892;
const DWORD kNextOffset = 40;

struct PreviewRequest {
    BYTE bytes[kPreviewRequestBytes];
};
static_assert(sizeof(PreviewRequest) == 2996, "the argument block of the preview functions");

HINSTANCE g_instance;

PreviewModuleRecord* Record() {
    PreviewModuleRecorderFn recorder = reinterpret_cast<PreviewModuleRecorderFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(0), PREVIEW_MODULE_RECORDER)));
    return recorder ? recorder() : 0;
}

LONG OpenPrinterHandles() {
    FakeSpoolerOpenHandleCountFn count = reinterpret_cast<FakeSpoolerOpenHandleCountFn>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"winspool.drv"), "FakeSpoolerOpenHandleCount")));
    return count ? count() : -1;
}

DWORD ReadDword(const BYTE* at) {
    DWORD value;
    memcpy(&value, at, sizeof(value));
    return value;
}

void WalkList(const PreviewRequest& request, PreviewModuleRecord* record) {
    const BYTE* first = reinterpret_cast<const BYTE*>(ReadDword(request.bytes + kFirstEntryOffset));
    DWORD count = ReadDword(request.bytes + kEntryCountOffset);
    for (DWORD i = 0; first != 0 && i < count && i < static_cast<DWORD>(kRecordedEntries); ++i) {
        memcpy(record->entries[i], first + i * kPreviewEntryBytes, kPreviewEntryBytes);
    }
    // A link that does not lead to the next record of the list is recorded,
    // not followed: the test then fails with a message instead of a fault.
    const BYTE* end = first + count * kPreviewEntryBytes;
    for (const BYTE* entry = first; entry != 0;) {
        if (entry >= end) {
            record->walkLeftList = TRUE;
            return;
        }
        ++record->walkLength;
        const BYTE* next = reinterpret_cast<const BYTE*>(ReadDword(entry + kNextOffset));
        if (next != 0 && next != entry + kPreviewEntryBytes) {
            record->walkLeftList = TRUE;
            return;
        }
        entry = next;
    }
}

PreviewModuleRecord* Begin(const char* function, const PreviewRequest& request) {
    PreviewModuleRecord* record = Record();
    if (record == 0) return 0;
    ++record->calls;
    strncpy(record->function, function, sizeof(record->function) - 1);
    memcpy(record->payload, request.bytes, sizeof(request.bytes));
    record->openPrinterHandles = OpenPrinterHandles();
    return record;
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    PreviewModuleRecord* record = Record();
    if (reason == DLL_PROCESS_ATTACH) {
        g_instance = instance;
        if (record) {
            ++record->attaches;
            GetModuleFileNameW(instance, record->modulePath, MAX_PATH);
        }
    } else if (reason == DLL_PROCESS_DETACH && record) {
        ++record->detaches;
    }
    return TRUE;
}

extern "C" {

BOOL WINAPI BDisplayOVPrintPreview(PreviewRequest request) {
    PreviewModuleRecord* record = Begin("BDisplayOVPrintPreview", request);
    if (record == 0) return FALSE;
    WalkList(request, record);
    return record->answer;
}

BOOL WINAPI BDisplayOVPrintPreviewICD(PreviewRequest request) {
    PreviewModuleRecord* record = Begin("BDisplayOVPrintPreviewICD", request);
    return record ? record->answer : FALSE;
}

}  // extern "C"
