// A print spooler client for tests: a small table of printers that each test
// sets up, with the spooler calls the module makes on them. Every call is
// counted so that tests can tell what was asked. The asynchronous
// notification channel lives in notify_channel.cpp.

#include <windows.h>
#include <winspool.h>

#include <string.h>
#include <wchar.h>

#include "channel_state.h"
#include "fake_spooler_control.h"
#include "spooler_calls.h"

namespace {

const int kMaxPrinters = 16;
const int kMaxHandles = 256;
const DWORD kHandleMagic = 0x5350464B;  // "KFPS"

struct FakePrinter {
    wchar_t name[512];
    wchar_t driverPath[1024];
    DWORD flags;
    bool used;
};

struct FakeHandle {
    DWORD magic;
    int printer;
    bool open;
};

struct CallCounter {
    const char* name;
    LONG count;
};

CRITICAL_SECTION g_lock;
FakePrinter g_printers[kMaxPrinters];
FakeHandle g_handles[kMaxHandles];
CallCounter g_calls[] = {{"OpenPrinterW", 0}, {"ClosePrinter", 0}, {"GetPrinterW", 0}, {"GetPrinterDriverW", 0},
                         {"CreatePrintAsyncNotifyChannel", 0}, {"SendNotification", 0}};

class Lock {
public:
    Lock() { EnterCriticalSection(&g_lock); }
    ~Lock() { LeaveCriticalSection(&g_lock); }
};

FakeHandle* FindOpenHandle(HANDLE h) {
    for (FakeHandle& fh : g_handles) {
        if (&fh == h && fh.magic == kHandleMagic && fh.open) return &fh;
    }
    return 0;
}

// Writes a string after the record part of a caller's buffer, growing *offset.
wchar_t* PlaceString(BYTE* buffer, DWORD* offset, const wchar_t* text) {
    wchar_t* place = reinterpret_cast<wchar_t*>(buffer + *offset);
    size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    memcpy(place, text, bytes);
    *offset += static_cast<DWORD>(bytes);
    return place;
}

DWORD StringBytes(const wchar_t* text) { return static_cast<DWORD>((wcslen(text) + 1) * sizeof(wchar_t)); }

}  // namespace

void CountSpoolerCall(const char* function) {
    for (CallCounter& c : g_calls) {
        if (strcmp(c.name, function) == 0) InterlockedIncrement(&c.count);
    }
}

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
    if (reason == DLL_PROCESS_ATTACH) InitializeCriticalSection(&g_lock);
    return TRUE;
}

extern "C" {

void __cdecl FakeSpoolerReset() {
    channel_state::VReset();
    Lock lock;
    memset(g_printers, 0, sizeof(g_printers));
    memset(g_handles, 0, sizeof(g_handles));
    for (CallCounter& c : g_calls) c.count = 0;
}

BOOL __cdecl FakeSpoolerAddPrinter(const wchar_t* name, const wchar_t* driverPath, DWORD flags) {
    Lock lock;
    for (FakePrinter& p : g_printers) {
        if (p.used) continue;
        wcsncpy(p.name, name, 511);
        wcsncpy(p.driverPath, driverPath ? driverPath : L"", 1023);
        p.flags = flags;
        p.used = true;
        return TRUE;
    }
    return FALSE;
}

LONG __cdecl FakeSpoolerOpenHandleCount() {
    Lock lock;
    LONG open = 0;
    for (FakeHandle& fh : g_handles) open += fh.open ? 1 : 0;
    return open;
}

BOOL __cdecl FakeSpoolerIsHandleOpen(HANDLE printer) {
    Lock lock;
    return FindOpenHandle(printer) != 0;
}

LONG __cdecl FakeSpoolerCallCount(const char* function) {
    for (CallCounter& c : g_calls) {
        if (strcmp(c.name, function) == 0) return c.count;
    }
    return -1;
}

BOOL WINAPI OpenPrinterW(LPWSTR name, LPHANDLE printer, LPPRINTER_DEFAULTSW /*defaults*/) {
    CountSpoolerCall("OpenPrinterW");
    if (printer == 0) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *printer = 0;
    Lock lock;
    for (int i = 0; i < kMaxPrinters; ++i) {
        if (!g_printers[i].used || name == 0 || wcscmp(g_printers[i].name, name) != 0) continue;
        for (FakeHandle& fh : g_handles) {
            if (fh.open) continue;
            fh.magic = kHandleMagic;
            fh.printer = i;
            fh.open = true;
            *printer = &fh;
            return TRUE;
        }
    }
    SetLastError(ERROR_INVALID_PRINTER_NAME);
    return FALSE;
}

BOOL WINAPI ClosePrinter(HANDLE printer) {
    CountSpoolerCall("ClosePrinter");
    Lock lock;
    FakeHandle* fh = FindOpenHandle(printer);
    if (fh == 0) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    fh->open = false;
    return TRUE;
}

BOOL WINAPI GetPrinterW(HANDLE printer, DWORD level, LPBYTE buffer, DWORD size, LPDWORD needed) {
    CountSpoolerCall("GetPrinterW");
    Lock lock;
    if (needed) *needed = 0;
    FakeHandle* fh = FindOpenHandle(printer);
    if (fh == 0 || level != 4) {
        SetLastError(fh == 0 ? ERROR_INVALID_HANDLE : ERROR_INVALID_LEVEL);
        return FALSE;
    }
    const FakePrinter& p = g_printers[fh->printer];
    if (p.flags & kFakePrinterNoPrinterInfo) {
        SetLastError(ERROR_INVALID_DATA);
        return FALSE;
    }
    DWORD total = sizeof(PRINTER_INFO_4W) + StringBytes(p.name);
    if (needed) *needed = total;
    if (buffer == 0 || size < total) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    PRINTER_INFO_4W* info = reinterpret_cast<PRINTER_INFO_4W*>(buffer);
    DWORD offset = sizeof(PRINTER_INFO_4W);
    info->pPrinterName = PlaceString(buffer, &offset, p.name);
    info->pServerName = 0;
    info->Attributes = PRINTER_ATTRIBUTE_LOCAL;
    return TRUE;
}

BOOL WINAPI GetPrinterDriverW(HANDLE printer, LPWSTR /*environment*/, DWORD level, LPBYTE buffer, DWORD size,
                              LPDWORD needed) {
    CountSpoolerCall("GetPrinterDriverW");
    Lock lock;
    if (needed) *needed = 0;
    FakeHandle* fh = FindOpenHandle(printer);
    if (fh == 0 || level != 3) {
        SetLastError(fh == 0 ? ERROR_INVALID_HANDLE : ERROR_INVALID_LEVEL);
        return FALSE;
    }
    const FakePrinter& p = g_printers[fh->printer];
    if (p.flags & kFakePrinterNoDriverInfo) {
        SetLastError(ERROR_UNKNOWN_PRINTER_DRIVER);
        return FALSE;
    }
    const wchar_t* driverName = L"Fake Printer Driver";
    DWORD total = sizeof(DRIVER_INFO_3W) + StringBytes(driverName) + StringBytes(p.driverPath);
    if (needed) *needed = total;
    if (buffer == 0 || size < total) {
        SetLastError(ERROR_INSUFFICIENT_BUFFER);
        return FALSE;
    }
    if (p.flags & kFakePrinterDriverInfoFails) {
        SetLastError(ERROR_INVALID_DATA);
        return FALSE;
    }
    DRIVER_INFO_3W* info = reinterpret_cast<DRIVER_INFO_3W*>(buffer);
    memset(info, 0, sizeof(*info));
    DWORD offset = sizeof(DRIVER_INFO_3W);
    info->cVersion = 3;
    info->pName = PlaceString(buffer, &offset, driverName);
    info->pDriverPath = (p.flags & kFakePrinterNullDriverPath) ? 0 : PlaceString(buffer, &offset, p.driverPath);
    return TRUE;
}

}  // extern "C"
